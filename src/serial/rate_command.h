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

struct CRateReplyCheck {
    bool lengthWrong = false; // not 8 bytes: "通信失败!"
    bool isRateReply = false; // byte 1 is 0x21; nothing more is looked at otherwise
    bool confirmed = false;   // and byte 4 is a rate index 1..5: the PC follows
};

// The collected answer; bytes beyond it are never read.
CRateReplyCheck CheckRateReply(const QByteArray& reply);
