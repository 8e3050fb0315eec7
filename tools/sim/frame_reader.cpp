#include "frame_reader.h"

#include "module_commands.h"
#include "sim_packets.h"

namespace sim {

namespace {
void ReadHeader(const QByteArray& bytes, CFrame& frame) {
    frame.command = Byte(bytes, 1);
    frame.p1 = Byte(bytes, 2);
    frame.p2 = Byte(bytes, 3);
    frame.p3 = Byte(bytes, 4);
}

bool IsGoodBlock(const QByteArray& block) {
    return Byte(block, 0) == kMark && Byte(block, kBlockFrameSize - 1) == kMark &&
           XorOf(block.constData() + 1, kBlockDataSize + 1) == Byte(block, kBlockFrameSize - 2);
}
} // namespace

void CFrameReader::Append(const QByteArray& bytes, qint64 nowMs) {
    if (bytes.isEmpty())
        return;
    m_pending.append(bytes);
    m_nLastByteMs = nowMs;
}

bool CFrameReader::TakeFrame(CFrame& frame) {
    return m_bDownload ? TakeBlock(frame) : TakeCommand(frame);
}

// First position that may start a command packet: an F5 that either begins a valid packet or
// has fewer than 8 bytes behind it so far. The size of the buffer when there is none.
int CFrameReader::CommandStart() const {
    const int size = int(m_pending.size());
    for (int i = 0; i < size; ++i) {
        if (Byte(m_pending, i) != kMark)
            continue;
        if (size - i < kPacketSize || IsCommandPacketAt(m_pending, i))
            return i;
    }
    return size;
}

bool CFrameReader::TakeCommand(CFrame& frame) {
    if (m_pending.isEmpty())
        return false;
    const int start = CommandStart();
    if (start > 0) {
        TakeGarbage(start, frame);
        return true;
    }
    if (m_pending.size() < kPacketSize)
        return false;
    const uint8_t command = Byte(m_pending, 1);
    if (!CarriesData(command)) {
        Consume(kPacketSize, EFrameKind::Command, frame);
        return true;
    }
    const int payloadSize = Byte(m_pending, 2) * 256 + Byte(m_pending, 3);
    if (payloadSize > kMaxPayloadSize) {
        Consume(kPacketSize, EFrameKind::BadData, frame);
        return true;
    }
    const int total = kPacketSize + payloadSize + kDataOverhead;
    if (m_pending.size() < total)
        return false;
    const int check = total - 2;
    const bool good =
        Byte(m_pending, kPacketSize) == kMark && Byte(m_pending, total - 1) == kMark &&
        XorOf(m_pending.constData() + kPacketSize + 1, payloadSize) == Byte(m_pending, check);
    const QByteArray payload = m_pending.mid(kPacketSize + 1, payloadSize);
    Consume(total, good ? EFrameKind::Command : EFrameKind::BadData, frame);
    if (good)
        frame.payload = payload;
    return true;
}

bool CFrameReader::TakeBlock(CFrame& frame) {
    if (m_pending.isEmpty())
        return false;
    const int start = int(m_pending.indexOf(char(kMark)));
    if (start != 0) {
        TakeGarbage(start < 0 ? int(m_pending.size()) : start, frame);
        return true;
    }
    if (m_pending.size() < kBlockFrameSize)
        return false;
    const bool good = IsGoodBlock(m_pending);
    const int index = Byte(m_pending, 1);
    const QByteArray data = m_pending.mid(2, kBlockDataSize);
    Consume(kBlockFrameSize, EFrameKind::Block, frame);
    frame.blockIndex = index;
    frame.goodBlock = good;
    frame.payload = data;
    return true;
}

bool CFrameReader::TakeStale(qint64 nowMs, CFrame& frame) {
    if (m_pending.isEmpty() || nowMs - m_nLastByteMs < kQuietMs)
        return false;
    if (TakeFrame(frame))
        return true;
    if (m_bDownload) {
        // A command packet followed by silence is the host talking commands again (it gave the
        // download up, or repeats its handshake), not the start of a block.
        if (IsCommandPacketAt(m_pending, 0)) {
            Consume(kPacketSize, EFrameKind::Command, frame);
            return true;
        }
        const int index = m_pending.size() > 1 ? Byte(m_pending, 1) : -1;
        Consume(int(m_pending.size()), EFrameKind::TruncatedBlock, frame);
        frame.blockIndex = index;
        return true;
    }
    // What TakeFrame leaves is a command whose data packet is incomplete, or a lone start.
    const bool command = IsCommandPacketAt(m_pending, 0);
    Consume(int(m_pending.size()), command ? EFrameKind::TruncatedData : EFrameKind::Garbage,
            frame);
    return true;
}

qint64 CFrameReader::StaleAt() const {
    return m_pending.isEmpty() ? -1 : m_nLastByteMs + kQuietMs;
}

void CFrameReader::TakeGarbage(int n, CFrame& frame) {
    Consume(n, EFrameKind::Garbage, frame);
}

void CFrameReader::Consume(int n, EFrameKind kind, CFrame& frame) {
    frame = CFrame();
    frame.kind = kind;
    frame.bytes = m_pending.left(n);
    const bool command = kind == EFrameKind::Command || kind == EFrameKind::BadData ||
                         kind == EFrameKind::TruncatedData;
    if (command)
        ReadHeader(frame.bytes, frame);
    m_pending.remove(0, n);
}

} // namespace sim
