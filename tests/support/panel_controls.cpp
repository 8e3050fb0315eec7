#include "panel_controls.h"

#include "support/accessible_toggle.h"

#include <QAbstractButton>
#include <QLineEdit>
#include <QTest>

namespace {
QPoint ClickPoint(QAbstractButton* button) {
    if (button->inherits("QCheckBox") || button->inherits("QRadioButton"))
        return QPoint(6, button->height() / 2); // on the indicator
    return button->rect().center();
}
} // namespace

QWidget* CPanelControls::Control(int id) const {
    auto* control = m_panel.findChild<QWidget*>(QStringLiteral("ctl%1").arg(id));
    if (!control)
        qFatal("no control %d", id);
    return control;
}

QAbstractButton* CPanelControls::Button(int id) const {
    auto* button = qobject_cast<QAbstractButton*>(Control(id));
    if (!button)
        qFatal("control %d is no button", id);
    return button;
}

QLineEdit* CPanelControls::Edit(int id) const {
    auto* edit = qobject_cast<QLineEdit*>(Control(id));
    if (!edit)
        qFatal("control %d is no field", id);
    return edit;
}

bool CPanelControls::Enabled(int id) const {
    return Control(id)->isEnabled();
}

void CPanelControls::Click(int id) const {
    QAbstractButton* button = Button(id);
    if (!button->isVisible())
        button->click();
    else
        QTest::mouseClick(button, Qt::LeftButton, Qt::NoModifier, ClickPoint(button));
}

void CPanelControls::Toggle(int id) const {
    if (!AccessibleToggle(Button(id)))
        qFatal("control %d offers no toggle", id);
}

void CPanelControls::Type(int id, const QString& text) const {
    QLineEdit* edit = Edit(id);
    edit->setFocus();
    edit->selectAll();
    if (text.isEmpty())
        QTest::keyClick(edit, Qt::Key_Delete);
    else
        QTest::keyClicks(edit, text);
}
