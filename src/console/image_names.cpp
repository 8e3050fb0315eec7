#include "image_names.h"

#include "files/file_errors.h"

#include <QCoreApplication>
#include <QFileInfo>

// The image names' texts, translated as one context.
class CImageNameTexts {
    Q_DECLARE_TR_FUNCTIONS(CImageNameTexts)
};

const char* ImageFileFormat(const QString& path) {
    const QString suffix = QFileInfo(path).suffix().toLower();
    if (suffix == QLatin1String("png"))
        return "PNG";
    if (suffix == QLatin1String("bmp"))
        return "BMP";
    if (suffix == QLatin1String("jpg") || suffix == QLatin1String("jpeg"))
        return "JPEG";
    return nullptr;
}

QString ImageNameRefusal(const QString& path) {
    if (ImageFileFormat(path))
        return QString();
    return WithReason(
        CannotSave(path),
        CImageNameTexts::tr("文件名须以 .png、.bmp、.jpg 或 .jpeg 结尾（PNG、BMP 或 JPEG 图像）"));
}

QString CannotSave(const QString& path) {
    return CImageNameTexts::tr("无法保存 %1").arg(path);
}
