#pragma once
// The process-wide transmit and receive buffers that every panel shares. Only the panel on show
// has its port open, so only one panel uses them at a time.
#include <cstdint>

constexpr int kTxBufferSize = 4100;
// Room for the test console's collection limit (304 x 304 image bytes) plus one read of
// up to 9000 bytes, since the limit is tested after each read.
constexpr int kRxCollectLimit = 92416;
constexpr int kRxReadChunk = 9000;
constexpr int kRxBufferSize = kRxCollectLimit + kRxReadChunk;

extern uint8_t g_TxBuffer[kTxBufferSize];
extern int32_t g_nTxLength;
extern uint8_t g_RxBuffer[kRxBufferSize];
extern int32_t g_nRxCount;

// Back to the state at program start (all zero); tests call it between cases.
void ResetProtocolBuffers();

// Appends up to n bytes at g_nRxCount and advances it. Bytes beyond the buffer's room are
// dropped; returns how many were stored.
int AppendToRxBuffer(const uint8_t* bytes, int n);
