#include "buffers.h"

#include <algorithm>
#include <cstring>

thread_local uint8_t g_TxBuffer[kTxBufferSize];
thread_local int32_t g_nTxLength = 0;
thread_local uint8_t g_RxBuffer[kRxBufferSize];
thread_local int32_t g_nRxCount = 0;

void ResetProtocolBuffers() {
    std::memset(g_TxBuffer, 0, sizeof g_TxBuffer);
    std::memset(g_RxBuffer, 0, sizeof g_RxBuffer);
    g_nTxLength = 0;
    g_nRxCount = 0;
}

int AppendToRxBuffer(const uint8_t* bytes, int n) {
    const int start = std::clamp(g_nRxCount, 0, kRxBufferSize);
    const int stored = std::clamp(n, 0, kRxBufferSize - start);
    if (stored > 0)
        std::memcpy(g_RxBuffer + start, bytes, static_cast<size_t>(stored));
    g_nRxCount = start + stored;
    return stored;
}
