#pragma once
// A console command on one port through the test console's own exchange: the packet is built
// from the plan, sent, and every reply goes through the exchange's steps (an enrolment's next
// capture, a batch's next item). The command ends with the first reply after which nothing more
// was sent; its status text is the result.
#include "console_plan.h"
#include "port_job.h"

#include "console/console_exchange.h"

class CConsoleJob : public CPortJob {
    Q_OBJECT
public:
    CConsoleJob(CPortSession& session, CConsolePlan plan, bool storeFolder,
                QObject* parent = nullptr);

    void Start() override;
    int LongestReply() const override;

protected:
    void OnReply(const QByteArray& reply) override;
    void StopExchange() override;
    QString LeftBehind() const override;

private:
    void OnReplyRead(const CReplyOutcome& reply);
    bool SkippedExisting(const CReplyOutcome& reply) const;
    // A reply ended the command (nothing more was sent after it).
    void OnLastReply(const CReplyOutcome& reply);
    // Saves what the plan asks for; false with the job ended when it could not be written.
    bool SaveReply();
    // store-folder: "操作成功", and how many users were passed over.
    QString FolderResultText(const QString& status, bool succeeded) const;
    void ConnectConsole();
    int BatchFileCount() const;
    void UseBatch(int index);
    bool StoreNextBatch();

    CConsolePlan m_plan;
    bool m_bStoreFolder;
    int m_nBatchStart = 0; // store-folder: the first file of the batch under way
    bool m_bSentSinceReply = false;
    QString m_strMessage; // a batch refusal or a failed write, as the window's box tells it
    QString m_strFault;   // the first reply that does not answer what was sent, or not whole
    uint8_t m_nSentCommand = 0;
    uint32_t m_nUserInFlight = 0; // store-folder: the user of the item sent last
    int m_nStored = 0;            // store-folder: the stores the module confirmed
    int m_nSkipped = 0;           // store-folder: users the module held already (--skip-existing)
    QByteArray m_LastReply;       // the reply being read
    CConsoleExchange& m_Console;  // owned by the session
};
