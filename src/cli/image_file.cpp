#include "image_file.h"

#include "console/image_decoder.h"

#include <QImage>
#include <QImageWriter>
#include <QSaveFile>
#include <vector>

QString SaveImageReply(const QString& path, const uint8_t* reply, int count) {
    std::vector<uint8_t> canvas(kCanvasSize);
    const CImageDisplay display = DecodeImageReply(reply, count, canvas.data());
    // Rows of the display width follow each other directly in the canvas.
    const QImage image(canvas.data(), display.width, display.height, display.width,
                       QImage::Format_Grayscale8);
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return QStringLiteral("无法打开 ") + path;
    QImageWriter writer(&file, "png");
    if (!writer.write(image) || !file.commit())
        return QStringLiteral("cannot write %1: %2").arg(path, file.errorString());
    return QString();
}
