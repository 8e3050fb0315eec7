#include "packets.h"

#include "buffers.h"

uint8_t XorBytes(const uint8_t* bytes, int n) {
    uint8_t check = 0;
    for (int i = 0; i < n; ++i)
        check ^= bytes[i];
    return check;
}

void FillCommandPacket(uint8_t* tx, uint8_t command, uint8_t p1, uint8_t p2, uint8_t p3) {
    tx[0] = kPacketMark;
    tx[1] = command;
    tx[2] = p1;
    tx[3] = p2;
    tx[4] = p3;
    tx[5] = 0x00;
    tx[6] = XorBytes(tx + 1, 5);
    tx[7] = kPacketMark;
}

void FrameDataPacket(uint8_t* tx, int length) {
    if (length <= kCommandPacketSize || length > kTxBufferSize)
        return;
    tx[8] = kPacketMark;
    tx[length - 2] = XorBytes(tx + 9, length - 11);
    tx[length - 1] = kPacketMark;
}

bool DataPacketIntact(const uint8_t* reply, int size) {
    const int head = kCommandPacketSize;
    return reply[head] == kPacketMark && reply[size - 1] == kPacketMark &&
           reply[size - 2] == XorBytes(reply + head + 1, size - head - kDataPacketOverhead);
}
