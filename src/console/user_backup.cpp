#include "user_backup.h"

#include "feature_files.h"

#include "protocol/command_codes.h"
#include "protocol/packets.h"
#include "protocol/payloads.h"
#include "serial/port_session.h"

#include <QDir>
#include <QFileInfo>

#include <QCoreApplication>
#include <utility>

// The backup's reports, translated as one context.
class CUserBackupTexts {
    Q_DECLARE_TR_FUNCTIONS(CUserBackupTexts)
};

namespace {
constexpr uint8_t kResultOk = 0x00;
constexpr uint8_t kResultNoUser = 0x05;
constexpr int kResultOffset = 4;
constexpr int kFailuresShown = 20; // the closing message lists at most these

enum class EUploadAnswer { Feature, Refusal, Garbled };

// A whole feature reply with its data packet intact, a bare refusal, or anything else.
EUploadAnswer ClassifyUpload(const uint8_t* reply, int count) {
    if (count == kCommandPacketSize && reply[1] == ModuleCommand::kUploadUser)
        return EUploadAnswer::Refusal;
    if (count == kFeatureReplySize && reply[1] == ModuleCommand::kUploadUser &&
        DataPacketIntact(reply, count))
        return EUploadAnswer::Feature;
    return EUploadAnswer::Garbled;
}
// A file, a folder or a link (dangling or not) has the name.
bool NameTaken(const QString& path) {
    const QFileInfo info(path);
    return info.exists() || info.isSymLink();
}
} // namespace

CUserBackup::CUserBackup(CPortSession& session, QObject* parent)
    : QObject(parent), m_Session(session), m_Timers(session.Timers()) {}

QString CUserBackup::UserFilePath(const QString& folder, uint32_t user) {
    return QDir(folder).filePath(QString::number(user) + QStringLiteral(".fea"));
}

std::vector<uint32_t> CUserBackup::ListedUsers(const uint8_t* reply, int count) {
    std::vector<uint32_t> users;
    for (const CUserEntry& user : DecodeUserList(reply, count))
        users.push_back(user.userNumber);
    return users;
}

bool CUserBackup::Start(const QString& folder) {
    if (IsRunning())
        return false;
    m_report = CReport();
    m_report.folder = folder;
    m_report.listed = -1;
    m_users.clear();
    m_nNext = 0;
    m_state = EState::Listing;
    if (SendCommandPacket(ModuleCommand::kUserList, 0, 0))
        return true;
    m_state = EState::Idle;
    return false;
}

void CUserBackup::OnReply(const QByteArray& bytes) {
    const auto* reply = reinterpret_cast<const uint8_t*>(bytes.constData());
    const int count = static_cast<int>(bytes.size());
    if (m_state == EState::Listing)
        OnUserList(reply, count);
    else if (m_state == EState::Uploading)
        OnUpload(reply, count);
}

void CUserBackup::OnUserList(const uint8_t* reply, int count) {
    if (count < kCommandPacketSize || reply[1] != ModuleCommand::kUserList ||
        reply[kResultOffset] != kResultOk) {
        m_report.listFailure = CUserBackupTexts::tr("读取用户列表失败");
        Finish(false);
        return;
    }
    const std::vector<uint32_t> listed = ListedUsers(reply, count);
    m_report.listed = int(listed.size());
    std::vector<bool> hasFile(listed.size());
    std::vector<uint32_t> existing;
    for (size_t i = 0; i < listed.size(); ++i) {
        hasFile[i] = NameTaken(UserFilePath(m_report.folder, listed[i]));
        if (hasFile[i])
            existing.push_back(listed[i]);
    }
    const bool keep = KeepExistingFiles(existing);
    for (size_t i = 0; i < listed.size(); ++i) {
        if (keep && hasFile[i])
            ++m_report.kept;
        else
            m_users.push_back(listed[i]);
    }
    m_state = EState::Uploading;
    UploadNext();
}

// Asked once for the whole folder: OK overwrites every file there, Cancel keeps them all.
bool CUserBackup::KeepExistingFiles(const std::vector<uint32_t>& existing) {
    if (existing.empty())
        return false;
    const QString example = QString::number(existing.front()) + QStringLiteral(".fea");
    m_answer.reset();
    emit Asked(CUserBackupTexts::tr("文件夹中已有 %1 个同名特征值文件（如 %2）。\n"
                                    "确定：全部覆盖；取消：保留这些文件，跳过这些用户。")
                   .arg(static_cast<int>(existing.size()))
                   .arg(example));
    return !std::exchange(m_answer, std::nullopt).value_or(false);
}

void CUserBackup::UploadNext() {
    if (m_nNext >= m_users.size()) {
        Finish(false);
        return;
    }
    m_bRetried = false;
    emit Progress(unsigned(m_users.size()), unsigned(m_nNext) + 1);
    SendUpload();
}

