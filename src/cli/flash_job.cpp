#include "flash_job.h"

#include "reply_check.h"
#include "reply_data.h"

#include "download/download_frames.h"
#include "download/download_texts.h"
#include "protocol/command_codes.h"
#include "serial/port_session.h"

#include <QMetaObject>

using namespace DownloadTexts;

// The session's timer 1 takes the replies, timer 2 paces the packets; back to idle, the port keeps
// the rate of --rate.
CFlashJob::CFlashJob(CPortSession& session, CFlashOptions options, QObject* parent)
    : CPortJob(session, parent), m_options(std::move(options)),
      m_pDownload(&session.CreateExchange<CDownloadExchange>()) {
    m_pDownload->SetProgramLoaded(true); // loaded for every port before any starts
    // What the window's boxes tell comes as Ended here.
    connect(m_pDownload, &CDownloadExchange::Asked, this, &CFlashJob::OnAsked);
    connect(m_pDownload, &CDownloadExchange::WentIdle, this,
            [this] { Session().ApplyBaudRate(Session().BaudIndex()); });
    connect(m_pDownload, &CDownloadExchange::Ended, this, &CFlashJob::OnEnded);
    connect(m_pDownload, &CDownloadExchange::AckCountChanged, this, [this](int acks) {
        m_nBlockReached = acks;
        emit ReplyEnded();
        emit Progress(acks, kBlockCount);
    });
    m_versionWait.setSingleShot(true);
    connect(&m_versionWait, &QTimer::timeout, this, [this] {
        EndWithVersion(std::nullopt, QStringLiteral("no answer to 取脱机模块版本"));
    });
}

CFlashJob::~CFlashJob() = default;

void CFlashJob::Start() {
    m_pDownload->Reset();
    emit Progress(0, kBlockCount);
    m_pDownload->Start();
}

// As when the window's download panel is left: the download ends where it is, and the module is
// told nothing more.
void CFlashJob::Interrupt(int code) {
    if (m_pDownload)
        m_pDownload->EndOnLeave();
    CPortJob::Interrupt(code);
}

void CFlashJob::StopExchange() {
    m_versionWait.stop();
    if (m_pVersion)
        m_pVersion->OnPortLost();
    else
        m_pDownload->Cancel();
}

// The window's own text, the block the download had reached (as its progress showed it), and
// what that means for the module.
QString CFlashJob::LeftBehind() const {
    if (m_pVersion)
        return kDownloadDone + QStringLiteral(" — the module's version was not read");
    const QString where = m_nBlockReached > 0
                              ? QStringLiteral("at block %1 of %2").arg(m_nBlockReached)
                              : QStringLiteral("before block 1 of %1");
    return kDownloadInterrupted + QLatin1Char(' ') + where.arg(kBlockCount) +
           QStringLiteral(": the module waits for a new download; flash it again");
}

// --yes answers every question; without it the command ends as not confirmed, once the
// exchange has gone back to idle on the answer.
void CFlashJob::OnAsked(const QString& question) {
    if (!m_options.yes) {
        QMetaObject::invokeMethod(
            this,
            [this, question] {
                Fail(EJobFailure::Refused,
                     question + QStringLiteral(" — not confirmed: add --yes"));
            },
            Qt::QueuedConnection);
    }
    m_pDownload->Answer(m_options.yes);
}

void CFlashJob::OnEnded(EDownloadEnd end) {
    switch (end) {
    case EDownloadEnd::Completed:
        // Once the exchange has gone back to idle.
        QMetaObject::invokeMethod(this, &CFlashJob::AskVersion, Qt::QueuedConnection);
        break;
    case EDownloadEnd::PastLastBlock:
        End(kExitFailed, kDownloadFailed);
        break;
    case EDownloadEnd::WriteFailed:
        Fail(EJobFailure::PortLost);
        break;
    }
}

// The test console's exchange takes the port's place of the download's, which is over; its
// version command goes out and its replies come by the console's receive cycle from now on.
void CFlashJob::AskVersion() {
    if (HasEnded())
        return;
    m_pDownload = nullptr;
    m_pVersion = &Session().CreateExchange<CConsoleExchange>();
    connect(m_pVersion, &CConsoleExchange::StatusRead, this, &CFlashJob::OnVersionRead);
    connect(m_pVersion, &CConsoleExchange::WriteFailed, this,
            [this] { Fail(EJobFailure::PortLost); });
    CBuildInputs version;
    version.operation = OperationIndex(EOperation::Version);
    m_pVersion->Build({version, {}, {}, CReplyOptions()});
    m_versionWait.start(m_options.versionWaitMs);
    m_pVersion->OnSendCommand();
}

// The session's version exchange reads it right after.
void CFlashJob::OnReply(const QByteArray& reply) {
    m_VersionReply = reply;
}

void CFlashJob::OnVersionRead(const CReplyOutcome& reply) {
    m_versionWait.stop();
    const auto* bytes = reinterpret_cast<const uint8_t*>(m_VersionReply.constData());
    const int count = static_cast<int>(m_VersionReply.size());
    const QString fault = ReplyFault(ModuleCommand::kVersion, bytes, count);
    if (!fault.isEmpty() || reply.resultCode != 0) {
        EndWithVersion(std::nullopt, fault.isEmpty() ? reply.status : fault);
        return;
    }
    EndWithVersion(ReplyData(bytes, count).value(QStringLiteral("version")).toString(),
                   reply.status);
}

// "已成功完成下载! 版本号: …"; a version other than the one expected, or none, fails.
void CFlashJob::EndWithVersion(const std::optional<QString>& version, const QString& shown) {
    QJsonObject data;
    if (version)
        data.insert(QStringLiteral("version"), *version);
    QString text = kDownloadDone + QLatin1Char(' ') + shown;
    const bool expected = !m_options.expectVersion || version == m_options.expectVersion;
    if (!expected)
        text += QStringLiteral(" — not the expected version %1").arg(*m_options.expectVersion);
    End(expected ? kExitOk : kExitFailed, text, data);
}
