#pragma once
// The module's side of the wire format: an 8-byte reply packet (F5, command, p1, p2, result, 00,
// check, F5), optionally followed by a data packet (F5, payload, XOR of the payload, F5).
#include <QByteArray>
#include <cstdint>

namespace sim {

constexpr uint8_t kMark = 0xF5;
constexpr int kPacketSize = 8;
constexpr int kDataOverhead = 3; // head, check, tail around a payload
constexpr int kFeatureSize = 193;
constexpr int kFeatureHeaderSize = 3; // user number (2 bytes) and privilege before a feature
constexpr int kFeaturePayloadSize = kFeatureHeaderSize + kFeatureSize;     // 196
constexpr int kTwoFeaturePayloadSize = kFeaturePayloadSize + kFeatureSize; // 389
// The host assembles a transmission in 4100 bytes, so no data packet can be longer than this.
constexpr int kMaxPayloadSize = 4100 - kPacketSize - kDataOverhead;

// XOR of n bytes, starting from 0.
uint8_t XorOf(const char* bytes, int n);
inline uint8_t Byte(const QByteArray& bytes, int i) {
    return static_cast<uint8_t>(bytes.at(i));
}

// Whether the 8 bytes at offset i of bytes are a command packet: both marks and a good check.
bool IsCommandPacketAt(const QByteArray& bytes, int i);

// F5 command p1 p2 result 00 check F5.
QByteArray ReplyPacket(uint8_t command, uint8_t p1, uint8_t p2, uint8_t result);
// F5 payload check F5.
QByteArray FramedData(const QByteArray& payload);
// A reply packet whose p1, p2 carry value, followed by the framed payload.
QByteArray ReplyWithData(uint8_t command, uint16_t value, uint8_t result,
                         const QByteArray& payload);

} // namespace sim
