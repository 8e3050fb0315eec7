#include "receive_cycle.h"

#include "comm_log.h"
#include "mscomm.h"
#include "shared_settings.h"

#include "panel_timers.h"
#include "protocol/buffers.h"

namespace {
// Index 0, left by a rate change the module confirmed while no module rate was selected, is in
// no rate list; it becomes 1, so the next hand-over opens the port at 9,600 bit/s.
void MendZeroRateIndex() {
    if (g_nBaudIndex == 0)
        g_nBaudIndex = 1;
}
} // namespace

CReceiveCycle::CReceiveCycle(CMSComm& comm, CPanelTimers& timers, int periodMs, int holdThreshold,
                             int limit, EWhenFull whenFull)
    : m_comm(comm), m_timers(timers), m_nPeriodMs(periodMs), m_nHoldThreshold(holdThreshold),
      m_nLimit(limit), m_whenFull(whenFull) {}

void CReceiveCycle::OnComm() {
    const short event = m_comm.CommEvent();
    MendZeroRateIndex();
    if (event != kCommEventReceive)
        return;
    m_comm.SetRThreshold(m_nHoldThreshold);
    m_timers.Start(kTimerId, m_nPeriodMs);
}

bool CReceiveCycle::OnTimer(int id) {
    if (id != kTimerId)
        return false;
    if (m_whenFull == EWhenFull::StartOver && kRxBufferSize - g_nRxCount < m_comm.InputLen())
        g_nRxCount = 0;
    m_comm.SetRThreshold(1);
    const QByteArray bytes = m_comm.Input();
    AppendToRxBuffer(reinterpret_cast<const uint8_t*>(bytes.constData()),
                     static_cast<int>(bytes.size()));
    if (!bytes.isEmpty() && g_nRxCount < m_nLimit)
        return false;
    m_timers.Stop(kTimerId);
    if (g_pCommLog)
        g_pCommLog->EndExchange();
    return true;
}

void CReceiveCycle::Stop() {
    m_timers.Stop(kTimerId);
    m_comm.SetRThreshold(1);
}
