#include "image_file.h"

#include "files/file_access.h"
#include "files/file_errors.h"

#include <QBuffer>
#include <QCoreApplication>
#include <cstring>

// The image files' texts, translated as one context.
class CImageFileTexts {
    Q_DECLARE_TR_FUNCTIONS(CImageFileTexts)
};

namespace {
constexpr int kJpegQuality = 100; // the least the format loses

} // namespace

QImage RegionImage(const uint8_t* canvas, const CImageRegion& region) {
    QImage image(region.width, region.height, QImage::Format_Grayscale8);
    for (int row = 0; row < region.height; ++row) {
        const uint8_t* source = canvas + (region.top + row) * region.rowLength + region.left;
        std::memcpy(image.scanLine(region.height - 1 - row), source, size_t(region.width));
    }
    return image;
}

QString DefaultImageFileName(const QDateTime& when, int width, int height) {
    return CImageFileTexts::tr("指纹图像-%1-%2x%3.png")
        .arg(when.toString(QStringLiteral("yyyyMMdd-HHmmss")))
        .arg(width)
        .arg(height);
}

CFileDialogOptions ImageFileDialogOptions(const QString& initialName) {
    return CFileDialogOptions{
        CImageFileTexts::tr("PNG 图像 (*.png);;BMP 图像 (*.bmp);;JPEG 图像 (*.jpg *.jpeg)"),
        QStringLiteral("png"), initialName, true, EFileKind::Image};
}

QString SaveImageFile(const QString& path, const QImage& image) {
    const char* format = ImageFileFormat(path);
    if (!format)
        return ImageNameRefusal(path);
    QBuffer encoded;
    encoded.open(QIODevice::WriteOnly);
    if (!image.save(&encoded, format, qstrcmp(format, "JPEG") == 0 ? kJpegQuality : -1))
        return WithReason(CannotSave(path),
                          CImageFileTexts::tr("无法编码为 %1 图像").arg(QLatin1String(format)));
    const CFileWrite write = WriteWholeFile(path, encoded.data());
    if (write.result != EFileWriteResult::Written)
        return WithReason(CannotSave(path), WriteFailureReason(write));
    return QString();
}
