#include "flash_job.h"

#include "cli_texts.h"
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
    connect(&m_versionWait, &QTimer::timeout, this,
            [this] { EndWithVersion(std::nullopt, CCliTexts::tr("模块没有应答取脱机模块版本")); });
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
        return CCliTexts::tr("%1 — 没有读到模块的版本").arg(Tr(kDownloadDone));
    const QString where = m_nBlockReached > 0
                              ? CCliTexts::tr("停在第 %1 块（共 %2 块）").arg(m_nBlockReached)
                              : CCliTexts::tr("停在第 1 块（共 %1 块）之前");
    return CCliTexts::tr("%1 %2：模块在等待新的下载，请重新下载")
        .arg(Tr(kDownloadInterrupted), where.arg(kBlockCount));
}

// --yes answers every question; without it the command ends as not confirmed, once the
// exchange has gone back to idle on the answer.
void CFlashJob::OnAsked(const QString& question) {
    if (!m_options.yes) {
        QMetaObject::invokeMethod(
            this,
            [this, question] {
                Fail(EJobFailure::Refused,
                     CCliTexts::tr("%1 — 未确认：请加上 --yes").arg(question));
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
        End(kExitFailed, Tr(kDownloadFailed));
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
    connect(m_pVersion, &CConsoleExchange::ReplyRead, this, &CFlashJob::OnVersionRead);
    connect(m_pVersion, &CConsoleExchange::WriteFailed, this,
            [this] { Fail(EJobFailure::PortLost); });
    CBuildInputs version;
    version.operation = OperationIndex(EOperation::Version);
    m_pVersion->Build({version, {}, {}, CReplyOptions()});
    m_versionWait.start(m_options.versionWaitMs);
    m_pVersion->OnSendCommand();
}

void CFlashJob::OnVersionRead(const QByteArray& versionReply, const CReplyOutcome& reply) {
    m_versionWait.stop();
    const auto* bytes = reinterpret_cast<const uint8_t*>(versionReply.constData());
    const int count = static_cast<int>(versionReply.size());
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
    QString text = Tr(kDownloadDone) + QLatin1Char(' ') + shown;
    const bool expected = !m_options.expectVersion || version == m_options.expectVersion;
    if (!expected)
        text += CCliTexts::tr(" — 不是预期的版本 %1").arg(*m_options.expectVersion);
    End(expected ? kExitOk : kExitFailed, text, data);
}
