#pragma once
// Incremental parser of what the host writes. In command mode it yields command packets (with the
// data packet of the commands that carry one); in download mode it yields 4100-byte program
// blocks. Bytes that fit no frame come out as garbage. A frame that stops short is held until the
// line has been quiet for kQuietMs and then comes out as truncated.
#include <QByteArray>
#include <cstdint>

namespace sim {

enum class EFrameKind {
    Garbage,        // bytes that fit no frame
    Command,        // a command packet, with the payload of its data packet if it has one
    BadData,        // a command whose data packet has a wrong head, tail, check or size
    TruncatedData,  // a command whose data packet stopped short
    Block,          // a 4100-byte download block; goodBlock tells whether marks and check hold
    TruncatedBlock, // a download block that stopped short
};

struct CFrame {
    EFrameKind kind = EFrameKind::Garbage;
    QByteArray bytes; // everything the frame consumed, as received
    uint8_t command = 0;
    uint8_t p1 = 0;
    uint8_t p2 = 0;
    uint8_t p3 = 0;
    QByteArray payload; // data packet payload, or the 4096 image bytes of a block
    int blockIndex = -1;
    bool goodBlock = false;
};

constexpr int kBlockFrameSize = 4100; // F5, index, 4096 bytes, check, F5
constexpr int kBlockDataSize = 4096;

class CFrameReader {
public:
    static constexpr qint64 kQuietMs = 500;

    void Append(const QByteArray& bytes, qint64 nowMs);
    // The next complete frame of the buffered bytes; false when more bytes are needed.
    bool TakeFrame(CFrame& frame);
    // Once the line has been quiet for kQuietMs, the unfinished rest as a frame.
    bool TakeStale(qint64 nowMs, CFrame& frame);
    // When TakeStale will have something to give; -1 while nothing is pending.
    qint64 StaleAt() const;

    void SetDownloadMode(bool on) { m_bDownload = on; }
    bool DownloadMode() const { return m_bDownload; }
    int PendingBytes() const { return int(m_pending.size()); }

private:
    int CommandStart() const;
    bool TakeCommand(CFrame& frame);
    bool TakeBlock(CFrame& frame);
    void TakeGarbage(int n, CFrame& frame);
    void Consume(int n, EFrameKind kind, CFrame& frame);

    QByteArray m_pending;
    qint64 m_nLastByteMs = 0;
    bool m_bDownload = false;
};

} // namespace sim
