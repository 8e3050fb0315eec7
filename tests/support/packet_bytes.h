#pragma once
// Module packets as bytes, built by hand for the tests (never with the program's own framing, so
// that a mistake there cannot hide itself): the 8-byte packet F5 command p1 p2 p3 00 check F5,
// whose check is the XOR of command to p3, and the data packet F5 payload check F5 that follows a
// data command or reply.
#include <QByteArray>
#include <cstdint>

inline uint8_t Xor(const QByteArray& bytes) {
    uint8_t check = 0;
    for (char b : bytes)
        check ^= uint8_t(b);
    return check;
}

// F5 command p1 p2 p3 00 check F5, as the host sends or the module answers.
inline QByteArray Packet(uint8_t command, uint8_t p1 = 0, uint8_t p2 = 0, uint8_t p3 = 0) {
    const char bytes[] = {
        char(0xF5), char(command), char(p1), char(p2), char(p3), 0, char(command ^ p1 ^ p2 ^ p3),
        char(0xF5)};
    return QByteArray(bytes, sizeof bytes);
}

// F5 payload check F5.
inline QByteArray DataPacket(const QByteArray& payload) {
    return char(0xF5) + payload + char(Xor(payload)) + char(0xF5);
}
