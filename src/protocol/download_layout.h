#pragma once
// The shape of the firmware download on the line: the start request and the handshake are
// command packets, the program goes in 32 blocks of 4096 bytes, each framed like a data packet
// with its index first, and the module answers each with an 8-byte acknowledgement.
#include "command_codes.h"

#include <cstdint>

constexpr uint8_t kStartRequestCommand = ModuleCommand::kUserCount;
constexpr uint8_t kHandshakeCommand = ModuleCommand::kHandshake;
constexpr int kBlockCount = 32;
constexpr int kBlockSize = 4096;
// Head, block index, 4096 image bytes, check, tail.
constexpr int kBlockPacketSize = kBlockSize + 4;
constexpr uint8_t kLastBlockIndex = kBlockCount - 1;
constexpr int kReplyFrameSize = 8;
