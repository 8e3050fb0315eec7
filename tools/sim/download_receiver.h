#pragma once
// The module's side of a program download: the handshake F5 FF 00 00 00 00 FF F5 opens it, then
// 32 blocks of 4096 bytes arrive, each acknowledged F5 FF 00 k p3 00 check F5 with p3 = 0 when
// block k was kept and p3 != 0 when it was not. Block 31 accepted ends the download.
#include "frame_reader.h"

#include <QByteArray>
#include <QString>
#include <cstdint>

namespace sim {

// Values of p3 in a negative acknowledgement, telling why the block was not kept.
namespace nak {
constexpr uint8_t kBadBlock = 0x01;  // marks or check wrong
constexpr uint8_t kForced = 0x02;    // --nak-every
constexpr uint8_t kTruncated = 0x03; // the block stopped short
constexpr uint8_t kBadIndex = 0x04;  // no such block
} // namespace nak

class CDownloadReceiver {
public:
    static constexpr int kBlockCount = 32;
    static constexpr int kProgramSize = kBlockCount * kBlockDataSize; // 131,072
    static constexpr uint8_t kLastBlock = kBlockCount - 1;

    // nakEvery > 0: every nakEvery-th block that arrives is refused, whatever its check.
    explicit CDownloadReceiver(int nakEvery = 0);

    // The handshake: starts a new download and returns its acknowledgement.
    QByteArray Begin();
    // A complete block frame; returns its acknowledgement.
    QByteArray OnBlock(const CFrame& block);
    // A block that stopped short (index -1 when not even the index arrived).
    QByteArray OnTruncatedBlock(int index);
    // Gives the download up (the host went back to commands).
    void Abort() { m_bActive = false; }

    bool Active() const { return m_bActive; }
    // Set when the last block has been accepted, until the next Begin.
    bool Finished() const { return m_bFinished; }
    // Bit k set: block k has been kept.
    uint32_t KeptBlocks() const { return m_nKept; }
    int BlocksReceived() const { return m_nReceived; }
    // The program image as received; bytes of blocks never kept are 0xFF, as erased flash.
    const QByteArray& ProgramImage() const { return m_program; }

private:
    QByteArray Refuse(int index, uint8_t reason);

    int m_nNakEvery;
    bool m_bActive = false;
    bool m_bFinished = false;
    uint32_t m_nKept = 0;
    int m_nReceived = 0;
    QByteArray m_program;
};

// The version a program image carries: the printable text after the first "VER=" in it, up to
// 32 characters; empty when it has none.
QString ImageVersionText(const QByteArray& program);

// The acknowledgement frame F5 FF 00 index result 00 check F5.
QByteArray DownloadAck(uint8_t index, uint8_t result);

} // namespace sim
