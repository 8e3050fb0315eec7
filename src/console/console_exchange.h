#pragma once
// The test console's exchange without any window: a command built from the front end's choices
// into the transmit packet of its port's session, written, its reply collected by the session's
// receive cycle and read into the status text, then the steps that follow a reply (the batch
// store's next item, the enrolment's next capture). The test panel and morvane-cli each own one
// and show what it reports.
#include "batch_exchange.h"
#include "enrolment_sequence.h"

#include "protocol/command_catalogue.h"
#include "protocol/reply_texts.h"
#include "serial/port_session.h"

#include <QByteArray>
#include <QObject>
#include <QString>
#include <functional>

class CConsoleExchange : public QObject {
    Q_OBJECT
public:
    // The reply collection: timer 1 every 50 ms, RThreshold 9000 while a reply comes in.
    static constexpr int kReplyPeriodMs = 50;
    static constexpr int kHoldThreshold = 9000;

    // What the exchange needs from its front end; a front end sets what it takes part in, and
    // the rest does nothing (no command of its own is then ever sent).
    struct CHost {
        // The front end's own command is checked, its feature file(s) loaded and its packet
        // built in the transmit packet; false when nothing is to be sent (the front end has told
        // why).
        std::function<bool()> prepareCommand = [] { return false; };
        // Rebuilds the packet from the front end's choices, with the enrolment's first step set
        // or cleared (the command byte an enrolment step left in the packet stays for it).
        std::function<void(bool enrolFirstStep)> rebuild = [](bool) {};
        // Read once a capture succeeded.
        std::function<CEnrolmentOptions()> enrolmentOptions = [] { return CEnrolmentOptions(); };
        std::function<void(const QString& message)> tell = [](const QString&) {}; // OK message
        std::function<void()> sent = [] {}; // a transmission went out; no reply to it yet
        // The front end's own send of its command (an enrolment's next capture goes this way,
        // as if the user had pressed "发送命令"); it ends with OnSendCommand.
        std::function<void()> sendOwnCommand = [] {};
        // A reply has been read: first what it brings (dump, image), then, after a batch
        // refusal was told, its status text (and the user-number increment it asks for).
        std::function<void(const QByteArray& bytes, const CReplyOutcome& reply)> showReply =
            [](const QByteArray&, const CReplyOutcome&) {};
        std::function<void(const CReplyOutcome& reply)> showStatus = [](const CReplyOutcome&) {};
        // The batch and enrolment steps have run; the receive count goes back to 0 after this.
        std::function<void(const QByteArray& bytes, const CReplyOutcome& reply)> replyDone =
            [](const QByteArray&, const CReplyOutcome&) {};
    };

    // Replies on the session are collected with the values above.
    CConsoleExchange(CPortSession& session, CHost host, QObject* parent = nullptr);

    CBatchExchange& Batch() { return m_Batch; }
    const CBatchExchange& Batch() const { return m_Batch; }

    // The packet of the chosen operation into bytes 0..11 of the transmit packet and its length
    // (the previous command byte is byte 1); the feature bytes from 12 on stay. Returns what
    // was built: the fields to enable and whether a feature file must be loaded.
    CBuildResult BuildInto(CBuildInputs inputs);
    // The refusal of a first enrolment step or a feature store whose user number or privilege
    // is 0, by the packet built; empty when it may go. An enrolment that uploads its feature
    // value needs neither.
    QString UserCheckRefusal(bool uploadFeature) const;
    // Whether the packet built is one that UserCheckRefusal looks at.
    bool NeedsUserCheck() const;

    // Sends the current batch item while a batch runs, else the front end's command.
    void SendCommand();
    // The user's own send: a batch under way ends first.
    void OnSendCommand();
    // Frames and writes the transmission in the transmit packet (its length in bytes); false
    // when it could not reach the port (told, and a batch under way ends).
    bool WriteTransmission();

    // When a reply cut at the collection limit is handed on (at once unless told otherwise).
    void SetCutReply(ECutReply cutReply) { m_ReplyCycle.SetCutReply(cutReply); }
    // A reply the session collected; the front end has read its choices into the options.
    void InterpretReply(const QByteArray& bytes, CReplyOptions options);
    // Collection ends without an interpretation.
    void StopReplyCollection();
    // The device went away: collecting stops and a batch under way ends.
    void OnPortLost();

signals:
    // A transmission could not reach the port (after the front end was told "Comm port error!").
    void WriteFailed();

private:
    CEnrolmentSequence::CHost EnrolmentHost();
    CBatchExchange::CHost BatchHost();

    CPortSession& m_Session;
    CHost m_host;
    CReceiveCycle& m_ReplyCycle;
    CEnrolmentSequence m_Enrolment;
    CBatchExchange m_Batch;
};
