#include "output_queue.h"

#include <algorithm>

namespace sim {

void COutputQueue::Add(const QByteArray& bytes, qint64 nowMs, int splitMs, int chunkBytes,
                       int bitsPerSecond, int latencyMs) {
    if (bytes.isEmpty())
        return;
    // A reply never overtakes the pause or the line time of the one before it.
    const qint64 start = m_pieces.empty() ? nowMs : std::max(nowMs, m_pieces.back().dueMs);
    if (splitMs < 0 || bytes.size() < 2) {
        AddChunks(bytes, start, chunkBytes, bitsPerSecond, latencyMs);
        return;
    }
    const int half = int(bytes.size() / 2);
    AddChunks(bytes.left(half), start, chunkBytes, bitsPerSecond, latencyMs);
    AddChunks(bytes.mid(half), m_pieces.back().dueMs + splitMs, chunkBytes, bitsPerSecond,
              latencyMs);
}

void COutputQueue::AddChunks(const QByteArray& bytes, qint64 startMs, int chunkBytes,
                             int bitsPerSecond, int latencyMs) {
    if (chunkBytes <= 0 || bitsPerSecond <= 0) {
        m_pieces.push_back({bytes, startMs});
        return;
    }
    // Due times count from the start, so rounding never adds up over a long reply.
    for (qsizetype at = 0; at < bytes.size(); at += chunkBytes) {
        const qint64 crossed = std::min<qint64>(at + chunkBytes, bytes.size());
        const qint64 wireMs = (crossed * 10 * 1000 + bitsPerSecond - 1) / bitsPerSecond;
        const bool partial = crossed - at < chunkBytes;
        m_pieces.push_back(
            {bytes.mid(at, chunkBytes), startMs + wireMs + (partial ? latencyMs : 0)});
    }
}

QByteArray COutputQueue::Due(qint64 nowMs) const {
    if (m_pieces.empty() || m_pieces.front().dueMs > nowMs)
        return QByteArray();
    return m_pieces.front().bytes;
}

void COutputQueue::Written(int n) {
    if (m_pieces.empty() || n <= 0)
        return;
    QByteArray& front = m_pieces.front().bytes;
    front.remove(0, n);
    if (front.isEmpty())
        m_pieces.pop_front();
}

qint64 COutputQueue::NextDueAt() const {
    return m_pieces.empty() ? -1 : m_pieces.front().dueMs;
}

int COutputQueue::PendingBytes() const {
    int total = 0;
    for (const CPiece& piece : m_pieces)
        total += int(piece.bytes.size());
    return total;
}

} // namespace sim
