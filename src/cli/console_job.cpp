#include "console_job.h"

#include "cli_texts.h"
#include "image_saver.h"
#include "reply_check.h"
#include "reply_data.h"

#include "console/batch_folder_scan.h"
#include "console/feature_files.h"
#include "protocol/command_codes.h"
#include "protocol/packets.h"
#include "protocol/payloads.h"
#include "serial/port_session.h"

#include <algorithm>

namespace {
const uint8_t* Bytes(const QByteArray& reply) {
    return reinterpret_cast<const uint8_t*>(reply.constData());
}
} // namespace

CConsoleJob::CConsoleJob(CPortSession& session, CConsolePlan plan, bool storeFolder,
                         QObject* parent)
    : CPortJob(session, parent), m_plan(std::move(plan)), m_bStoreFolder(storeFolder),
      m_Console(session.CreateExchange<CConsoleExchange>()) {
    // A reply that runs into the collection limit counts once the line is quiet after it; a
    // module that never stops sending is told by the port's runner.
    m_Console.SetCutReply(ECutReply::WhenLineQuiet);
    ConnectConsole();
}

// As the panel does: the packet of the chosen operation is built, then sent, or for a folder
// the first batch begins with its first item.
void CConsoleJob::Start() {
    CReplyOptions reply;
    reply.existingUserStored = m_plan.skipExistingUsers;
    m_Console.Build({m_plan.inputs, m_plan.enrolment, m_plan.featurePath, reply});
    if (!m_bStoreFolder) {
        m_Console.OnSendCommand();
        return;
    }
    UseBatch(0);
    emit Progress(1, BatchFileCount());
    m_Console.Batch().Begin();
}

int CConsoleJob::BatchFileCount() const {
    return static_cast<int>(m_plan.batchFiles.size());
}

// The batch of the plan that holds the files from m_nBatchStart on (the plan loaded them once
// for every port).
void CConsoleJob::UseBatch(int index) {
    if (index < static_cast<int>(m_plan.batches.size()))
        m_Console.Batch().Use(m_plan.batches[index]);
}

// store-folder is not held to the window's batch of kBatchCapacity files: once a batch is
// stored, the next one begins while files are left. False when none is left.
bool CConsoleJob::StoreNextBatch() {
    m_nBatchStart += static_cast<int>(m_Console.Batch().Total());
    if (m_nBatchStart >= BatchFileCount())
        return false;
    UseBatch(m_nBatchStart / kBatchCapacity);
    emit Progress(m_nBatchStart + 1, BatchFileCount());
    m_Console.Batch().Begin();
    return true;
}

// The session's exchange reads the reply right after.
void CConsoleJob::OnReply(const QByteArray& reply) {
    m_LastReply = reply;
}

// The command's own reply, or the feature value that the last capture of an enrolment uploads.
int CConsoleJob::LongestReply() const {
    const int longest = LongestReplyLength(BuildOperation(m_plan.inputs).command);
    return m_plan.enrolment.uploadFeature ? std::max(longest, kFeatureReplySize) : longest;
}

void CConsoleJob::StopExchange() {
    m_Console.OnPortLost();
}

// The exchange checks and loads before its command goes out, as on the panel; a refusal ends the
// command as a usage error with the panel's message. After a reply that answers something else,
// nothing more goes out by itself.
void CConsoleJob::ConnectConsole() {
    connect(&m_Console, &CConsoleExchange::Refused, this,
            [this](const QString& message) { Fail(EJobFailure::Refused, message); });
    connect(&m_Console, &CConsoleExchange::Told, this,
            [this](const QString& message) { m_strMessage = message; });
    connect(&m_Console, &CConsoleExchange::WriteFailed, this,
            [this] { Fail(EJobFailure::PortLost); });
    connect(&m_Console, &CConsoleExchange::Sent, this, [this] {
        m_bSentSinceReply = true;
        m_nSentCommand = Session().TxBuffer()[1];
        m_nUserInFlight = m_Console.Batch().CurrentUser();
    });
    connect(&m_Console, &CConsoleExchange::StatusRead, this, [this](const CReplyOutcome& reply) {
        m_bSentSinceReply = false;
        OnReplyRead(reply);
    });
    connect(&m_Console, &CConsoleExchange::ReplyDone, this,
            [this](const QByteArray&, const CReplyOutcome& reply) {
                if (!m_bSentSinceReply && !HasEnded())
                    OnLastReply(reply);
            });
    connect(&m_Console.Batch(), &CBatchExchange::Progress, this,
            [this](unsigned, unsigned current) {
                emit Progress(m_nBatchStart + static_cast<int>(current), BatchFileCount());
            });
}

