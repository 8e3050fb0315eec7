#pragma once
// The sensor images the module captures: a synthetic fingerprint (whorl ridges with some
// distortion inside an elliptic finger print on a light background), one byte per pixel, and
// its half-resolution 4-bit packing.
#include <QByteArray>
#include <QString>
#include <cstdint>

namespace sim {

struct CImageSize {
    int width = 0;
    int height = 0;
};
inline bool operator==(CImageSize a, CImageSize b) {
    return a.width == b.width && a.height == b.height;
}

// The sensor sizes the host knows, in its search order, and the small 80 x 80 sensor.
constexpr int kSensorSizeCount = 13;
extern const CImageSize kSensorSizes[kSensorSizeCount];
constexpr CImageSize kSmallSensor{80, 80};
constexpr CImageSize kDefaultSensor{256, 280};

bool IsSmallSensor(CImageSize size);
// "WxH" naming one of kSensorSizes or the small sensor.
bool ParseImageSize(const QString& text, CImageSize& size);

// The 16-bit length field L of an image reply: W x H / 8, and 6400 for the small sensor.
int ImageLengthField(CImageSize size);

// W x H bytes, rows top to bottom, 0 black to 255 white. variant moves, turns and bends the
// pattern, so different fingers give different images.
QByteArray DrawFingerprint(CImageSize size, uint32_t variant);

// (W/2) x (H/2) pixels of 4 bits, two per byte, left pixel in the high nibble: each pixel is the
// mean of a 2 x 2 block of the full image. W x H / 8 bytes.
QByteArray PackHalfResolution(const QByteArray& pixels, CImageSize size);

} // namespace sim
