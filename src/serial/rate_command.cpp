#include "rate_command.h"

#include "port_session.h"
#include "rate_table.h"

#include "protocol/command_codes.h"
#include "protocol/packets.h"

namespace {
constexpr int kReplyCommandOffset = 1;
constexpr int kReplyResultOffset = 4;
} // namespace

bool SendRateCommand(CPortSession& session, uint8_t rate) {
    FillCommandPacket(session.TxBuffer(), ModuleCommand::kSetRate, 0x00, 0x00, rate);
    if (CReceiveCycle* cycle = session.ReplyCycle())
        cycle->ResetRxCount();
    return session.WriteTx(kCommandPacketSize);
}

CRateVerdict JudgeRateReply(const QByteArray& bytes) {
    const auto* reply = reinterpret_cast<const uint8_t*>(bytes.constData());
    const int count = static_cast<int>(bytes.size());
    const bool isRateReply =
        count > kReplyCommandOffset && reply[kReplyCommandOffset] == ModuleCommand::kSetRate;
    const uint8_t result = count > kReplyResultOffset ? reply[kReplyResultOffset] : 0;
    CRateVerdict verdict;
    verdict.follow = isRateReply && result >= 1 && result <= kRateCount;
    verdict.failedMessages =
        (count != kCommandPacketSize ? 1 : 0) + (isRateReply && !verdict.follow ? 1 : 0);
    return verdict;
}

CRateExchange::CRateExchange(CPortSession& session, EWhenFull whenFull, ECutReply cutReply)
    : m_Session(session),
      m_ReplyCycle(session.CollectReplies(kRateReplyPeriodMs, kRateHoldThreshold, kRateCollectLimit,
                                          whenFull)) {
    m_ReplyCycle.SetCutReply(cutReply);
}

bool CRateExchange::Send(uint8_t rate) {
    m_bAnswerAwaited = SendRateCommand(m_Session, rate);
    return m_bAnswerAwaited;
}

void CRateExchange::Stop() {
    StopCollecting();
    m_bAnswerAwaited = false;
}

void CRateExchange::OnReply(const QByteArray& reply) {
    const bool asked = m_bAnswerAwaited;
    m_bAnswerAwaited = false;
    emit Answered(JudgeRateReply(reply), asked);
}
