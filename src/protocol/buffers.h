#pragma once
// The sizes of the transmit packet and of the receive buffer that each port's session owns
// (serial/port_session.h).
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
