// Where the backup of the module's users and the batch folder choice meet the test panel: the
// commands, the folder choices, and the progress in the batch fields "总数" and "当前".
#include "module_test_panel.h"

#include "widgets/file_folders.h"
#include "widgets/prompts.h"

#include <QAction>
#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

// The backup commands' texts, translated as one context.
class CBackupCommandTexts {
    Q_DECLARE_TR_FUNCTIONS(CBackupCommandTexts)
};

void CModuleTestDlg::CreateBackupActions() {
    m_pBackupUsers = new QAction(CBackupCommandTexts::tr("备份用户到文件夹(&B)…"), this);
    m_pBackupUsers->setStatusTip(
        CBackupCommandTexts::tr("读取模块的用户列表，把每个用户的特征值存为“用户号.fea”"));
    m_pStopBackup = new QAction(CBackupCommandTexts::tr("停止备份(&P)"), this);
    m_pStopBackup->setEnabled(false);
    m_pBatchFolder = new QAction(CBackupCommandTexts::tr("批量存储文件夹(&F)…"), this);
    m_pBatchFolder->setStatusTip(CBackupCommandTexts::tr("选择批量存储读取特征值文件的文件夹"));
    connect(m_pBackupUsers, &QAction::triggered, this, &CModuleTestDlg::OnBackupUsers);
    connect(m_pStopBackup, &QAction::triggered, this, &CModuleTestDlg::OnStopBackup);
    connect(m_pBatchFolder, &QAction::triggered, this, &CModuleTestDlg::OnChooseBatchFolder);
    connect(&m_Backup, &CUserBackup::Progress, this, &CModuleTestDlg::ShowBackupProgress);
    connect(&m_Backup, &CUserBackup::Finished, this, &CModuleTestDlg::OnBackupFinished);
    connect(&m_Backup, &CUserBackup::Asked, this,
            [this](const QString& question) { m_Backup.Answer(AskUnlessOpen(this, question)); });
}

void CModuleTestDlg::OnBackupUsers() {
    if (m_Backup.IsRunning())
        return;
    const QString folder =
        ChooseFolder(this, CBackupCommandTexts::tr("备份用户到文件夹"), EFileKind::Backup);
    if (folder.isEmpty())
        return;
    if (!QFileInfo(folder).isDir() || !QFileInfo(folder).isWritable()) {
        ShowMessage(this,
                    CBackupCommandTexts::tr("无法写入 %1").arg(QDir::toNativeSeparators(folder)));
        return;
    }
    m_Backup.Start(folder);
    UpdateBackupActions();
}

// "备份用户到文件夹…" while no backup runs, "停止备份" while one does.
void CModuleTestDlg::UpdateBackupActions() {
    m_pBackupUsers->setEnabled(!m_Backup.IsRunning());
    m_pStopBackup->setEnabled(m_Backup.IsRunning());
}

void CModuleTestDlg::OnStopBackup() {
    m_Backup.Stop();
}

void CModuleTestDlg::OnChooseBatchFolder() {
    const QString folder =
        ChooseFolder(this, CBackupCommandTexts::tr("批量存储文件夹"), EFileKind::Batch);
    if (!folder.isEmpty())
        m_strBatchFolder = folder;
}

void CModuleTestDlg::ShowBackupProgress(unsigned total, unsigned current) {
    Pull();
    m_nBatchTotal = total;
    m_nBatchCurrent = current;
    Push();
}

// The panel's own command is built again in place of the backup's, and the user is told what
// was written, kept and failed.
void CModuleTestDlg::OnBackupFinished(const CUserBackup::CReport& report) {
    UpdateBackupActions();
    BuildCommand();
    ShowMessage(this, CUserBackup::ReportText(report));
}
