// The test console's reading of any reply: any bytes, any count up to the collection limit plus
// one read, every command byte. The first two input bytes choose the count (so a count larger
// than the bytes that follow leaves stale bytes of earlier inputs in the buffer, as after a
// short reply), the rest is the reply.
#include "fuzz_target.h"

#include "console/image_decoder.h"
#include "protocol/buffers.h"
#include "protocol/hex_text.h"
#include "protocol/reply_texts.h"

#include <algorithm>
#include <cstring>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (size < 3)
        return 0;
    const int claimed = (data[0] << 8 | data[1]) * 2; // up to 131,070: past the room on purpose
    const int given = static_cast<int>(std::min<size_t>(size - 3, kRxBufferSize));
    static uint8_t rx[kRxBufferSize]; // a receive cycle's buffer, stale bytes and all
    std::memcpy(rx, data + 3, static_cast<size_t>(given));
    const int count = std::min(claimed, kRxBufferSize);
    CReplyOptions options;
    options.idIncAfterEnrol = data[2] & 1;
    options.idIncAfterStore = data[2] & 2;
    options.batchActive = data[2] & 4;
    options.batchRunning = data[2] & 8;
    options.batchUser = data[2];
    const CReplyOutcome outcome = InterpretReplyBytes(rx, count, options);
    const QString dump = FormatHexDump(rx, count);
    if (outcome.decodeImage)
        DecodeImageReply(rx, count, g_ImageCanvas);
    return 0;
}
