#include "flash_job.h"

#include "download/download_frames.h"
#include "download/download_texts.h"
#include "serial/port_operations.h"
#include "serial/port_session.h"

#include <QMetaObject>

using namespace DownloadTexts;

// The session's timer 1 takes the replies, timer 2 paces the packets; back to idle, the port keeps
// the rate of --rate.
CFlashJob::CFlashJob(CPortSession& session, bool yes, QObject* parent)
    : CPortJob(session, parent), m_bYes(yes), m_Exchange(session, ExchangeHost(), this) {
    connect(&m_Exchange, &CDownloadExchange::WentIdle, this,
            [this] { Session().ApplyBaudRate(Session().BaudIndex()); });
    connect(&m_Exchange, &CDownloadExchange::AckCountChanged, this, [this](int acks) {
        m_nBlockReached = acks;
        emit ReplyEnded();
        emit Progress(acks, kBlockCount);
    });
}

void CFlashJob::Start() {
    m_Exchange.Reset();
    emit Progress(0, kBlockCount);
    m_Exchange.Start();
}

// As when the window's download panel is left: the download ends where it is, and the module is
// told nothing more.
void CFlashJob::Interrupt(int code) {
    m_bInterrupted = true;
    m_Exchange.EndOnLeave();
    CPortJob::Interrupt(code);
}

void CFlashJob::StopExchange() {
    m_Exchange.Cancel();
}

// The window's own text, the block the download had reached (as its progress showed it), and
// what that means for the module.
QString CFlashJob::LeftBehind() const {
    const QString where = m_nBlockReached > 0
                              ? QStringLiteral("at block %1 of %2").arg(m_nBlockReached)
                              : QStringLiteral("before block 1 of %1");
    return kDownloadInterrupted + QLatin1Char(' ') + where.arg(kBlockCount) +
           QStringLiteral(": the module waits for a new download; flash it again");
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

// Here the exchange says "下载已中断!" or "Comm port error!" only when a packet could not be
// written to the port: the device has gone.
void CFlashJob::OnTold(const QString& message) {
    if (m_bInterrupted)
        return;
    if (message == kDownloadDone)
        End(kExitOk, message);
    else if (message == kDownloadInterrupted || message == QLatin1String(CommPortErrorText()))
        OnPortLost();
    else
        End(kExitFailed, message);
}
