#include "file_access.h"

#include "file_errors.h"

#include <QFile>
#include <QFileInfo>
#include <QRandomGenerator>
#include <QStorageInfo>

#include <cerrno>
#include <filesystem>
#include <system_error>
#ifdef Q_OS_UNIX
#include <QCoreApplication>
#include <unistd.h>

// Why a write failed, translated as one context.
class CFileAccessTexts {
    Q_DECLARE_TR_FUNCTIONS(CFileAccessTexts)
};
#endif

bool IsStreamPath(const QString& path) {
    const QFileInfo info(path);
    return info.exists() && !info.isFile() && !info.isDir();
}

namespace {
constexpr int kMaxLinks = 40;     // links followed in a row, as the system follows them
constexpr int kNameAttempts = 16; // names tried for the new file beside the target

// The file a name leads to once its links are followed.
QString LinkTarget(const QString& path) {
    QFileInfo info(path);
    for (int depth = 0; depth < kMaxLinks && info.isSymLink(); ++depth)
        info.setFile(info.symLinkTarget());
    return info.filePath();
}

CFileWrite Failed(EFileWriteResult result, int error) {
    CFileWrite write;
    write.result = result;
    write.error = error;
    return write;
}

// A file of a new name beside `target`, made for this write alone: a name that exists, link or
// not, is never opened. It takes the permissions of the file it is to replace.
bool CreateBeside(const QString& target, QFile& file) {
    const QFileInfo existing(target);
    const bool plainFile = existing.isFile() && !existing.isSymLink();
    for (int attempt = 0; attempt < kNameAttempts; ++attempt) {
        file.setFileName(QStringLiteral("%1.%2.tmp")
                             .arg(target)
                             .arg(QRandomGenerator::global()->generate(), 8, 16, QLatin1Char('0')));
        errno = 0;
        const QIODevice::OpenMode mode =
            QIODevice::WriteOnly | QIODevice::NewOnly | QIODevice::Unbuffered;
        if (plainFile ? file.open(mode, existing.permissions()) : file.open(mode))
            return !plainFile || file.setPermissions(existing.permissions());
        if (errno != EEXIST)
            return false;
    }
    return false;
}

// Every byte, on the disk (the file is unbuffered: nothing is held back to fail later).
bool WriteAll(QFile& file, const QByteArray& contents) {
    errno = 0;
    if (file.write(contents) != contents.size())
        return false;
#ifdef Q_OS_UNIX
    return ::fsync(file.handle()) == 0;
#else
    return true;
#endif
}

bool CanWriteInPlace(const QString& target, int error) {
    const QFileInfo info(target);
    return error == EACCES && !info.isSymLink() && info.isFile() && info.isWritable();
}

// The target itself emptied and written, once its file system can hold the new contents.
CFileWrite WriteInPlace(const QString& target, const QByteArray& contents) {
    const qint64 size = QFileInfo(target).size();
    const QStorageInfo storage(target);
    if (storage.isValid() && contents.size() > storage.bytesAvailable() + size) {
        CFileWrite refused = Failed(EFileWriteResult::WriteFailed, ENOSPC);
        refused.needed = contents.size();
        refused.room = storage.bytesAvailable() + size;
        return refused;
    }
    QFile file(target);
    errno = 0;
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate | QIODevice::Unbuffered))
        return Failed(EFileWriteResult::OpenFailed, LastErrorNumber());
    if (WriteAll(file, contents))
        return CFileWrite();
    CFileWrite failed = Failed(EFileWriteResult::WriteFailed, LastErrorNumber());
    failed.oldChanged = true;
    return failed;
}

std::filesystem::path NativePath(const QString& path) {
    return std::filesystem::path(QFile::encodeName(path).toStdString());
}
} // namespace

CFileWrite WriteWholeFile(const QString& path, const QByteArray& contents, ELinkPolicy links) {
    const QString target = links == ELinkPolicy::Follow ? LinkTarget(path) : path;
    const QFileInfo existing(target);
    if (existing.isDir() && !existing.isSymLink())
        return Failed(EFileWriteResult::OpenFailed, EISDIR);
    QFile file;
    if (!CreateBeside(target, file)) {
        const int error = LastErrorNumber();
        return CanWriteInPlace(target, error) ? WriteInPlace(target, contents)
                                              : Failed(EFileWriteResult::OpenFailed, error);
    }
    const bool written = WriteAll(file, contents);
    const int error = LastErrorNumber();
    file.close();
    if (!written) {
        QFile::remove(file.fileName());
        return Failed(EFileWriteResult::WriteFailed, error);
    }
    // A rename replaces the name itself: a link of that name goes, and what it led to stays.
    std::error_code renamed;
    std::filesystem::rename(NativePath(file.fileName()), NativePath(target), renamed);
    if (!renamed)
        return CFileWrite();
    QFile::remove(file.fileName());
    return Failed(EFileWriteResult::WriteFailed, renamed.value());
}

QString WriteFailureReason(const CFileWrite& write) {
    if (write.result == EFileWriteResult::Written)
        return QString();
    QString reason = write.needed > 0
                         ? CFileAccessTexts::tr("磁盘空间不足（需要 %1 字节，只有 %2 字节）")
                               .arg(write.needed)
                               .arg(write.room)
                         : SystemErrorText(write.error);
    if (write.oldChanged)
        reason += CFileAccessTexts::tr("；原文件已被改写");
    return reason;
}
