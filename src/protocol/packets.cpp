#include "packets.h"

#include "buffers.h"

uint8_t XorBytes(const uint8_t* bytes, int n) {
    uint8_t check = 0;
    for (int i = 0; i < n; ++i)
        check ^= bytes[i];
    return check;
}

void FillCommandPacket(uint8_t command, uint8_t p1, uint8_t p2, uint8_t p3) {
    g_TxBuffer[0] = kPacketMark;
    g_TxBuffer[1] = command;
    g_TxBuffer[2] = p1;
    g_TxBuffer[3] = p2;
    g_TxBuffer[4] = p3;
    g_TxBuffer[5] = 0x00;
    g_TxBuffer[6] = XorBytes(g_TxBuffer + 1, 5);
    g_TxBuffer[7] = kPacketMark;
}

void FrameDataPacket(int length) {
    if (length <= kCommandPacketSize || length > kTxBufferSize)
        return;
    g_TxBuffer[8] = kPacketMark;
    g_TxBuffer[length - 2] = XorBytes(g_TxBuffer + 9, length - 11);
    g_TxBuffer[length - 1] = kPacketMark;
}
