#pragma once
// The test console's exchange without any window: a command built from the front end's choices
// into the transmit packet of its port's session, written, its reply collected by the session's
// receive cycle, handed over as a value and read into the status text, then the steps that
// follow a reply (the batch store's next item, the enrolment's next capture, the backup's next
// upload). The session of the test panel's port, and of a morvane-cli console or backup command,
// owns one; the front end gives it plain inputs and shows what it reports.
#include "batch_exchange.h"
#include "enrolment_sequence.h"
#include "user_backup.h"

#include "protocol/command_catalogue.h"
#include "protocol/reply_texts.h"
#include "serial/port_session.h"

#include <QByteArray>
#include <QObject>
#include <QString>

// What the front end has chosen, as plain values: given with every build, and again before each
// reply is read and each own send goes out, so that a step the exchange takes by itself (an
// enrolment's next capture) uses the choices shown at that moment.
struct CCommandInputs {
    CBuildInputs build;          // the operation and its parameters
    CEnrolmentOptions enrolment; // "采集两次" and "特征值上传"
    QString featurePath;         // the feature file (and its second) that a feature command sends
    CReplyOptions reply;         // the user-number increments after an enrolment or a store
};

class CConsoleExchange : public CPortExchange {
    Q_OBJECT
public:
    // The reply collection: timer 1 every 50 ms, RThreshold 9000 while a reply comes in.
    static constexpr int kReplyPeriodMs = 50;
    static constexpr int kHoldThreshold = 9000;

    // Replies on the session are collected with the values above. Created by the session
    // (CPortSession::CreateExchange<CConsoleExchange>()).
    explicit CConsoleExchange(CPortSession& session);

    CBatchExchange& Batch() { return m_Batch; }
    const CBatchExchange& Batch() const { return m_Batch; }
    // The backup of the module's users: each reply goes on to it once read, the session's timers
    // 3 and 4 pace it, and its packets go out through WriteTransmission.
    CUserBackup& Backup() { return m_Backup; }

    // The choices from now on, without a build.
    void SetInputs(const CCommandInputs& inputs) { m_inputs = inputs; }
    // The packet of the chosen operation into bytes 0..11 of the transmit packet and its length
    // (the previous command byte is byte 1); the feature bytes from 12 on stay. Reports it by
    // CommandBuilt and returns it: the fields to enable and whether a feature file must be
    // loaded before it is sent.
    CBuildResult Build(const CCommandInputs& inputs);
    // A bare command packet of the front end's own, sent as it stands (no feature file).
    void SendBareCommand(uint8_t command, uint8_t p1, uint8_t p2, uint8_t p3);
    // The refusal of a first enrolment step or a feature store whose user number or privilege
    // is 0, by the packet built; empty when it may go. An enrolment that uploads its feature
    // value needs neither.
    QString UserCheckRefusal(bool uploadFeature) const;
    // Whether the packet built is one that UserCheckRefusal looks at.
    bool NeedsUserCheck() const;

    // Sends the current batch item while a batch runs, else the command built, once it passes
    // the user checks and its feature file(s) are loaded (Refused tells why it did not).
    void SendCommand();
    // The user's own send: a batch under way ends first.
    void OnSendCommand();
    // Frames and writes the transmission in the transmit packet (its length in bytes); false
    // when it could not reach the port (told, and a batch under way ends).
    bool WriteTransmission();

    // When a reply cut at the collection limit is handed on (at once unless told otherwise).
    void SetCutReply(ECutReply cutReply) { m_ReplyCycle.SetCutReply(cutReply); }
    // A reply the session collected, read with the choices given last (the front end gives them
    // on the session's ReplyCollected, just before).
    void OnReply(const QByteArray& bytes) override;
    // A tick of the session's timers: the backup's own.
    void OnTimer(int id) override;
    // From now on replies send nothing by themselves: a batch under way ends and no enrolment
    // step goes out (a front end that found a reply to another command, or one that only
    // writes its own packets).
    void StopFollowUps();
    // Collection ends without an interpretation.
    void StopReplyCollection();
    // The device went away, or the port closes under the front end: collecting stops, a batch
    // under way ends, and so does a backup, with what it has written.
    void OnPortLost();

signals:
    // A packet was built, by the front end's Build or by a step of the exchange (with the
    // enrolment's first step now set or cleared).
    void CommandBuilt(const CBuildResult& built, bool enrolFirstStep);
    // The command was not sent: a user number or privilege of 0, or a feature file that could
    // not be loaded.
    void Refused(const QString& message);
    // An OK message: a batch store the module refused, or "Comm port error!".
    void Told(const QString& message);
    // A transmission went out; no reply to it yet.
    void Sent();
    // A backup's packet is in the transmit packet and about to go out (a batch under way has
    // ended).
    void BackupSending();
    // A reply has been read: first what it brings (dump, image), then, after a batch refusal
    // was told, its status text (and the user-number increment it asks for), then, once the
    // batch and enrolment steps have run, that it is done.
    void ReplyRead(const QByteArray& bytes, const CReplyOutcome& reply);
    void StatusRead(const CReplyOutcome& reply);
    // The status text of StatusRead alone, for the field that shows it.
    void ResultText(const QString& text);
    void ReplyDone(const QByteArray& bytes, const CReplyOutcome& reply);
    // A transmission could not reach the port (after Told "Comm port error!").
    void WriteFailed();

private:
    void ConnectSteps();
    void TakeEnrolmentStep(const CEnrolmentStep& step);
    void SendEnrolmentStep(uint8_t command);
    void SendBatchItem();
    void SendBackupCommand();
    CBuildResult Rebuild(bool enrolFirstStep);
    bool PrepareCommand();

    CPortSession& m_Session;
    CCommandInputs m_inputs;
    bool m_bNeedFeatureFile = false; // the packet built carries a feature value still to load
    bool m_bFollowUpsStopped = false;
    CReceiveCycle& m_ReplyCycle;
    CBatchExchange m_Batch;
    CUserBackup m_Backup;
};
