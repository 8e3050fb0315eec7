#include "backup_job.h"

#include "reply_data.h"

#include "protocol/buffers.h"
#include "protocol/command_codes.h"
#include "protocol/payloads.h"

#include <QDir>
#include <QJsonArray>
#include <QMetaObject>

namespace {
CConsolePlan UserListPlan() {
    CConsolePlan plan;
    plan.inputs.operation = OperationIndex(EOperation::UserList);
    return plan;
}
} // namespace

CBackupJob::CBackupJob(CMSComm& comm, QString folder, QObject* parent)
    : CConsoleJob(comm, UserListPlan(), false, parent), m_strFolder(std::move(folder)) {}

void CBackupJob::OnLastReply(const CReplyOutcome& reply) {
    if (reply.command == ModuleCommand::kUserList) {
        OnUserList(reply);
        return;
    }
    if (!ReplySucceeded(g_RxBuffer, g_nRxCount) || !SaveReply()) {
        CConsoleJob::OnLastReply(reply); // the failed upload ends the backup
        return;
    }
    emit Progress(static_cast<int>(m_nNext), static_cast<int>(m_users.size()));
    // The next upload goes out once this reply has been dealt with.
    QMetaObject::invokeMethod(this, &CBackupJob::UploadNext, Qt::QueuedConnection);
}

void CBackupJob::OnUserList(const CReplyOutcome& reply) {
    if (!ReplySucceeded(g_RxBuffer, g_nRxCount)) {
        CConsoleJob::OnLastReply(reply);
        return;
    }
    const QJsonArray users =
        ReplyData(g_RxBuffer, g_nRxCount).value(QStringLiteral("users")).toArray();
    for (const QJsonValue& user : users)
        m_users.push_back(
            static_cast<uint16_t>(user.toObject().value(QStringLiteral("user")).toInt()));
    emit Progress(0, static_cast<int>(m_users.size()));
    UploadNext();
}

void CBackupJob::UploadNext() {
    if (m_nNext >= m_users.size()) {
        End(kExitOk, QStringLiteral("共取得%1个用户").arg(m_users.size()),
            {{QStringLiteral("folder"), m_strFolder},
             {QStringLiteral("saved"), static_cast<int>(m_users.size())}});
        return;
    }
    const uint16_t user = m_users[m_nNext++];
    CConsolePlan& plan = Plan();
    plan.inputs.operation = OperationIndex(EOperation::UploadUser);
    plan.inputs.param1 = static_cast<uint16_t>(user >> 8);
    plan.inputs.param2 = static_cast<uint16_t>(user & 0xFF);
    plan.saved = ESavedReply::Feature;
    plan.outputPath = QDir(m_strFolder).filePath(QStringLiteral("%1.fea").arg(user));
    Exchange().OnSendCommand();
}