void CUserBackup::SendUpload() {
    const uint32_t user = m_users[m_nNext];
    if (!SendCommandPacket(ModuleCommand::kUploadUser, uint8_t(user >> 8), uint8_t(user & 0xFF))) {
        Finish(true);
        return;
    }
    m_Timers.Start(kAnswerTimer, kAnswerMs);
}

bool CUserBackup::SendCommandPacket(uint8_t command, uint8_t p1, uint8_t p2) {
    FillCommandPacket(m_Session.TxBuffer(), command, p1, p2, 0);
    m_Session.SetTxLength(kCommandPacketSize);
    m_bWritten = false;
    emit CommandReady();
    return std::exchange(m_bWritten, false);
}

void CUserBackup::OnUpload(const uint8_t* reply, int count) {
    if (m_bSettling) {
        Settle(); // a late piece: the line is not quiet yet
        return;
    }
    m_Timers.Stop(kAnswerTimer);
    const uint32_t user = m_users[m_nNext];
    switch (ClassifyUpload(reply, count)) {
    case EUploadAnswer::Feature: {
        const QString failure = SaveFeatureValue(UserFilePath(m_report.folder, user),
                                                 reply + kFeatureOffset, ELinkPolicy::Replace);
        if (failure.isEmpty())
            ++m_report.written;
        else
            m_report.failures.append({user, failure});
        break;
    }
    case EUploadAnswer::Refusal:
        m_report.failures.append({user, reply[kResultOffset] == kResultNoUser
                                            ? CUserBackupTexts::tr("无此用户")
                                            : CUserBackupTexts::tr("特征值上传失败")});
        break;
    case EUploadAnswer::Garbled:
        OnUploadFailed(CUserBackupTexts::tr("应答不完整"));
        return;
    }
    ++m_nNext;
    UploadNext();
}

// The first failure of a user asks again once the line is quiet; the second is noted, and the
// next user follows once the line is quiet.
void CUserBackup::OnUploadFailed(const QString& reason) {
    if (m_bRetried) {
        m_report.failures.append({m_users[m_nNext], reason});
        ++m_nNext;
        m_bRetried = false;
    } else {
        m_bRetried = true;
    }
    Settle();
}

void CUserBackup::Settle() {
    m_bSettling = true;
    m_Timers.Start(kSettleTimer, kSettleMs);
}

bool CUserBackup::OnTimer(int id) {
    if (id != kSettleTimer && id != kAnswerTimer)
        return false;
    m_Timers.Stop(id);
    if (!IsRunning())
        return true;
    if (id == kAnswerTimer) {
        OnUploadFailed(CUserBackupTexts::tr("模块无应答"));
        return true;
    }
    m_bSettling = false;
    if (m_bRetried)
        SendUpload();
    else
        UploadNext();
    return true;
}

void CUserBackup::Stop() {
    if (IsRunning())
        Finish(true);
}

void CUserBackup::Finish(bool stopped) {
    m_Timers.Stop(kSettleTimer);
    m_Timers.Stop(kAnswerTimer);
    m_bSettling = false;
    m_report.stopped = stopped;
    m_report.notReached = int(m_users.size() - qMin(m_nNext, m_users.size()));
    m_state = EState::Idle;
    emit Finished(m_report);
}

QString CUserBackup::ReportText(const CReport& report) {
    if (!report.listFailure.isEmpty())
        return CUserBackupTexts::tr("%1，未备份任何用户。").arg(report.listFailure);
    QString text =
        report.stopped ? CUserBackupTexts::tr("备份已停止。") : CUserBackupTexts::tr("备份完成。");
    if (report.listed >= 0)
        text += CUserBackupTexts::tr("模块共有 %1 个用户，").arg(report.listed);
    text += CUserBackupTexts::tr("已写入 %1 个特征值文件到 %2")
                .arg(report.written)
                .arg(QDir::toNativeSeparators(report.folder));
    if (report.kept > 0)
        text += CUserBackupTexts::tr("\n保留已有文件、跳过 %1 个用户。").arg(report.kept);
    if (report.notReached > 0)
        text += CUserBackupTexts::tr("\n尚未备份 %1 个用户。").arg(report.notReached);
    if (report.failures.isEmpty())
        return text;
    text += CUserBackupTexts::tr("\n以下 %1 个用户备份失败：").arg(report.failures.size());
    for (int i = 0; i < report.failures.size() && i < kFailuresShown; ++i)
        text += CUserBackupTexts::tr("\n用户 %1：%2")
                    .arg(report.failures[i].user)
                    .arg(report.failures[i].reason);
    if (report.failures.size() > kFailuresShown)
        text += CUserBackupTexts::tr("\n……另有 %1 个").arg(report.failures.size() - kFailuresShown);
    return text;
}
