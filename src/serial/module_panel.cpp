#include "module_panel.h"

#include "port_operations.h"

#include "widgets/cool_button.h"
#include "widgets/prompts.h"

#include <QLabel>

namespace {
// The serial control is control 1013 on every panel.
constexpr int kSerialControlId = 1013;
} // namespace

CModulePanel::CModulePanel(const QString& objectName, const QString& accessibleName,
                           QWidget* parent)
    : QWidget(parent), m_Comm(this), m_Timers(this, [this](int id) { OnTimer(id); }) {
    setObjectName(objectName);
    setAccessibleName(accessibleName);
    m_Comm.setObjectName(ControlName(kSerialControlId));
    connect(&m_Comm, &CMSComm::OnComm, this, [this] { OnComm(); });
    connect(&m_Comm, &CMSComm::PortLost, this, [this] { OnPortLost(); });
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
