#include "image_saver.h"

#include "console/image_names.h"
#include "files/file_errors.h"

#include <QCoreApplication>
#include <QLibrary>
#include <QMutex>

namespace {
using SaveFunction = void (*)(const QString& path, const QByteArray& reply, QString* failure);

const char* const kWriterName = "morvane-cli-image";

// Loaded once for the whole program; every port's thread may ask.
SaveFunction Writer(QString* why) {
    static QMutex mutex;
    static SaveFunction writer = nullptr;
    static QString failure;
    QMutexLocker lock(&mutex);
    if (writer || !failure.isEmpty()) {
        *why = failure;
        return writer;
    }
    const QString here = QCoreApplication::applicationDirPath();
    for (const QString& folder :
         {here, here + QStringLiteral("/../") + QStringLiteral(MORVANE_CLI_IMAGE_DIR)}) {
        QLibrary library(folder + QLatin1Char('/') + QLatin1String(kWriterName));
        writer = reinterpret_cast<SaveFunction>(library.resolve("MorvaneSaveImageReply"));
        if (writer)
            return writer;
        failure = library.errorString();
    }
    *why = failure;
    return nullptr;
}
} // namespace

QString SaveImageReply(const QString& path, const QByteArray& reply) {
    QString failure;
    const SaveFunction writer = Writer(&failure);
    if (!writer)
        return WithReason(CannotSave(path), failure);
    writer(path, reply, &failure);
    return failure;
}
