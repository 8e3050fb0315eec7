#include "module_panel.h"

#include "serial/port_operations.h"

#include "widgets/cool_button.h"
#include "widgets/prompts.h"

#include <QLabel>

namespace {
// The serial control is control 1013 on every panel.
constexpr int kSerialControlId = 1013;
} // namespace

CModulePanel::CModulePanel(const QString& objectName, const QString& accessibleName,
                           QWidget* parent)
    : QWidget(parent), m_Session(this) {
    setObjectName(objectName);
    setAccessibleName(accessibleName);
    Comm().setObjectName(ControlName(kSerialControlId));
    connect(&m_Session, &CPortSession::PortLost, this, [this] { OnPortLost(); });
}

void CModulePanel::ShowPortError() {
    ShowMessage(this, QString::fromLatin1(CommPortErrorText()));
}

QString ControlName(int id) {
    return QStringLiteral("ctl%1").arg(id);
}

CCoolButton* MakeButton(const QString& caption, int id, QWidget* parent) {
    auto* button = new CCoolButton(caption, parent);
    button->setObjectName(ControlName(id));
    button->setAccessibleName(caption);
    return button;
}

QLabel* MakeLabel(const QString& text, QWidget* buddy, QWidget* parent) {
    auto* label = new QLabel(text, parent);
    label->setAccessibleName(text);
    label->setBuddy(buddy);
    return label;
}
