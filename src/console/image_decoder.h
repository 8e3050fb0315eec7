#pragma once
// Decoding of an image reply (command 0x24) into the process-wide grey-scale canvas. Plain code:
// no widgets, no buffers of its own beyond the canvas.
#include <QString>
#include <cstdint>

constexpr int kCanvasSide = 304;
constexpr int kCanvasSize = kCanvasSide * kCanvasSide;
constexpr int kHalfCanvasSide = kCanvasSide / 2; // 152: rows of a half-resolution image
constexpr int kSmallCanvasSide = 240;            // rows of the 80 x 80 image
constexpr int kSmallImageSide = 80;

// One byte per pixel, 0 black to 255 white, rows of the current display width one after another.
extern uint8_t g_ImageCanvas[kCanvasSize];

// Back to the state at program start (all black); tests call it between cases.
void ResetImageCanvas();

// The square in which the canvas is shown: its width and height are also its row length.
// Where the decoder put the image in the canvas: rows of rowLength bytes, the image at (left,
// top) with width x height pixels (rows the canvas cannot hold left out).
struct CImageRegion {
    int rowLength = 0;
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;
};

struct CImageDisplay {
    int width;
    int height;
    CImageRegion image; // the whole (black) square when no geometry matches
};

// Decodes the image reply in `reply`, of which `count` bytes were received, into `canvas`
// (kCanvasSize bytes), and returns the display size. The header fields (bytes 2 to 4) are read by
// position like every other reply field, so `reply` must hold at least 5 bytes. Pixel bytes at
// positions from `count` on did not arrive: they are shown black and never read.
CImageDisplay DecodeImageReply(const uint8_t* reply, int count, uint8_t* canvas);

// Why the reply's image is not whole, "" when it is: fewer bytes came than its header announces,
// or the data packet's head, check or tail is wrong.
QString ImageReplyFault(const uint8_t* reply, int count);
