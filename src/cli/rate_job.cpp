#include "rate_job.h"

#include "serial/comm_setup_texts.h"
#include "serial/port_session.h"
#include "serial/rate_command.h"
#include "serial/rate_table.h"

CRateJob::CRateJob(CPortSession& session, int rateIndex, QObject* parent)
    : CPortJob(session, parent), m_nRateIndex(rateIndex),
      m_ReplyCycle(
          session.CollectReplies(kRateReplyPeriodMs, kRateHoldThreshold, kRateCollectLimit)) {
    m_ReplyCycle.SetCutReply(ECutReply::WhenLineQuiet); // as the console job takes it
}

void CRateJob::Start() {
    if (!SendRateCommand(Session(), static_cast<uint8_t>(m_nRateIndex)))
        OnPortLost();
}

void CRateJob::StopExchange() {
    m_ReplyCycle.Stop();
}

void CRateJob::OnReply(const QByteArray& reply) {
    const CRateReplyCheck check = CheckRateReply(reply);
    if (!check.isRateReply) {
        End(kExitFailed, CommSetupTexts::kCommFailedText);
        return;
    }
    if (!check.confirmed || check.lengthWrong) {
        // Confirmed in a reply of the wrong length: the window switches, and so does the PC here.
        if (check.confirmed)
            Session().ApplyBaudRate(m_nRateIndex);
        End(kExitFailed, CommSetupTexts::kCommFailedText);
        return;
    }
    Session().ApplyBaudRate(m_nRateIndex);
    End(kExitOk, QStringLiteral("module and PC now at %1 bit/s").arg(RateBitsText(m_nRateIndex)));
}
