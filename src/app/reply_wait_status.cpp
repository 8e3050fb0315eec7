#include "reply_wait_status.h"

#include "serial/panel_timers.h"
#include "serial/port_map.h"
#include "serial/serial_control.h"

#include <QCoreApplication>
#include <QLabel>

namespace {
QString LineText(const QString& port, const QString& device, const QString& rate) {
    return device.isEmpty() || device == port
               ? port + QLatin1Char(' ') + rate
               : port + QLatin1Char(' ') + device + QLatin1Char(' ') + rate;
}
} // namespace

QString WaitingForModuleText(const QString& port, const QString& device, const QString& rate) {
    return QCoreApplication::translate("CReplyWaitStatus", "等待模块回复… ") +
           LineText(port, device, rate);
}

QString ModuleSilentText(const QString& port, const QString& device, const QString& rate) {
    return QCoreApplication::translate("CReplyWaitStatus", "模块无应答：") +
           LineText(port, device, rate) +
           QCoreApplication::translate("CReplyWaitStatus", "。请检查连线、模块电源和波特率");
}

CReplyWaitStatus::CReplyWaitStatus(QLabel* pane, QObject* parent)
    : QObject(parent), m_pPane(pane),
      m_pTimers(new CPanelTimers(this, [this](int id) { OnTimer(id); })) {}

void CReplyWaitStatus::Watch(CMSComm& comm) {
    connect(&comm, &CMSComm::Transmitted, this, [this, &comm] { OnTransmitted(comm); });
    connect(&comm, &CMSComm::BytesReceived, this, &CReplyWaitStatus::OnBytesReceived);
    connect(&comm, &CMSComm::PortLost, this, &CReplyWaitStatus::Reset);
}

void CReplyWaitStatus::Reset() {
    m_pTimers->Stop(kSilenceTimer);
    m_bAwaiting = false;
    m_pPane->setText(tr("就绪"));
}

// Each write starts the 2 s over: a command sent by a reply (the next enrolment step, the next
// download block) is a new wait.
void CReplyWaitStatus::OnTransmitted(const CMSComm& comm) {
    m_strPort = PortListText(comm.CommPort() - 1);
    m_strDevice = comm.DeviceName();
    m_strRate = comm.Settings().section(QLatin1Char(','), 0, 0);
    m_bAwaiting = true;
    m_pPane->setText(WaitingForModuleText(m_strPort, m_strDevice, m_strRate));
    m_pTimers->Start(kSilenceTimer, kSilencePeriodMs);
}

void CReplyWaitStatus::OnBytesReceived() {
    if (m_bAwaiting)
        Reset();
}

void CReplyWaitStatus::OnTimer(int id) {
    if (id != kSilenceTimer)
        return;
    m_pTimers->Stop(kSilenceTimer);
    if (m_bAwaiting)
        m_pPane->setText(ModuleSilentText(m_strPort, m_strDevice, m_strRate));
}
