#include "file_access.h"

#include <QFileInfo>
#include <QSaveFile>

bool IsStreamPath(const QString& path) {
    const QFileInfo info(path);
    return info.exists() && !info.isFile() && !info.isDir();
}

EFileWriteResult WriteWholeFile(const QString& path, const std::function<bool(QIODevice&)>& write) {
    QSaveFile file(path);
    file.setDirectWriteFallback(true);
    if (!file.open(QIODevice::WriteOnly))
        return EFileWriteResult::OpenFailed;
    // The explicit flush matters: Qt 6.4's commit() still puts a file in place whose buffered
    // bytes failed to reach the disk.
    if (!write(file) || !file.flush()) {
        file.cancelWriting(); // the destructor then removes the temporary file
        return EFileWriteResult::WriteFailed;
    }
    return file.commit() ? EFileWriteResult::Written : EFileWriteResult::WriteFailed;
}
