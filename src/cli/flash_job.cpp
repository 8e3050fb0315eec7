#include "flash_job.h"

#include "download/download_frames.h"
#include "download/download_texts.h"
#include "serial/mscomm.h"
#include "serial/port_operations.h"

#include <QMetaObject>

using namespace DownloadTexts;

namespace {
// The window's own text, then what it means for the module.
const QString kInterruptedNote =
    kDownloadInterrupted +
    QStringLiteral(" — stopped as the window stops a download when its panel is left: the module "
                   "keeps waiting for its blocks; flash it again");
} // namespace

CFlashJob::CFlashJob(CMSComm& comm, bool yes, QObject* parent)
    : CPortJob(parent), m_bYes(yes), m_Timers(this, [this](int id) { m_Exchange.OnTimer(id); }),
      m_Exchange(comm, m_Timers, ExchangeHost(), this) {
    connect(&comm, &CMSComm::OnComm, &m_Exchange, &CDownloadExchange::OnComm);
    connect(&m_Exchange, &CDownloadExchange::AckCountChanged, this,
            [this](int acks) { emit Progress(acks, kBlockCount); });
}

void CFlashJob::Start() {
    m_Exchange.Reset();
    emit Progress(0, kBlockCount);
    m_Exchange.Start();
}

// As when the window's download panel is left: the download ends where it is, and the module is
// told nothing more.
void CFlashJob::Interrupt() {
    m_bInterrupted = true;
    m_Exchange.EndOnLeave();
    StopExchange();
    End(kExitInterrupted, kInterruptedNote);
}

void CFlashJob::StopExchange() {
    m_Exchange.Cancel();
}

CDownloadExchange::CHost CFlashJob::ExchangeHost() {
    CDownloadExchange::CHost host;
    host.programLoaded = [] { return true; };
    host.ask = [this](const QString& question) -> std::optional<bool> {
        if (!m_bYes) {
            // The exchange goes back to idle on this answer; the command ends after it.
            QMetaObject::invokeMethod(
                this,
                [this, question] {
                    End(kExitUsage, question + QStringLiteral(" — not confirmed: add --yes"));
                },
                Qt::QueuedConnection);
        }
        return m_bYes;
    };
    host.tell = [this](const QString& message) { OnTold(message); };
    return host;
}

void CFlashJob::OnTold(const QString& message) {
    if (m_bInterrupted)
        return;
    if (message == kDownloadDone)
        End(kExitOk, message);
    else if (message == QLatin1String(CommPortErrorText()))
        End(kExitPort, message);
    else
        End(kExitFailed, message);
}
