#include "fingerprint_image.h"

#include "sim_random.h"

#include <QRegularExpression>
#include <algorithm>
#include <cmath>

namespace sim {

const CImageSize kSensorSizes[kSensorSizeCount] = {
    {304, 304}, {280, 280}, {256, 280}, {256, 256}, {196, 196}, {160, 208}, {248, 280},
    {280, 240}, {240, 312}, {248, 296}, {256, 292}, {256, 296}, {200, 264}};

namespace {
constexpr double kPi = 3.14159265358979323846;
constexpr double kBackground = 236.0;

// How one finger's pattern differs from another's.
struct CPattern {
    double centreX;   // singular point, as a fraction of the width
    double centreY;   // and of the height
    double turn;      // rotation of the whole pattern, radians
    double twist;     // +1 or -1: the direction the whorl winds
    double period;    // ridge distance in pixels
    double bendPhase; // phases of the two distortion waves
    double wavePhase;
};

CPattern PatternOf(CImageSize size, uint32_t variant) {
    CSimRandom random(MixSeed(variant, 0x46494E47)); // "FING"
    CPattern p{};
    p.centreX = 0.46 + 0.08 * random.NextUnit();
    p.centreY = 0.42 + 0.10 * random.NextUnit();
    p.turn = (random.NextUnit() - 0.5) * 0.6;
    p.twist = (random.Next() & 1) ? 1.0 : -1.0;
    const double scale = std::min(size.width, size.height) / 34.0;
    p.period = std::max(4.0, scale * (0.9 + 0.2 * random.NextUnit()));
    p.bendPhase = random.NextUnit() * 2 * kPi;
    p.wavePhase = random.NextUnit() * 2 * kPi;
    return p;
}

double SmoothStep(double edge0, double edge1, double x) {
    const double t = std::clamp((x - edge0) / (edge1 - edge0), 0.0, 1.0);
    return t * t * (3 - 2 * t);
}

// 1 on a valley, 0 on a ridge. Rings wind into a whorl around the singular point; two slow waves
// bend them, more so away from the centre, and the outer rings are flattened so that they run
// across the finger like arches, as on a pressed finger.
double RidgeAt(const CPattern& p, double dx, double dy, double extent) {
    const double u = dx * std::cos(p.turn) - dy * std::sin(p.turn);
    const double v0 = dx * std::sin(p.turn) + dy * std::cos(p.turn);
    const double flatten = 1.0 + 0.9 * SmoothStep(0.15 * extent, 0.55 * extent, std::abs(v0));
    const double v = v0 * 0.82 * flatten;
    const double r = std::hypot(u, v);
    const double theta = std::atan2(v, u);
    const double reach = std::min(1.0, r / (0.25 * extent));
    const double bent = r + reach * p.period * 1.3 * std::sin(2 * theta + p.bendPhase) +
                        0.6 * p.period * std::sin(r / (0.18 * extent) + theta + p.wavePhase) +
                        0.4 * p.period * std::sin(u / (0.11 * extent) + p.bendPhase);
    const double phase = bent / p.period + p.twist * theta / (2 * kPi);
    return 0.5 + 0.5 * std::cos(2 * kPi * phase);
}

uint8_t PixelAt(const CPattern& p, CImageSize size, int x, int y, CSimRandom& grain) {
    const double dx = x + 0.5 - p.centreX * size.width;
    const double dy = y + 0.5 - p.centreY * size.height;
    const double ex = dx / (0.44 * size.width);
    const double ey = (dy - 0.06 * size.height) / (0.50 * size.height);
    const double inside = 1.0 - SmoothStep(0.80, 1.0, ex * ex + ey * ey);
    const double extent = std::min(size.width, size.height);
    const double print = 45.0 + 175.0 * RidgeAt(p, dx, dy, extent);
    const double grey = kBackground * (1 - inside) + print * inside + (grain.NextUnit() - 0.5) * 10;
    return uint8_t(std::clamp(grey, 0.0, 255.0));
}
} // namespace

bool IsSmallSensor(CImageSize size) {
    return size == kSmallSensor;
}

bool ParseImageSize(const QString& text, CImageSize& size) {
    static const QRegularExpression pattern(QStringLiteral("^(\\d{1,4})[xX](\\d{1,4})$"));
    const QRegularExpressionMatch match = pattern.match(text.trimmed());
    if (!match.hasMatch())
        return false;
    const CImageSize parsed{match.captured(1).toInt(), match.captured(2).toInt()};
    const bool known = IsSmallSensor(parsed) ||
                       std::find(std::begin(kSensorSizes), std::end(kSensorSizes), parsed) !=
                           std::end(kSensorSizes);
    if (known)
        size = parsed;
    return known;
}

int ImageLengthField(CImageSize size) {
    return IsSmallSensor(size) ? size.width * size.height : size.width * size.height / 8;
}

QByteArray DrawFingerprint(CImageSize size, uint32_t variant) {
    const CPattern pattern = PatternOf(size, variant);
    CSimRandom grain(MixSeed(variant, 0x4752414E)); // "GRAN"
    QByteArray pixels(size.width * size.height, '\0');
    for (int y = 0; y < size.height; ++y)
        for (int x = 0; x < size.width; ++x)
            pixels[y * size.width + x] = char(PixelAt(pattern, size, x, y, grain));
    return pixels;
}

QByteArray PackHalfResolution(const QByteArray& pixels, CImageSize size) {
    const int halfWidth = size.width / 2;
    const int halfHeight = size.height / 2;
    auto meanAt = [&](int hx, int hy) {
        const int x = 2 * hx;
        const int y = 2 * hy;
        const auto at = [&](int px, int py) { return uint8_t(pixels.at(py * size.width + px)); };
        return (at(x, y) + at(x + 1, y) + at(x, y + 1) + at(x + 1, y + 1)) / 4;
    };
    QByteArray packed(halfWidth * halfHeight / 2, '\0');
    for (int hy = 0; hy < halfHeight; ++hy)
        for (int hx = 0; hx < halfWidth; hx += 2) {
            const int left = meanAt(hx, hy) >> 4;
            const int right = meanAt(hx + 1, hy) >> 4;
            packed[(hy * halfWidth + hx) / 2] = char((left << 4) | right);
        }
    return packed;
}

} // namespace sim
