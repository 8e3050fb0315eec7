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
        Fail(EJobFailure::PortLost);
}

void CRateJob::StopExchange() {
    m_ReplyCycle.Stop();
}

void CRateJob::OnReply(const QByteArray& reply) {
    // Confirmed in a reply of the wrong length, the window switches, and so does the PC here.
    const CRateVerdict verdict = JudgeRateReply(reply);
    if (verdict.follow)
        Session().ApplyBaudRate(m_nRateIndex);
    if (verdict.Succeeded())
        End(kExitOk,
            QStringLiteral("module and PC now at %1 bit/s").arg(RateBitsText(m_nRateIndex)));
    else
        End(kExitFailed, CommSetupTexts::kCommFailedText);
}
