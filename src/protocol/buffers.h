#pragma once
// The transmit and receive buffers that every panel shares. Only the panel on show has its port
// open, so only one panel uses them at a time. Each thread has its own: the window runs on one
// thread and sees one set, while morvane-cli runs each port's exchange on a thread of its own.
#include <cstdint>

constexpr int kTxBufferSize = 4100;
// The test console's collection limit: the longest reply of any command, a full-resolution
// 304 x 304 image (command packet, data head, 92,416 pixel bytes, check and tail). Collection
// stops at the tick that reaches it; were it shorter, the image's last bytes would arrive after
// that tick and be taken as a reply of their own.
constexpr int kRxCollectLimit = 8 + 1 + 304 * 304 + 2; // 92,427
constexpr int kRxReadChunk = 9000;
// Room for the limit plus one read of up to 9000 bytes, since the limit is tested after each
// read: 101,427 bytes.
constexpr int kRxBufferSize = kRxCollectLimit + kRxReadChunk;

extern thread_local uint8_t g_TxBuffer[kTxBufferSize];
extern thread_local int32_t g_nTxLength;
extern thread_local uint8_t g_RxBuffer[kRxBufferSize];
extern thread_local int32_t g_nRxCount;

// Back to the state at program start (all zero); tests call it between cases.
void ResetProtocolBuffers();

// Appends up to n bytes at g_nRxCount and advances it. Bytes beyond the buffer's room are
// dropped; returns how many were stored.
int AppendToRxBuffer(const uint8_t* bytes, int n);
