#include "backup_job.h"

#include "protocol/command_codes.h"
#include "protocol/payloads.h"

// The session's exchange collects the replies on timer 1 and hands each to the backup, which its
// timers 3 and 4 pace.
CBackupJob::CBackupJob(CPortSession& session, QString folder, bool overwrite, QObject* parent)
    : CPortJob(session, parent), m_strFolder(std::move(folder)), m_bOverwrite(overwrite),
      m_Console(session.CreateExchange<CConsoleExchange>()), m_Backup(m_Console.Backup()) {
    m_Console.SetCutReply(ECutReply::WhenLineQuiet); // as the console job takes it
    // Only the backup sends: the console's own command and steps never go out here, and a failed
    // write is reported by the backup's send.
    m_Console.StopFollowUps();
    connect(&m_Backup, &CUserBackup::Progress, this, [this](unsigned total, unsigned current) {
        emit Progress(static_cast<int>(current), static_cast<int>(total));
    });
    connect(&m_Backup, &CUserBackup::Finished, this, &CBackupJob::OnFinished);
    connect(&m_Backup, &CUserBackup::Asked, this, [this] { m_Backup.Answer(m_bOverwrite); });
}

void CBackupJob::Start() {
    if (!m_Backup.Start(m_strFolder))
        Fail(EJobFailure::PortLost);
}

int CBackupJob::LongestReply() const {
    return LongestReplyLength(ModuleCommand::kUserList);
}

// The command ends for another reason (silence, Ctrl+C, the port gone): the backup stops with
// what it has written, and that reason is the result.
void CBackupJob::StopExchange() {
    m_bStopped = true;
    m_Console.OnPortLost();
    m_Backup.Stop();
}

// The backup's own closing text: how many files it wrote where, and how many users it did not
// reach.
QString CBackupJob::LeftBehind() const {
    return m_strStoppedReport;
}

void CBackupJob::OnFinished(const CUserBackup::CReport& report) {
    if (m_bStopped) {
        m_strStoppedReport = CUserBackup::ReportText(report);
        return;
    }
    const bool complete = report.listFailure.isEmpty() && report.failures.isEmpty();
    End(complete ? kExitOk : kExitFailed, CUserBackup::ReportText(report),
        {{QStringLiteral("folder"), report.folder},
         {QStringLiteral("listed"), report.listed},
         {QStringLiteral("written"), report.written},
         {QStringLiteral("kept"), report.kept},
         {QStringLiteral("failed"), static_cast<int>(report.failures.size())}});
}
