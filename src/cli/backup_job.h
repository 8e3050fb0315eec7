#pragma once
// The backup of one module: the user list (取用户信息), then each listed user's feature value
// (取用户特征值上传), each saved as DIR/N.fea, the name batch storage reads back. Every step is
// one exchange of the test console's own.
#include "console_job.h"

#include <vector>

class CBackupJob : public CConsoleJob {
    Q_OBJECT
public:
    CBackupJob(CMSComm& comm, QString folder, QObject* parent = nullptr);

protected:
    void OnLastReply(const CReplyOutcome& reply) override;

private:
    void OnUserList(const CReplyOutcome& reply);
    void UploadNext();

    QString m_strFolder;
    std::vector<uint16_t> m_users;
    size_t m_nNext = 0;
};
