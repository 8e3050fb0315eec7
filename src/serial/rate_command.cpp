#include "rate_command.h"

#include "port_operations.h"
#include "rate_table.h"

#include "protocol/buffers.h"
#include "protocol/command_codes.h"
#include "protocol/packets.h"

namespace {
constexpr int kReplyCommandOffset = 1;
constexpr int kReplyResultOffset = 4;
} // namespace

bool SendRateCommand(CMSComm& comm, uint8_t rate) {
    FillCommandPacket(ModuleCommand::kSetRate, 0x00, 0x00, rate);
    g_nRxCount = 0;
    return WriteBytes(comm, g_TxBuffer, kCommandPacketSize);
}

CRateReplyCheck CheckRateReply(const uint8_t* reply, int count) {
    CRateReplyCheck check;
    check.lengthWrong = count != kCommandPacketSize;
    check.isRateReply =
        count > kReplyCommandOffset && reply[kReplyCommandOffset] == ModuleCommand::kSetRate;
    const uint8_t result = count > kReplyResultOffset ? reply[kReplyResultOffset] : 0;
    check.confirmed = check.isRateReply && result >= 1 && result <= kRateCount;
    return check;
}
