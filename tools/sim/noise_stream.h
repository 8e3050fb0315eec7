#pragma once
// The endless answer of --stream: from the first frame the module receives, noise (never the
// frame mark 0xF5) without end, at a steady rate without pauses, or as fast as the device takes
// it, as a USB device that ignores the line rate can send.
#include <QByteArray>
#include <cstdint>

namespace sim {

class CNoiseStream {
public:
    // bytesPerSecond < 0: no stream; 0: as fast as the device takes the bytes.
    CNoiseStream(int bytesPerSecond, uint64_t seed);

    bool IsEnabled() const { return m_nRate >= 0; }
    bool IsRunning() const { return m_nStartMs >= 0; }
    // Starts the stream (once; later calls change nothing).
    void Begin(qint64 nowMs);
    // The bytes that may be written now; empty when none are due.
    QByteArray Due(qint64 nowMs) const;
    // n bytes of Due() have been written.
    void Written(qint64 n) { m_nSent += n; }
    // When the next bytes fall due (at once for the fast stream); -1 when not running.
    qint64 NextDueAt() const;

private:
    int m_nRate;
    QByteArray m_block; // the noise, sent over and over
    qint64 m_nStartMs = -1;
    qint64 m_nSent = 0;
};

} // namespace sim
