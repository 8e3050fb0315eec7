#pragma once
// CReceiveCycle: how the settings and test panels collect a module reply. The receive event
// raises RThreshold to the panel's hold value, so no further event arrives while the reply comes
// in, and starts timer 1 of the panel. Each tick sets RThreshold back to 1 and appends one read
// to g_RxBuffer at g_nRxCount. The first tick that reads nothing, or that brings g_nRxCount to
// the panel's limit, ends the reply; the panel then interprets the first g_nRxCount bytes.
// Timer 1 keeps its pace however fast bytes arrive: a receive event while it runs does not start
// its period over. What arrives after a reply cut at the limit is read and dropped, never
// stored, until a tick finds the line quiet.
class CMSComm;
class CPanelTimers;

// What a tick does when the next read might not fit behind g_nRxCount any more.
enum class EWhenFull {
    DropExtra, // read anyway; bytes beyond g_RxBuffer are dropped
    StartOver, // collect again from the front of g_RxBuffer
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

    void SetCutReply(ECutReply cutReply) { m_cutReply = cutReply; }

    // The OnComm event of the panel's control.
    void OnComm();
    // A tick of the panel's timer id. True when it ended a reply: the reply is the first
    // g_nRxCount bytes of g_RxBuffer, and timer 1 is stopped unless the reply was cut at the
    // limit (it then runs on to drop what follows). Ticks of other timers are not part of the
    // cycle and return false.
    bool OnTimer(int id);
    // Ends a collection without a reply: timer 1 stops and RThreshold is back at 1.
    void Stop();
    // Bytes after a reply cut at the limit are being dropped.
    bool IsDropping() const { return m_bDropping; }

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
};
