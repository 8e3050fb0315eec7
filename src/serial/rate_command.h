#pragma once
// The module rate command (0x21) and the check of its answer: the settings panel sends it and so
// does morvane-cli. The answer is collected by the receive cycle with the values below.
#include <cstdint>

class CMSComm;

constexpr int kRateReplyPeriodMs = 100;
constexpr int kRateHoldThreshold = 9000;
constexpr int kRateCollectLimit = 12288;

// F5 21 00 00 r 00 check F5 into g_TxBuffer, the receive count back to 0, and the 8 bytes
// written; false when they could not reach the port.
bool SendRateCommand(CMSComm& comm, uint8_t rate);

struct CRateReplyCheck {
    bool lengthWrong = false; // not 8 bytes: "通信失败!"
    bool isRateReply = false; // byte 1 is 0x21; nothing more is looked at otherwise
    bool confirmed = false;   // and byte 4 is a rate index 1..5: the PC follows
};

// The collected answer (count bytes); bytes beyond the count are never read.
CRateReplyCheck CheckRateReply(const uint8_t* reply, int count);
