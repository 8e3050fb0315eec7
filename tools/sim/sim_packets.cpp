#include "sim_packets.h"

namespace sim {

uint8_t XorOf(const char* bytes, int n) {
    uint8_t check = 0;
    for (int i = 0; i < n; ++i)
        check ^= static_cast<uint8_t>(bytes[i]);
    return check;
}

bool IsCommandPacketAt(const QByteArray& bytes, int i) {
    if (i < 0 || bytes.size() - i < kPacketSize)
        return false;
    return Byte(bytes, i) == kMark && Byte(bytes, i + 7) == kMark &&
           XorOf(bytes.constData() + i + 1, 5) == Byte(bytes, i + 6);
}

QByteArray ReplyPacket(uint8_t command, uint8_t p1, uint8_t p2, uint8_t result) {
    QByteArray packet(kPacketSize, '\0');
    packet[0] = char(kMark);
    packet[1] = char(command);
    packet[2] = char(p1);
    packet[3] = char(p2);
    packet[4] = char(result);
    packet[5] = 0;
    packet[6] = char(XorOf(packet.constData() + 1, 5));
    packet[7] = char(kMark);
    return packet;
}

QByteArray FramedData(const QByteArray& payload) {
    QByteArray framed;
    framed.reserve(payload.size() + kDataOverhead);
    framed.append(char(kMark));
    framed.append(payload);
    framed.append(char(XorOf(payload.constData(), int(payload.size()))));
    framed.append(char(kMark));
    return framed;
}

QByteArray ReplyWithData(uint8_t command, uint16_t value, uint8_t result,
                         const QByteArray& payload) {
    return ReplyPacket(command, uint8_t(value >> 8), uint8_t(value & 0xFF), result) +
           FramedData(payload);
}

} // namespace sim
