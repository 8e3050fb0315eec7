#include "download_frames.h"

#include "program_image.h"

#include "protocol/packets.h"

#include <cstring>

static_assert(kBlockCount * kBlockSize == kProgramImageSize, "the blocks cover the image");

bool BuildProgramBlock(int k, uint8_t* packet) {
    if (k < 0 || k >= kBlockCount)
        return false;
    packet[0] = kPacketMark;
    packet[1] = static_cast<uint8_t>(k);
    std::memcpy(packet + 2, ProgramImage + k * kBlockSize, kBlockSize);
    packet[kBlockPacketSize - 2] = XorBytes(packet + 1, kBlockSize + 1);
    packet[kBlockPacketSize - 1] = kPacketMark;
    return true;
}

bool FindReplyFrame(const uint8_t* bytes, int n, CReplyFrame* frame) {
    const void* head = n > 0 ? std::memchr(bytes, kPacketMark, static_cast<size_t>(n)) : nullptr;
    if (!head)
        return false;
    const uint8_t* f = static_cast<const uint8_t*>(head);
    if (bytes + n - f < kReplyFrameSize)
        return false;
    if (f[7] != kPacketMark || f[6] != XorBytes(f + 1, 5))
        return false;
    frame->command = f[1];
    frame->p2 = f[3];
    frame->p3 = f[4];
    return true;
}
