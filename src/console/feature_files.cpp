#include "feature_files.h"

#include "files/file_errors.h"
#include "protocol/packets.h"

#include <QFile>

CFileDialogOptions FeatureFileDialogOptions() {
    return CFileDialogOptions{QStringLiteral("feature files (*.fea)"), QStringLiteral("fea"),
                              QStringLiteral("feature"), true, EFileKind::Feature};
}

QString SecondFeaturePath(const QString& path) {
    return path + QStringLiteral(".fea");
}

namespace {

QString CannotOpen(const QString& path) {
    return QStringLiteral("无法打开 ") + path;
}

QString CannotRead(const QString& path) {
    return QStringLiteral("读 ") + path + QStringLiteral(" 文件错误");
}

// Reads the feature value of one file to `destination`; "" or the message.
QString ReadFeatureFile(const QString& path, uint8_t* destination) {
    if (IsStreamPath(path))
        return CannotRead(path);
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return CannotOpen(path);
    if (file.read(reinterpret_cast<char*>(destination), kFeatureSize) != kFeatureSize)
        return CannotRead(path);
    return QString();
}

} // namespace

QString LoadFeatureFiles(const QString& path, bool twoFingers, uint8_t* txBuffer) {
    if (path.isEmpty())
        return QStringLiteral("请选择特征值文件");
    QString failure = ReadFeatureFile(path, txBuffer + kFeatureOffset);
    if (failure.isEmpty() && twoFingers)
        failure = ReadFeatureFile(SecondFeaturePath(path), txBuffer + kSecondFeatureOffset);
    return failure;
}

QString SaveFeatureValue(const QString& path, const uint8_t* feature, ELinkPolicy links) {
    const CFileWrite write = WriteWholeFile(
        path, QByteArray(reinterpret_cast<const char*>(feature), kFeatureSize), links);
    switch (write.result) {
    case EFileWriteResult::OpenFailed:
        return WithReason(CannotOpen(path), WriteFailureReason(write));
    case EFileWriteResult::WriteFailed:
        return WithReason(QStringLiteral("写 ") + path + QStringLiteral(" 文件错误"),
                          WriteFailureReason(write));
    case EFileWriteResult::Written:
        break;
    }
    return QString();
}
