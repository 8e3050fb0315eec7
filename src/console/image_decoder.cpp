#include "image_decoder.h"

#include "protocol/packets.h"
#include "protocol/payloads.h"

#include <QCoreApplication>
#include <cstring>

// Why an image is incomplete, translated as one context.
class CImageTexts {
    Q_DECLARE_TR_FUNCTIONS(CImageTexts)
};

uint8_t g_ImageCanvas[kCanvasSize];

void ResetImageCanvas() {
    std::memset(g_ImageCanvas, 0, sizeof g_ImageCanvas);
}

namespace {

// The received reply bytes; everything from `count` on reads as black.
struct CReceivedReply {
    const uint8_t* bytes;
    int count;

    uint8_t PayloadByte(int index) const {
        const int position = kPayloadOffset + index;
        return position < count ? bytes[position] : 0;
    }
};

// Where the rows of a decoded image go: a canvas of `stride` bytes per row and `rows` rows, the
// image's first row at `top` (possibly negative) and its first column at `left`.
struct CPlacement {
    uint8_t* canvas;
    int stride;
    int rows;
    int top;
    int left;

    // The start of the canvas row for image row r, or nullptr when it lies outside the canvas.
    uint8_t* RowStart(int r) const {
        const int row = top + r;
        if (row < 0 || row >= rows)
            return nullptr;
        return canvas + row * stride + left;
    }
};

// One byte per pixel: `height` rows of `width` bytes.
void CopyBytePixels(const CReceivedReply& reply, int width, int height, const CPlacement& to) {
    for (int r = 0; r < height; ++r) {
        uint8_t* out = to.RowStart(r);
        if (out == nullptr)
            continue;
        for (int c = 0; c < width; ++c)
            out[c] = reply.PayloadByte(r * width + c);
    }
}

// Two pixels per byte, the left one in the high nibble; the low four bits of each pixel are 0.
void UnpackNibblePixels(const CReceivedReply& reply, int width, int height, const CPlacement& to) {
    const int bytesPerRow = width / 2;
    for (int r = 0; r < height; ++r) {
        uint8_t* out = to.RowStart(r);
        if (out == nullptr)
            continue;
        for (int k = 0; k < bytesPerRow; ++k) {
            const uint8_t b = reply.PayloadByte(r * bytesPerRow + k);
            out[2 * k] = b & 0xF0;
            out[2 * k + 1] = static_cast<uint8_t>((b & 0x0F) << 4);
        }
    }
}

// The part of a width x height image placed by `to` that lies in the canvas. A sensor taller
// than the canvas loses as many rows at the top as at the bottom.
CImageRegion RegionOf(const CPlacement& to, int width, int height) {
    const int lost = to.top < 0 ? -to.top : 0;
    return {to.stride, to.left, to.top + lost, width, height - 2 * lost};
}

CImageRegion DecodeFullResolution(const CReceivedReply& reply, const CImageGeometry& g,
                                  uint8_t* canvas) {
    const CPlacement to{canvas, kCanvasSide, kCanvasSide, (kCanvasSide - g.height) / 2,
                        (kCanvasSide - g.width) / 2};
    CopyBytePixels(reply, g.width, g.height, to);
    return RegionOf(to, g.width, g.height);
}

CImageRegion DecodeHalfResolution(const CReceivedReply& reply, const CImageGeometry& g,
                                  uint8_t* canvas) {
    const CPlacement to{canvas, kHalfCanvasSide, kHalfCanvasSide, (kCanvasSide - g.height) / 4,
                        (kCanvasSide - g.width) / 4};
    UnpackNibblePixels(reply, g.width / 2, g.height / 2, to);
    return RegionOf(to, g.width / 2, g.height / 2);
}

CImageRegion DecodeSmallImage(const CReceivedReply& reply, uint8_t* canvas) {
    constexpr int kOffset = (kSmallCanvasSide - kSmallImageSide) / 2;
    const CPlacement to{canvas, kSmallCanvasSide, kSmallCanvasSide, kOffset, kOffset};
    CopyBytePixels(reply, kSmallImageSide, kSmallImageSide, to);
    return RegionOf(to, kSmallImageSide, kSmallImageSide);
}

} // namespace

CImageDisplay DecodeImageReply(const uint8_t* reply, int count, uint8_t* canvas) {
    const bool high = reply[4] == kFullResolutionCode;
    const int length = reply[2] * 256 + reply[3];
    const CReceivedReply received{reply, count};

    std::memset(canvas, 0, kCanvasSize);
    if (length == kSmallImageLength)
        return {kSmallCanvasSide, kSmallCanvasSide, DecodeSmallImage(received, canvas)};
    const int side = high ? kCanvasSide : kHalfCanvasSide;
    const int entry = FindImageGeometry(length);
    if (entry < 0)
        return {side, side, CImageRegion{side, 0, 0, side, side}};
    const CImageGeometry& geometry = ImageGeometryTable[entry];
    return {side, side,
            high ? DecodeFullResolution(received, geometry, canvas)
                 : DecodeHalfResolution(received, geometry, canvas)};
}

QString ImageReplyFault(const uint8_t* reply, int count) {
    const int size = count >= kCommandPacketSize ? ImageReplySize(reply) : kCommandPacketSize;
    if (count < size)
        return CImageTexts::tr("只收到 %1 字节，应有 %2 字节").arg(count).arg(size);
    if (!DataPacketIntact(reply, size))
        return CImageTexts::tr("数据校验错误");
    return QString();
}
