#pragma once
// The wire format: an 8-byte command packet (F5, command, p1, p2, p3, 00, check, F5), optionally
// followed in the same write by a data packet (F5, payload, XOR of the payload, F5).
#include <cstdint>

constexpr uint8_t kPacketMark = 0xF5;
constexpr int kCommandPacketSize = 8;
constexpr int kDataPacketOverhead = 3; // head, check, tail
constexpr int kFeatureSize = 193;
constexpr int kFeatureOffset = 12; // first feature value in a transmission or feature reply
constexpr int kSecondFeatureOffset = kFeatureOffset + kFeatureSize;
constexpr int kFeatureReplySize = 207;

// XOR of n bytes, starting from 0.
uint8_t XorBytes(const uint8_t* bytes, int n);

// Writes bytes 0..7 of the transmit packet tx (kTxBufferSize bytes): head, command, p1, p2, p3,
// reserved 0, check, tail.
void FillCommandPacket(uint8_t* tx, uint8_t command, uint8_t p1, uint8_t p2, uint8_t p3);

// For length > 8: head at 8, XOR of the payload 9..length-3 at length-2, tail at length-1.
// A length of 8 or less (or beyond the buffer) leaves tx untouched.
void FrameDataPacket(uint8_t* tx, int length);

// True when bytes 8 to size-1 of a reply of `size` bytes are a whole data packet: head at 8,
// tail at size-1 and at size-2 the XOR of the payload between them.
bool DataPacketIntact(const uint8_t* reply, int size);

// The length on the line of a transmission whose p1, p2 give the payload size n: n + 11.
constexpr int TransmissionLength(uint8_t p1, uint8_t p2) {
    return p1 * 256 + p2 + 11;
}
