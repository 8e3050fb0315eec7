#include "flash_job.h"

#include "download/download_frames.h"
#include "download/download_texts.h"
#include "serial/port_session.h"

#include <QMetaObject>

using namespace DownloadTexts;

// The session's timer 1 takes the replies, timer 2 paces the packets; back to idle, the port keeps
// the rate of --rate.
CFlashJob::CFlashJob(CPortSession& session, bool yes, QObject* parent)
    : CPortJob(session, parent), m_bYes(yes),
      m_Exchange(session.CreateExchange<CDownloadExchange>()) {
    m_Exchange.SetProgramLoaded(true); // loaded for every port before any starts
    // What the window's boxes tell comes as Ended here.
    connect(&m_Exchange, &CDownloadExchange::Asked, this, &CFlashJob::OnAsked);
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

// --yes answers every question; without it the command ends as not confirmed, once the
// exchange has gone back to idle on the answer.
void CFlashJob::OnAsked(const QString& question) {
    if (!m_bYes) {
        QMetaObject::invokeMethod(
            this,
            [this, question] {
                Fail(EJobFailure::Refused,
                     question + QStringLiteral(" — not confirmed: add --yes"));
            },
            Qt::QueuedConnection);
    }
    m_Exchange.Answer(m_bYes);
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
