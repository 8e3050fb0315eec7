#include "download_receiver.h"

#include "module_commands.h"
#include "sim_packets.h"

namespace sim {

QString ImageVersionText(const QByteArray& program) {
    constexpr int kLongest = 32;
    const QByteArray marker = "VER=";
    const qsizetype at = program.indexOf(marker);
    if (at < 0)
        return QString();
    QByteArray text;
    for (qsizetype i = at + marker.size(); i < program.size() && text.size() < kLongest; ++i) {
        const char c = program.at(i);
        if (c < 0x20 || c > 0x7E)
            break;
        text += c;
    }
    return QString::fromLatin1(text);
}

QByteArray DownloadAck(uint8_t index, uint8_t result) {
    return ReplyPacket(cmd::kDownload, 0, index, result);
}

CDownloadReceiver::CDownloadReceiver(int nakEvery)
    : m_nNakEvery(nakEvery), m_program(kProgramSize, char(0xFF)) {}

QByteArray CDownloadReceiver::Begin() {
    m_bActive = true;
    m_bFinished = false;
    m_nKept = 0;
    m_nReceived = 0;
    m_program.fill(char(0xFF));
    return DownloadAck(0, rc::kOk);
}

QByteArray CDownloadReceiver::OnBlock(const CFrame& block) {
    ++m_nReceived;
    const int index = block.blockIndex;
    if (index < 0 || index > kLastBlock)
        return Refuse(index, nak::kBadIndex);
    if (!block.goodBlock)
        return Refuse(index, nak::kBadBlock);
    if (m_nNakEvery > 0 && m_nReceived % m_nNakEvery == 0)
        return Refuse(index, nak::kForced);
    m_program.replace(index * kBlockDataSize, kBlockDataSize, block.payload);
    m_nKept |= 1u << index;
    if (index == kLastBlock) {
        m_bActive = false;
        m_bFinished = true;
    }
    return DownloadAck(uint8_t(index), rc::kOk);
}

QByteArray CDownloadReceiver::OnTruncatedBlock(int index) {
    return Refuse(index, nak::kTruncated);
}

QByteArray CDownloadReceiver::Refuse(int index, uint8_t reason) {
    return DownloadAck(uint8_t(index < 0 ? 0 : index), reason);
}

} // namespace sim
