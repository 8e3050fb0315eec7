#include "image_file.h"

#include "image_decoder.h"

#include "protocol/file_access.h"
#include "protocol/payloads.h"

#include <cstring>

namespace {
constexpr uint8_t kFullResolution = 0x20;
} // namespace

CImageRegion DecodedImageRegion(const uint8_t* reply) {
    const int length = reply[2] * 256 + reply[3];
    const bool high = reply[4] == kFullResolution;
    if (length == kSmallImageLength) {
        const int at = (kSmallCanvasSide - kSmallImageSide) / 2;
        return {kSmallCanvasSide, at, at, kSmallImageSide, kSmallImageSide};
    }
    const int side = high ? kCanvasSide : kHalfCanvasSide;
    const int entry = FindImageGeometry(length);
    if (entry < 0)
        return {side, 0, 0, side, side};
    const int divisor = high ? 1 : 2;
    const CImageGeometry& geometry = ImageGeometryTable[entry];
    CImageRegion region{side, (kCanvasSide - geometry.width) / (2 * divisor),
                        (kCanvasSide - geometry.height) / (2 * divisor), geometry.width / divisor,
                        geometry.height / divisor};
    // A sensor taller than the canvas loses its first and last rows there.
    if (region.top < 0) {
        region.height += 2 * region.top;
        region.top = 0;
    }
    return region;
}

QImage RegionImage(const uint8_t* canvas, const CImageRegion& region) {
    QImage image(region.width, region.height, QImage::Format_Grayscale8);
    for (int row = 0; row < region.height; ++row) {
        const uint8_t* source = canvas + (region.top + row) * region.rowLength + region.left;
        std::memcpy(image.scanLine(region.height - 1 - row), source, size_t(region.width));
    }
    return image;
}

QString DefaultImageFileName(const QDateTime& when, int width, int height) {
    return QStringLiteral("指纹图像-%1-%2x%3.png")
        .arg(when.toString(QStringLiteral("yyyyMMdd-HHmmss")))
        .arg(width)
        .arg(height);
}

CFileDialogOptions ImageFileDialogOptions(const QString& initialName) {
    return CFileDialogOptions{QStringLiteral("PNG 图像 (*.png);;BMP 图像 (*.bmp)"),
                              QStringLiteral("png"), initialName};
}

QString SaveImageFile(const QString& path, const QImage& image) {
    const char* format = path.endsWith(QStringLiteral(".bmp"), Qt::CaseInsensitive) ? "BMP" : "PNG";
    const auto write = [&](QIODevice& file) { return image.save(&file, format); };
    if (WriteWholeFile(path, write) != EFileWriteResult::Written)
        return QStringLiteral("无法保存 ") + path;
    return QString();
}
