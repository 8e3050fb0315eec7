#include "output_queue.h"

#include <algorithm>

namespace sim {

void COutputQueue::Add(const QByteArray& bytes, qint64 nowMs, int splitMs) {
    if (bytes.isEmpty())
        return;
    // A reply never overtakes the pause of the one before it.
    const qint64 start = m_pieces.empty() ? nowMs : std::max(nowMs, m_pieces.back().dueMs);
    if (splitMs < 0 || bytes.size() < 2) {
        m_pieces.push_back({bytes, start});
        return;
    }
    const int half = int(bytes.size() / 2);
    m_pieces.push_back({bytes.left(half), start});
    m_pieces.push_back({bytes.mid(half), start + splitMs});
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
