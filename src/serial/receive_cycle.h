#pragma once
// CReceiveCycle: how a port's session collects a module reply for the settings and test panels
// and their morvane-cli counterparts. The receive event raises RThreshold to the hold value, so
// no further event arrives while the reply comes in, and starts timer 1. Each tick sets
// RThreshold back to 1 and appends one read to the cycle's own receive buffer m_RxBuffer at
// m_nRxCount. The first tick that reads nothing, or that brings m_nRxCount to the limit, ends the
// reply: its first m_nRxCount bytes. The buffer is not cleared between replies.
// Timer 1 keeps its pace however fast bytes arrive: a receive event while it runs does not start
// its period over. What arrives after a reply cut at the limit is read and dropped, never
// stored, until a tick finds the line quiet.
#include <QByteArray>
#include <cstdint>
#include <memory>

class CMSComm;
class CPanelTimers;

// What a tick does when the next read might not fit behind m_nRxCount any more.
enum class EWhenFull {
    DropExtra, // read anyway; bytes beyond the buffer are dropped
    StartOver, // collect again from the front of the buffer
};

// When a reply cut at the limit is handed on.
enum class ECutReply {
    AtTheLimit,   // at the tick that reaches the limit (the panels show what arrived by then)
    WhenLineQuiet // at the tick that finds the line quiet after it; a line that never goes
                  // quiet never hands it on (morvane-cli then reports that the module kept
                  // sending)
};

class CReceiveCycle {
public:
    static constexpr int kTimerId = 1;

    CReceiveCycle(CMSComm& comm, CPanelTimers& timers, int periodMs, int holdThreshold, int limit,
                  EWhenFull whenFull = EWhenFull::DropExtra);
    ~CReceiveCycle();

    void SetCutReply(ECutReply cutReply) { m_cutReply = cutReply; }

    // The OnComm event of the panel's control.
    void OnComm();
    // A tick of the panel's timer id. True when it ended a reply: the reply is Reply(), and
    // timer 1 is stopped unless the reply was cut at the
    // limit (it then runs on to drop what follows). Ticks of other timers are not part of the
    // cycle and return false.
    bool OnTimer(int id);
    // Ends a collection without a reply: timer 1 stops and RThreshold is back at 1.
    void Stop();
    // Bytes after a reply cut at the limit are being dropped.
    bool IsDropping() const { return m_bDropping; }

    // The bytes collected for the current reply, as a value.
    QByteArray Reply() const;
    // The receive buffer as it stands: the current reply from offset 0, then whatever earlier,
    // longer replies left (kRxBufferSize bytes).
    const uint8_t* RxBuffer() const { return m_RxBuffer.get(); }
    int RxCount() const { return m_nRxCount; }
    // The next reply is collected from the front again: a transmission went out, or a reply
    // has been read.
    void ResetRxCount() { m_nRxCount = 0; }
    // Appends up to n bytes at m_nRxCount and advances it. Bytes beyond the buffer's room are
    // dropped; returns how many were stored.
    int Append(const uint8_t* bytes, int n);

private:
    bool OnDroppingTick();
    void EndCollection();

    CMSComm& m_comm;
    CPanelTimers& m_timers;
    int m_nPeriodMs;
    int m_nHoldThreshold;
    int m_nLimit;
    EWhenFull m_whenFull;
    ECutReply m_cutReply = ECutReply::AtTheLimit;
    bool m_bDropping = false;
    bool m_bHoldingCutReply = false; // WhenLineQuiet: a cut reply waits for the quiet tick
    std::unique_ptr<uint8_t[]> m_RxBuffer;
    int32_t m_nRxCount = 0;
};
