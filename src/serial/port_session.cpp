#include "port_session.h"

#include "comm_log.h"
#include "port_operations.h"

#include "protocol/buffers.h"

#include <algorithm>
#include <cstring>

CPortSession::CPortSession(QObject* parent) : CPortSession(CreateSerialBackend(), parent) {}

CPortSession::CPortSession(std::unique_ptr<CSerialBackend> backend, QObject* parent)
    : QObject(parent), m_Comm(std::move(backend), this),
      m_Timers(this, [this](int id) { OnTimer(id); }) {
    connect(&m_Comm, &CMSComm::OnComm, this, &CPortSession::OnComm);
    connect(&m_Comm, &CMSComm::PortLost, this, &CPortSession::PortLost);
}

CPortSession::~CPortSession() = default;

CReceiveCycle& CPortSession::CollectReplies(int periodMs, int holdThreshold, int limit,
                                            EWhenFull whenFull) {
    m_pReplyCycle =
        std::make_unique<CReceiveCycle>(m_Comm, m_Timers, periodMs, holdThreshold, limit, whenFull);
    return *m_pReplyCycle;
}

void CPortSession::ApplyBaudRate(int baudIndex) {
    m_nBaudIndex = baudIndex;
    ::ApplyBaudRate(m_Comm, baudIndex);
}

bool CPortSession::WriteTx(int count, int pieceSize) {
    return WriteBytes(m_Comm, m_TxBuffer, count, pieceSize);
}

void CPortSession::OnComm() {
    if (m_pReplyCycle) {
        m_pReplyCycle->OnComm();
        return;
    }
    if (m_pExchange)
        m_pExchange->OnComm();
    emit CommReceived();
}

void CPortSession::HandOverReply(const QByteArray& reply) {
    emit ReplyCollected(reply);
    if (m_pExchange)
        m_pExchange->OnReply(reply);
}

void CPortSession::OnTimer(int id) {
    if (m_pReplyCycle && m_pReplyCycle->OnTimer(id))
        HandOverReply(m_pReplyCycle->Reply());
    if (m_pExchange)
        m_pExchange->OnTimer(id);
    emit Ticked(id);
}

CReceiveCycle::CReceiveCycle(CMSComm& comm, CPanelTimers& timers, int periodMs, int holdThreshold,
                             int limit, EWhenFull whenFull)
    : m_comm(comm), m_timers(timers), m_nPeriodMs(periodMs), m_nHoldThreshold(holdThreshold),
      m_nLimit(limit), m_whenFull(whenFull), m_RxBuffer(new uint8_t[kRxBufferSize]()) {}

CReceiveCycle::~CReceiveCycle() = default;

QByteArray CReceiveCycle::Reply() const {
    return QByteArray(reinterpret_cast<const char*>(m_RxBuffer.get()), m_nRxCount);
}

int CReceiveCycle::Append(const uint8_t* bytes, int n) {
    const int start = std::clamp(m_nRxCount, 0, kRxBufferSize);
    const int stored = std::clamp(n, 0, kRxBufferSize - start);
    if (stored > 0)
        std::memcpy(m_RxBuffer.get() + start, bytes, static_cast<size_t>(stored));
    m_nRxCount = start + stored;
    return stored;
}

void CReceiveCycle::OnComm() {
    OnReceiveEvent(m_comm, m_timers, m_nHoldThreshold, kTimerId, m_nPeriodMs);
}

bool CReceiveCycle::OnTimer(int id) {
    if (id != kTimerId)
        return false;
    if (m_bDropping)
        return OnDroppingTick();
    if (m_whenFull == EWhenFull::StartOver && kRxBufferSize - m_nRxCount < m_comm.InputLen())
        m_nRxCount = 0;
    m_comm.SetRThreshold(1);
    const QByteArray bytes = m_comm.Input();
    Append(reinterpret_cast<const uint8_t*>(bytes.constData()), static_cast<int>(bytes.size()));
    if (!bytes.isEmpty() && m_nRxCount < m_nLimit)
        return false;
    if (bytes.isEmpty()) {
        EndCollection();
        return true;
    }
    // Cut at the limit: no reply is longer, so what follows is dropped until the line is quiet.
    m_bDropping = true;
    m_comm.SetRThreshold(m_nHoldThreshold);
    m_bHoldingCutReply = m_cutReply == ECutReply::WhenLineQuiet;
    if (m_bHoldingCutReply)
        return false;
    if (g_pCommLog)
        g_pCommLog->EndExchange();
    return true;
}

// One read a tick, as while collecting: a line that never stops is read at that pace and waits
// in the device meanwhile, so nothing grows however fast it sends.
bool CReceiveCycle::OnDroppingTick() {
    if (!m_comm.Input().isEmpty())
        return false;
    const bool handOn = m_bHoldingCutReply;
    EndCollection();
    return handOn;
}

void CReceiveCycle::EndCollection() {
    Stop();
    if (g_pCommLog)
        g_pCommLog->EndExchange();
}

void CReceiveCycle::Stop() {
    m_bDropping = false;
    m_bHoldingCutReply = false;
    m_timers.Stop(kTimerId);
    m_comm.SetRThreshold(1);
}
