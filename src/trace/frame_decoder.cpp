#include "frame_decoder.h"

#include "frame_texts.h"

#include "protocol/buffers.h"
#include "protocol/download_layout.h"
#include "protocol/packets.h"
#include "protocol/payloads.h"

namespace {
constexpr char kMark = char(kPacketMark);
constexpr int kSideLimit = kRxBufferSize; // the longest reply plus one read
constexpr int kStrayChunk = 4096;         // bytes of no frame are shown this many at most a row
constexpr int kLengthOpen = -1;           // a data packet that says its length by its tail only
constexpr int kLengthNotYet = 0;          // more bytes are needed to know the length

uint8_t At(const QByteArray& bytes, int offset) {
    return offset < bytes.size() ? uint8_t(bytes.at(offset)) : 0;
}

uint8_t XorBetween(const QByteArray& bytes, int from, int to) {
    return XorBytes(reinterpret_cast<const uint8_t*>(bytes.constData()) + from, qMax(0, to - from));
}

// Every frame is head, contents, check, tail; the check is the XOR of the contents.
EFrameFault FaultOf(const QByteArray& frame, uint8_t* expected) {
    const int size = int(frame.size());
    if (size < 3 || frame.at(size - 1) != kMark)
        return EFrameFault::MissingTail;
    *expected = XorBetween(frame, 1, size - 2);
    return At(frame, size - 2) == *expected ? EFrameFault::None : EFrameFault::BadCheck;
}

bool IsWholePacket(const QByteArray& bytes) {
    uint8_t expected = 0;
    return bytes.size() >= kCommandPacketSize &&
           FaultOf(bytes.left(kCommandPacketSize), &expected) == EFrameFault::None;
}
} // namespace

std::vector<CLineFrame> CFrameDecoder::Feed(ECommDirection direction, const QByteArray& bytes) {
    std::vector<CLineFrame> out = EndOtherSide(direction);
    std::vector<CLineFrame> added = Add(direction, bytes);
    out.insert(out.end(), std::make_move_iterator(added.begin()),
               std::make_move_iterator(added.end()));
    return out;
}

std::vector<CLineFrame> CFrameDecoder::EndOtherSide(ECommDirection direction) {
    std::vector<CLineFrame> out;
    Scan(direction == ECommDirection::Sent ? ECommDirection::Received : ECommDirection::Sent, true,
         out);
    return out;
}

std::vector<CLineFrame> CFrameDecoder::Add(ECommDirection direction, const QByteArray& bytes) {
    std::vector<CLineFrame> out;
    SideOf(direction).pending += bytes;
    Scan(direction, false, out);
    return out;
}

std::vector<CLineFrame> CFrameDecoder::EndOfReply() {
    std::vector<CLineFrame> out;
    Scan(ECommDirection::Sent, true, out);
    Scan(ECommDirection::Received, true, out);
    return out;
}

void CFrameDecoder::Reset() {
    for (CSide& side : m_sides)
        side = CSide();
    m_bDownloading = false;
}

void CFrameDecoder::Scan(ECommDirection direction, bool sideDone, std::vector<CLineFrame>& out) {
    CSide& side = SideOf(direction);
    for (;;) {
        if (side.awaitingData) {
            if (!TakeData(direction, sideDone, out))
                return;
            continue;
        }
        if (side.pending.isEmpty())
            return;
        const int head = int(side.pending.indexOf(kMark));
        if (head != 0) {
            const int length = head < 0 ? int(side.pending.size()) : head;
            if (head < 0 && !sideDone && length < kStrayChunk)
                return; // more bytes of no frame may follow
            out.push_back(Cut(direction, EFrameKind::Stray, qMin(length, kStrayChunk), false));
            continue;
        }
        const bool taken = direction == ECommDirection::Sent && m_bDownloading
                               ? TakeBlock(sideDone, out)
                               : TakePacket(direction, sideDone, out);
        if (!taken)
            return;
    }
}

CLineFrame CFrameDecoder::Cut(ECommDirection direction, EFrameKind kind, int length, bool whole) {
    CSide& side = SideOf(direction);
    CLineFrame frame;
    frame.direction = direction;
    frame.kind = kind;
    frame.bytes = side.pending.left(length);
    side.pending.remove(0, length);
    if (kind != EFrameKind::Stray)
        frame.fault = whole ? FaultOf(frame.bytes, &frame.expectedCheck) : EFrameFault::MissingTail;
    return frame;
}

// An 8-byte packet from the head F5. Where its eighth byte is no tail, the packet ends before
// the next head within it (a packet cut short and the next one behind it) or after 8 bytes.
bool CFrameDecoder::TakePacket(ECommDirection direction, bool sideDone,
                               std::vector<CLineFrame>& out) {
    const QByteArray& pending = SideOf(direction).pending;
    const EFrameKind kind =
        direction == ECommDirection::Sent ? EFrameKind::Command : EFrameKind::Reply;
    int length = kCommandPacketSize;
    if (pending.size() < kCommandPacketSize) {
        if (!sideDone)
            return false;
        length = int(pending.size());
    } else if (pending.at(kCommandPacketSize - 1) != kMark) {
        const int next = int(pending.indexOf(kMark, 1));
        length = next > 0 && next < kCommandPacketSize ? next : kCommandPacketSize;
    }
    CLineFrame packet = Cut(direction, kind, length, length == kCommandPacketSize);
    if (packet.bytes.size() < kCommandPacketSize || packet.fault == EFrameFault::MissingTail) {
        if (kind == EFrameKind::Command)
            DescribeCommand(packet);
        else
            DescribeReply(packet, nullptr);
        out.push_back(packet);
        return true;
    }
    OnPacket(direction, std::move(packet), out);
    return true;
}