// Each reply must answer the command just sent and arrive whole; the first that does not ends
// a batch (no next item goes out) and is the command's result.
void CConsoleJob::OnReplyRead(const CReplyOutcome& reply) {
    if (m_strFault.isEmpty())
        m_strFault = ReplyFault(m_nSentCommand, Bytes(m_LastReply), int(m_LastReply.size()));
    if (!m_strFault.isEmpty()) {
        m_Console.StopFollowUps();
        return;
    }
    const bool stored = m_bStoreFolder && reply.command == ModuleCommand::kStoreFeature;
    m_nStored += stored && reply.resultCode == 0 ? 1 : 0;
    m_nSkipped += SkippedExisting(reply) ? 1 : 0;
}

// With --skip-existing, a user the module holds already counts as stored.
bool CConsoleJob::SkippedExisting(const CReplyOutcome& reply) const {
    return m_bStoreFolder && m_plan.skipExistingUsers &&
           reply.command == ModuleCommand::kStoreFeature && reply.resultCode == kStoreUserExists;
}

QString CConsoleJob::LeftBehind() const {
    if (m_bStoreFolder) {
        QString text =
            CCliTexts::tr("已存储 %1 个用户，共 %2 个").arg(m_nStored).arg(BatchFileCount());
        if (m_nSkipped > 0)
            text += CCliTexts::tr("，%1 个原已存在").arg(m_nSkipped);
        if (m_bSentSinceReply)
            text += CCliTexts::tr("；用户 %1 的存储未得到确认").arg(m_nUserInFlight);
        return text;
    }
    if (m_plan.saved != ESavedReply::None)
        return CCliTexts::tr("没有写入 %1").arg(m_plan.outputPath);
    return QString();
}

void CConsoleJob::OnLastReply(const CReplyOutcome& reply) {
    QJsonObject data = ReplyData(Bytes(m_LastReply), int(m_LastReply.size()));
    if (!m_strFault.isEmpty()) {
        End(kExitFailed, m_strFault, data);
        return;
    }
    if (!m_strMessage.isEmpty())
        data.insert(QStringLiteral("message"), m_strMessage);
    if (m_bStoreFolder)
        data.insert(QStringLiteral("total"), BatchFileCount());
    const bool succeeded =
        (ReplySucceeded(Bytes(m_LastReply), int(m_LastReply.size())) || SkippedExisting(reply)) &&
        m_strMessage.isEmpty();
    if (m_bStoreFolder && succeeded && StoreNextBatch())
        return;
    if (m_bStoreFolder && m_plan.skipExistingUsers) {
        data.insert(QStringLiteral("skipped"), m_nSkipped);
        End(succeeded ? kExitOk : kExitFailed, FolderResultText(reply.status, succeeded), data);
        return;
    }
    if (succeeded && !SaveReply())
        return;
    if (succeeded && m_plan.saved != ESavedReply::None)
        data.insert(QStringLiteral("file"), m_plan.outputPath);
    End(succeeded ? kExitOk : kExitFailed, reply.status, data);
}

bool CConsoleJob::SaveReply() {
    QString failure;
    if (m_plan.saved == ESavedReply::Feature)
        failure = SaveFeatureValue(m_plan.outputPath,
                                   Session().ReplyCycle()->RxBuffer() + kFeatureOffset);
    else if (m_plan.saved == ESavedReply::Image)
        failure = SaveImageReply(m_plan.outputPath, m_LastReply);
    if (!failure.isEmpty())
        Fail(EJobFailure::Refused, failure);
    return failure.isEmpty();
}

QString CConsoleJob::FolderResultText(const QString& status, bool succeeded) const {
    const QString shown = succeeded ? StoreText(0) : status;
    return shown + CCliTexts::tr("（%1 个用户模块中已有，已跳过）").arg(m_nSkipped);
}
