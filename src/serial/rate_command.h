#pragma once
// The module rate command (0x21) and the check of its answer: the settings panel sends it and so
// does morvane-cli. The answer is collected by the receive cycle with the values below.
#include "port_exchange.h"
#include "port_session.h"

#include <QByteArray>
#include <cstdint>

constexpr int kRateReplyPeriodMs = 100;
constexpr int kRateHoldThreshold = 9000;
constexpr int kRateCollectLimit = 12288;

// F5 21 00 00 r 00 check F5 into the session's transmit packet, its receive count back to 0,
// and the 8 bytes written; false when they could not reach the port.
bool SendRateCommand(CPortSession& session, uint8_t rate);

// What the module's answer to the rate command means, for the settings panel and morvane-cli
// alike.
struct CRateVerdict {
    // "通信失败!" once for an answer that is not 8 bytes long, and once more for an answer to the
    // rate command (byte 1 is 0x21) whose byte 4 is no rate index 1..5.
    int failedMessages = 0;
    // An answer to the rate command with a rate index 1..5: the PC follows the module.
    bool follow = false;
    // The module took the new rate and the answer is whole.
    bool Succeeded() const { return follow && failedMessages == 0; }
};

// The collected answer; bytes beyond it are never read.
CRateVerdict JudgeRateReply(const QByteArray& reply);

// The rate change on one port: the command sent, the answer collected by the session's receive
// cycle, judged, and reported with whether it was asked for. The session of the settings panel's
// port, and of a morvane-cli rate command, owns one (CPortSession::CreateExchange).
class CRateExchange : public CPortExchange {
    Q_OBJECT
public:
    CRateExchange(CPortSession& session, EWhenFull whenFull, ECutReply cutReply);

    // Sends the rate command; false when it could not reach the port.
    bool Send(uint8_t rate);
    // Collecting ends (the port is gone); an answer still counts as asked for when it comes.
    void StopCollecting() { m_ReplyCycle.Stop(); }
    // Collecting ends and no answer is awaited any more (the port closes under the front end).
    void Stop();
    void OnReply(const QByteArray& reply) override;

signals:
    // An answer, or bytes nobody asked for (`asked` false), as the module sent them.
    void Answered(const CRateVerdict& verdict, bool asked);

private:
    CPortSession& m_Session;
    CReceiveCycle& m_ReplyCycle;
    bool m_bAnswerAwaited = false; // the rate command went out, no answer checked yet
};