// During a download the host writes program blocks; a whole command packet (a new start
// request after a cancel) is still taken as one.
bool CFrameDecoder::TakeBlock(bool sideDone, std::vector<CLineFrame>& out) {
    const QByteArray& pending = SideOf(ECommDirection::Sent).pending;
    if (IsWholePacket(pending) || (pending.size() >= 2 && At(pending, 1) >= kBlockCount))
        return TakePacket(ECommDirection::Sent, sideDone, out);
    const bool whole = pending.size() >= kBlockPacketSize;
    if (!whole && !sideDone)
        return false;
    CLineFrame block = Cut(ECommDirection::Sent, EFrameKind::Block,
                           whole ? kBlockPacketSize : int(pending.size()), whole);
    DescribeBlock(block);
    out.push_back(block);
    return true;
}

void CFrameDecoder::OnPacket(ECommDirection direction, CLineFrame packet,
                             std::vector<CLineFrame>& out) {
    CSide& side = SideOf(direction);
    const uint8_t command = At(packet.bytes, 1);
    bool dataMayFollow = false;
    if (direction == ECommDirection::Sent) {
        m_bDownloading = command == kHandshakeCommand;
        DescribeCommand(packet);
        dataMayFollow = CommandCarriesData(command);
    } else {
        if (command == kHandshakeCommand && At(packet.bytes, 4) == 0)
            m_bDownloading = At(packet.bytes, 3) != kLastBlockIndex; // blocks follow, or it ends
        dataMayFollow = LongestReplyLength(command) > kCommandPacketSize;
    }
    side.packet = std::move(packet);
    side.awaitingData = true;
    if (!dataMayFollow)
        EmitPacket(direction, nullptr, out);
}

void CFrameDecoder::EmitPacket(ECommDirection direction, CLineFrame* data,
                               std::vector<CLineFrame>& out) {
    CSide& side = SideOf(direction);
    side.awaitingData = false;
    CLineFrame packet = std::move(side.packet);
    side.packet = CLineFrame();
    if (direction == ECommDirection::Received)
        DescribeReply(packet, data);
    else if (data)
        DescribeSentData(*data, packet.bytes);
    out.push_back(std::move(packet));
    if (data)
        out.push_back(std::move(*data));
}

// The data packet behind the packet awaiting it: head F5, then as long as the packet says.
bool CFrameDecoder::TakeData(ECommDirection direction, bool sideDone,
                             std::vector<CLineFrame>& out) {
    const QByteArray& pending = SideOf(direction).pending;
    if (pending.isEmpty() && !sideDone)
        return false;
    if (pending.isEmpty() || pending.at(0) != kMark) {
        EmitPacket(direction, nullptr, out); // no data packet came
        return true;
    }
    int length = DataPacketLength(direction);
    if (length == kLengthOpen)
        length = OpenDataPacketLength(pending, sideDone);
    const int available = int(pending.size());
    const bool whole = length != kLengthNotYet && available >= length;
    if (!whole && !sideDone && available < kSideLimit)
        return false;
    CLineFrame data =
        Cut(direction, EFrameKind::Data, whole ? length : qMin(available, kSideLimit), whole);
    EmitPacket(direction, &data, out);
    return true;
}

// The data packet's length with head, check and tail, as its command packet says it.
int CFrameDecoder::DataPacketLength(ECommDirection direction) const {
    const CSide& side = m_sides[direction == ECommDirection::Sent];
    const QByteArray& packet = side.packet.bytes;
    const unsigned value = At(packet, 2) * 256u + At(packet, 3);
    if (direction == ECommDirection::Sent)
        return int(value) + kDataPacketOverhead;
    const auto listed = [&side](int entrySize) {
        if (side.pending.size() < 3)
            return kLengthNotYet;
        return int(At(side.pending, 1) * 256u + At(side.pending, 2)) * entrySize + 2 +
               kDataPacketOverhead;
    };
    switch (At(packet, 1)) {
    case ModuleCommand::kCaptureImage:
        if (At(packet, 4) == kHalfResolutionCode || At(packet, 4) == kFullResolutionCode)
            return ImageReplySize(reinterpret_cast<const uint8_t*>(packet.constData())) -
                   kCommandPacketSize;
        return kLengthOpen;
    case ModuleCommand::kUserList:
        return listed(kUserEntrySize);
    case ModuleCommand::kNewRecords:
        return listed(kRecordEntrySize);
    case ModuleCommand::kOneRecord:
        return kRecordEntrySize + kDataPacketOverhead;
    case ModuleCommand::kVersion:
        return kLengthOpen;
    default:
        return kFeatureReplySize - kCommandPacketSize; // a feature value's upload
    }
}

// A data packet of no stated length ends at the first F5 whose byte before is the check of
// what lies between; once the side is done, at its last byte.
int CFrameDecoder::OpenDataPacketLength(const QByteArray& pending, bool sideDone) const {
    uint8_t check = 0;
    const int size = int(pending.size());
    for (int tail = 2; tail < size; ++tail) {
        if (tail >= 3)
            check ^= At(pending, tail - 2);
        if (pending.at(tail) == kMark && At(pending, tail - 1) == check)
            return tail + 1;
    }
    return sideDone ? size : kLengthNotYet;
}
