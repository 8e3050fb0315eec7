#pragma once
// A serial line at a set rate between the host and morvane-sim. A pseudo-terminal carries bytes
// as fast as they are written, so a 92 KB image would reach the host in a few milliseconds
// instead of 8 s; the line sits between the two and lets each byte through, in each direction,
// only once its 10 bits would have crossed a real line. The host opens DevicePath() instead of
// the simulator's device.
#include <QString>

#include <atomic>
#include <thread>

class CPacedLine {
public:
    CPacedLine(const QString& simDevice, int bitsPerSecond);
    ~CPacedLine();
    CPacedLine(const CPacedLine&) = delete;
    CPacedLine& operator=(const CPacedLine&) = delete;

    bool IsOpen() const { return m_nHostMaster >= 0 && m_nSim >= 0; }
    const QString& DevicePath() const { return m_strDevice; }

private:
    void Run();

    double m_dByteSeconds;
    int m_nSim = -1;        // the simulator's device
    int m_nHostMaster = -1; // our pty, whose other end the host opens
    int m_nHostKeeper = -1; // that other end held open, so the master never reads a hang-up
    QString m_strDevice;
    std::atomic<bool> m_bStop{false};
    std::thread m_thread;
};
