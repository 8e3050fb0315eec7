#pragma once
// The backup of one module through the window's own backup exchange: the user list, then each
// user's feature value as DIR/N.fea, the name batch storage reads back. Its commands go out
// through the test console's write and its replies come in through the console's receive cycle,
// as on the test panel.
#include "port_job.h"

#include "console/console_exchange.h"
#include "console/user_backup.h"

class CBackupJob : public CPortJob {
    Q_OBJECT
public:
    // `overwrite`: files already in the folder are replaced (--yes); otherwise they are kept.
    CBackupJob(CPortSession& session, QString folder, bool overwrite, QObject* parent = nullptr);

    void Start() override;
    int LongestReply() const override; // the user list

protected:
    void StopExchange() override;
    QString LeftBehind() const override;

private:
    void OnFinished(const CUserBackup::CReport& report);

    QString m_strFolder;
    bool m_bOverwrite;
    bool m_bStopped = false;
    QString m_strStoppedReport;  // what the stopped backup wrote
    CConsoleExchange& m_Console; // owned by the session
    CUserBackup& m_Backup;
};
