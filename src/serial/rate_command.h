#pragma once
// The module rate command (0x21) and the check of its answer: the settings panel sends it and so
// does morvane-cli. The answer is collected by the receive cycle with the values below.
#include <QByteArray>
#include <cstdint>

class CPortSession;

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
