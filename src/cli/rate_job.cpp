#include "rate_job.h"

#include "cli_texts.h"

#include "serial/comm_setup_texts.h"
#include "serial/port_session.h"
#include "serial/rate_command.h"
#include "serial/rate_table.h"

CRateJob::CRateJob(CPortSession& session, int rateIndex, QObject* parent)
    : CPortJob(session, parent), m_nRateIndex(rateIndex),
      // A reply cut at the limit counts once the line is quiet, as the console job takes it.
      m_Rate(
          session.CreateExchange<CRateExchange>(EWhenFull::DropExtra, ECutReply::WhenLineQuiet)) {
    connect(&m_Rate, &CRateExchange::Answered, this, &CRateJob::OnAnswered);
}

void CRateJob::Start() {
    if (!m_Rate.Send(static_cast<uint8_t>(m_nRateIndex)))
        Fail(EJobFailure::PortLost);
}

void CRateJob::StopExchange() {
    m_Rate.Stop();
}

// The module's answer, judged as the settings panel judges it.
void CRateJob::OnAnswered(const CRateVerdict& verdict) {
    // Confirmed in a reply of the wrong length, the window switches, and so does the PC here.
    if (verdict.follow)
        Session().ApplyBaudRate(m_nRateIndex);
    if (verdict.Succeeded())
        End(kExitOk,
            CCliTexts::tr("模块和 PC 现在都以 %1 bit/s 通讯").arg(RateBitsText(m_nRateIndex)));
    else
        End(kExitFailed, CommSetupTexts::Tr(CommSetupTexts::kCommFailedText));
}
