#pragma once
// What the module still has to write, as pieces that are due at given times: a reply goes out
// whole, or in two halves with a pause between them, and either way may be cut into chunks that
// are each due once their bytes have crossed the line. Pieces keep their order.
#include <QByteArray>
#include <deque>

namespace sim {

class COutputQueue {
public:
    // splitMs < 0: one piece due now; otherwise two halves, the second splitMs later.
    // chunkBytes > 0: each of those in chunks of that size, each due when its last byte has
    // crossed a line of bitsPerSecond (10 bits a byte); the pause follows the first half's end.
    // A last chunk shorter than chunkBytes is held latencyMs more, as an adapter holds a packet
    // that is not full until its latency timer runs out.
    void Add(const QByteArray& bytes, qint64 nowMs, int splitMs, int chunkBytes = 0,
             int bitsPerSecond = 0, int latencyMs = 0);
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
    void AddChunks(const QByteArray& bytes, qint64 startMs, int chunkBytes, int bitsPerSecond,
                   int latencyMs);

    struct CPiece {
        QByteArray bytes;
        qint64 dueMs;
    };
    std::deque<CPiece> m_pieces;
};

} // namespace sim
