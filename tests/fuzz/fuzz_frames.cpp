// The frame decoder on any bytes in any cuts: each input byte pair after the first chooses a
// side and the length of its piece, the rest are the bytes; a zero length ends the reply.
#include "fuzz_target.h"

#include "trace/frame_decoder.h"

#include <QByteArray>

#include <algorithm>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    CFrameDecoder decoder;
    size_t at = 0;
    int frames = 0;
    while (at + 2 <= size) {
        const uint8_t control = data[at], length = data[at + 1];
        at += 2;
        const size_t n = std::min<size_t>(size - at, length * (control & 0x80 ? 64u : 1u));
        const QByteArray piece(reinterpret_cast<const char*>(data + at), qsizetype(n));
        at += n;
        const auto found =
            n == 0 ? decoder.EndOfReply()
                   : decoder.Feed(control & 1 ? ECommDirection::Received : ECommDirection::Sent,
                                  piece);
        for (const CLineFrame& frame : found)
            frames += FrameLine(frame).size() > 0 && FrameCheckText(frame).size() >= 0;
    }
    frames += int(decoder.EndOfReply().size());
    return frames < 0;
}
