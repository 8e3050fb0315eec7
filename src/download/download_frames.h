#pragma once
// The packets of the download exchange: the start request and the handshake (command packets),
// the 32 program blocks, and the 8-byte reply frame the module answers with.
#include "protocol/download_layout.h"

#include <cstdint>

// Block k (0..31) of ProgramImage into packet (kBlockPacketSize bytes): F5, k, the image bytes
// at k * 4096, the XOR of the index and image bytes, F5. False (nothing written) for any other k.
bool BuildProgramBlock(int k, uint8_t* packet);

struct CReplyFrame {
    uint8_t command = 0;
    uint8_t p2 = 0;
    uint8_t p3 = 0;
};

// The 8 bytes from the first 0xF5 among the n received, when at least 8 follow from there, with
// 0xF5 at both ends and byte 6 equal to the XOR of bytes 1 to 5. False when there is no such
// frame; a later 0xF5 is never tried.
bool FindReplyFrame(const uint8_t* bytes, int n, CReplyFrame* frame);
