#include "find_rate_job.h"

#include "cli_texts.h"

#include "serial/rate_table.h"

CFindRateJob::CFindRateJob(CPortSession& session, QObject* parent)
    : CPortJob(session, parent), m_Console(session.CreateExchange<CConsoleExchange>()),
      m_Probe(session, m_Console, this) {
    // A rate is tried again only once the line is quiet after what came at the one before.
    m_Console.SetCutReply(ECutReply::WhenLineQuiet);
    connect(&m_Probe, &CRateProbe::Finished, this, &CFindRateJob::OnFinished);
    connect(&m_Console, &CConsoleExchange::WriteFailed, this,
            [this] { Fail(EJobFailure::PortLost); });
}

void CFindRateJob::Start() {
    m_Probe.Start();
}

// The command ends with why it was stopped, not with the probe's own end.
void CFindRateJob::StopExchange() {
    disconnect(&m_Probe, &CRateProbe::Finished, this, &CFindRateJob::OnFinished);
    m_Probe.Stop();
    m_Console.OnPortLost();
}

void CFindRateJob::OnFinished(int rateIndex) {
    if (rateIndex == 0) {
        End(kExitSilent, CCliTexts::tr("模块在任何波特率下都没有应答"));
        return;
    }
    const QString bits = RateBitsText(rateIndex);
    End(kExitOk, RateFoundText(bits), {{QStringLiteral("rate"), bits.toInt()}});
}
