#include "flash_job.h"

#include "download/download_frames.h"
#include "download/download_texts.h"
#include "serial/port_session.h"

#include <QMetaObject>

using namespace DownloadTexts;

// The session's timer 1 takes the replies, timer 2 paces the packets; back to idle, the port keeps
// the rate of --rate.
CFlashJob::CFlashJob(CPortSession& session, bool yes, QObject* parent)
    : CPortJob(session, parent), m_bYes(yes), m_Exchange(session, ExchangeHost(), this) {
    connect(&m_Exchange, &CDownloadExchange::WentIdle, this,
            [this] { Session().ApplyBaudRate(Session().BaudIndex()); });
    connect(&m_Exchange, &CDownloadExchange::Ended, this, &CFlashJob::OnEnded);
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
                    Fail(EJobFailure::Refused,
                         question + QStringLiteral(" — not confirmed: add --yes"));
                },
                Qt::QueuedConnection);
        }
        return m_bYes;
    };
    host.tell = [](const QString&) {}; // what the window's boxes say comes as Ended here
    return host;
}

void CFlashJob::OnEnded(EDownloadEnd end) {
    switch (end) {
    case EDownloadEnd::Completed:
        End(kExitOk, kDownloadDone);
        break;
    case EDownloadEnd::PastLastBlock:
        End(kExitFailed, kDownloadFailed);
        break;
    case EDownloadEnd::WriteFailed:
        Fail(EJobFailure::PortLost);
        break;
    }
}
