#include "noise_stream.h"

#include "sim_packets.h"
#include "sim_random.h"

#include <algorithm>

namespace sim {

namespace {
constexpr int kBlockBytes = 65536;
// A slow stream is written in steps this far apart: far shorter than any pause a host takes
// for the end of a reply.
constexpr qint64 kStepMs = 5;
} // namespace

CNoiseStream::CNoiseStream(int bytesPerSecond, uint64_t seed) : m_nRate(bytesPerSecond) {
    if (!IsEnabled())
        return;
    CSimRandom random(MixSeed(seed, 0x5354524D)); // "STRM"
    while (m_block.size() < kBlockBytes) {
        const uint8_t b = random.NextByte();
        if (b != kMark)
            m_block.append(char(b));
    }
}

void CNoiseStream::Begin(qint64 nowMs) {
    if (IsEnabled() && !IsRunning())
        m_nStartMs = nowMs;
}

QByteArray CNoiseStream::Due(qint64 nowMs) const {
    if (!IsRunning())
        return QByteArray();
    const qint64 offset = m_nSent % m_block.size();
    qint64 count = m_block.size() - offset;
    if (m_nRate > 0)
        count = std::min(count, (nowMs - m_nStartMs) * m_nRate / 1000 - m_nSent);
    return count > 0 ? m_block.mid(offset, count) : QByteArray();
}

qint64 CNoiseStream::NextDueAt() const {
    if (!IsRunning())
        return -1;
    if (m_nRate == 0)
        return m_nStartMs;
    // When a step's worth more is owed (one byte at least).
    const qint64 owed = m_nSent + std::max<qint64>(1, m_nRate * kStepMs / 1000);
    return m_nStartMs + (owed * 1000 + m_nRate - 1) / m_nRate;
}

} // namespace sim
