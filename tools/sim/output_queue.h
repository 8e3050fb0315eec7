#pragma once
// What the module still has to write, as pieces that are due at given times: a reply goes out
// whole, or in two halves with a pause between them. Pieces keep their order.
#include <QByteArray>
#include <deque>

namespace sim {

class COutputQueue {
public:
    // splitMs < 0: one piece due now; otherwise two halves, the second splitMs later.
    void Add(const QByteArray& bytes, qint64 nowMs, int splitMs);
    bool Empty() const { return m_pieces.empty(); }
    // Bytes that may be written now (the rest of the first due piece); empty when none is due.
    QByteArray Due(qint64 nowMs) const;
    // n bytes of Due() have been written.
    void Written(int n);
    // When the next piece falls due; -1 when the queue is empty.
    qint64 NextDueAt() const;
    int PendingBytes() const;
    void Clear() { m_pieces.clear(); }

private:
    struct CPiece {
        QByteArray bytes;
        qint64 dueMs;
    };
    std::deque<CPiece> m_pieces;
};

} // namespace sim
