#include "feature_files.h"

#include "protocol/packets.h"

#include <QFile>
#include <QSaveFile>

CFileDialogSpec FeatureFileDialogSpec() {
    return CFileDialogSpec{QStringLiteral("feature files (*.fea)"), QStringLiteral("fea"),
                           QStringLiteral("feature")};
}

QString SecondFeaturePath(const QString& path) {
    return path + QStringLiteral(".fea");
}

namespace {

QString CannotOpen(const QString& path) {
    return QStringLiteral("无法打开 ") + path;
}

// Reads the feature value of one file to `destination`; "" or the message.
QString ReadFeatureFile(const QString& path, uint8_t* destination) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return CannotOpen(path);
    if (file.read(reinterpret_cast<char*>(destination), kFeatureSize) != kFeatureSize)
        return QStringLiteral("读 ") + path + QStringLiteral(" 文件错误");
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

QString SaveFeatureValue(const QString& path, const uint8_t* feature) {
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return CannotOpen(path);
    // The explicit flush matters: Qt 6.4's commit() still puts a file in place whose buffered
    // bytes failed to reach the disk.
    const bool written =
        file.write(reinterpret_cast<const char*>(feature), kFeatureSize) == kFeatureSize &&
        file.flush();
    if (!written || !file.commit()) {
        file.cancelWriting();
        return QStringLiteral("写 ") + path + QStringLiteral(" 文件错误");
    }
    return QString();
}
