#include "image_file.h"

#include "protocol/file_access.h"
#include "protocol/file_errors.h"

#include <QBuffer>
#include <cstring>

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
    QBuffer encoded;
    encoded.open(QIODevice::WriteOnly);
    image.save(&encoded, format);
    const CFileWrite write = WriteWholeFile(path, encoded.data());
    if (write.result != EFileWriteResult::Written)
        return WithReason(QStringLiteral("无法保存 ") + path, WriteFailureReason(write));
    return QString();
}
