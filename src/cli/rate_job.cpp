#include "rate_job.h"

#include "serial/comm_setup_texts.h"
#include "serial/mscomm.h"
#include "serial/port_operations.h"
#include "serial/rate_command.h"
#include "serial/rate_table.h"

#include "protocol/buffers.h"

CRateJob::CRateJob(CMSComm& comm, int rateIndex, QObject* parent)
    : CPortJob(parent), m_Comm(comm), m_nRateIndex(rateIndex),
      m_Timers(this, [this](int id) { OnTimer(id); }),
      m_ReplyCycle(comm, m_Timers, kRateReplyPeriodMs, kRateHoldThreshold, kRateCollectLimit) {
    m_ReplyCycle.SetCutReply(ECutReply::WhenLineQuiet); // as the console job takes it
    connect(&comm, &CMSComm::OnComm, this, [this] { m_ReplyCycle.OnComm(); });
}

void CRateJob::Start() {
    if (!SendRateCommand(m_Comm, static_cast<uint8_t>(m_nRateIndex)))
        OnPortLost();
}

void CRateJob::StopExchange() {
    m_ReplyCycle.Stop();
}

void CRateJob::OnTimer(int id) {
    if (!m_ReplyCycle.OnTimer(id))
        return;
    emit ReplyEnded();
    CheckReply();
}

void CRateJob::CheckReply() {
    const CRateReplyCheck check = CheckRateReply(g_RxBuffer, g_nRxCount);
    if (!check.isRateReply) {
        End(kExitFailed, CommSetupTexts::kCommFailedText);
        return;
    }
    if (!check.confirmed || check.lengthWrong) {
        // Confirmed in a reply of the wrong length: the window switches, and so does the PC here.
        if (check.confirmed)
            ApplyBaudRate(m_Comm, m_nRateIndex);
        End(kExitFailed, CommSetupTexts::kCommFailedText);
        return;
    }
    ApplyBaudRate(m_Comm, m_nRateIndex);
    End(kExitOk, QStringLiteral("module and PC now at %1 bit/s").arg(RateBitsText(m_nRateIndex)));
}
