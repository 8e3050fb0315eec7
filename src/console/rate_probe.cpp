#include "rate_probe.h"

#include "protocol/command_codes.h"
#include "protocol/packets.h"
#include "serial/rate_table.h"

namespace {
constexpr int kCheckedBytes = 5;                       // bytes 1..5, whose XOR byte 6 carries
constexpr int kExchangeBytes = 2 * kCommandPacketSize; // the command and its answer
} // namespace

bool AnswersUserCount(const QByteArray& reply) {
    const auto* bytes = reinterpret_cast<const uint8_t*>(reply.constData());
    return reply.size() == kCommandPacketSize && bytes[0] == kPacketMark &&
           bytes[kCommandPacketSize - 1] == kPacketMark && bytes[1] == ModuleCommand::kUserCount &&
           XorBytes(bytes + 1, kCheckedBytes) == bytes[kCommandPacketSize - 2];
}

CRateProbe::CRateProbe(CPortSession& session, CConsoleExchange& console, QObject* parent)
    : QObject(parent), m_Session(session), m_Console(console) {
    connect(&console, &CConsoleExchange::ReplyDone, this,
            [this](const QByteArray& bytes, const CReplyOutcome&) { OnReplyDone(bytes); });
    connect(&session, &CPortSession::Ticked, this, &CRateProbe::OnTick);
}

int CRateProbe::WaitMs(int rateIndex) {
    return LineTimeMs(rateIndex, kExchangeBytes) + 1 +
           kWaitPeriods * CConsoleExchange::kReplyPeriodMs;
}

void CRateProbe::Start() {
    m_nRateBefore = m_Session.BaudIndex();
    TryRate(kRateCount);
}

void CRateProbe::Stop() {
    if (IsRunning())
        Finish(0);
}

void CRateProbe::TryRate(int rateIndex) {
    m_nRateIndex = rateIndex;
    m_Session.ApplyBaudRate(rateIndex);
    emit Trying(rateIndex);
    m_Session.Timers().Start(kTimerId, WaitMs(rateIndex));
    m_Console.SendBareCommand(ModuleCommand::kUserCount, 0, 0, 0);
}

// A reply at the wrong rate is noise; the next rate is tried at once.
void CRateProbe::OnReplyDone(const QByteArray& bytes) {
    if (!IsRunning())
        return;
    if (AnswersUserCount(bytes))
        Finish(m_nRateIndex);
    else if (m_nRateIndex > 1)
        TryRate(m_nRateIndex - 1);
    else
        Finish(0);
}

// No answer began in time; one that has begun is waited for.
void CRateProbe::OnTick(int id) {
    if (id != kTimerId || !IsRunning())
        return;
    m_Session.Timers().Stop(kTimerId);
    if (m_Session.Timers().IsRunning(CReceiveCycle::kTimerId))
        return;
    if (m_nRateIndex > 1)
        TryRate(m_nRateIndex - 1);
    else
        Finish(0);
}

void CRateProbe::Finish(int rateIndex) {
    m_Session.Timers().Stop(kTimerId);
    m_nRateIndex = 0;
    if (rateIndex == 0)
        m_Session.ApplyBaudRate(m_nRateBefore);
    emit Finished(rateIndex);
}
