#include "feature_files.h"

#include "files/file_errors.h"
#include "protocol/packets.h"

#include <QCoreApplication>
#include <QFile>

// The feature files' messages, translated as one context.
class CFeatureFileTexts {
    Q_DECLARE_TR_FUNCTIONS(CFeatureFileTexts)
};

CFileDialogOptions FeatureFileDialogOptions() {
    return CFileDialogOptions{QStringLiteral("feature files (*.fea)"), QStringLiteral("fea"),
                              QStringLiteral("feature"), true, EFileKind::Feature};
}

QString SecondFeaturePath(const QString& path) {
    return path + QStringLiteral(".fea");
}

namespace {

QString CannotOpen(const QString& path) {
    return CFeatureFileTexts::tr("无法打开 %1").arg(path);
}

QString CannotRead(const QString& path) {
    return CFeatureFileTexts::tr("读 %1 文件错误").arg(path);
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
        return CFeatureFileTexts::tr("请选择特征值文件");
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
        return WithReason(CFeatureFileTexts::tr("写 %1 文件错误").arg(path),
                          WriteFailureReason(write));
    case EFileWriteResult::Written:
        break;
    }
    return QString();
}
