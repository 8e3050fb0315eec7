#pragma once
// Reading and writing the program's files (feature files, images, .dat and .bin files, logs)
// safely: a path that would block or never end when read is refused up front, and a whole file
// is written so that a failure leaves no partial file where that can be arranged, and says so
// where it cannot.
#include <QByteArray>
#include <QString>

// True for a path that exists but is neither a regular file nor a folder: a FIFO, a device or a
// socket. Opening or reading such a path can block the window or never reach an end, so the
// readers refuse it as a read failure before opening it.
bool IsStreamPath(const QString& path);

// What a write does with a name that is a symbolic link.
enum class ELinkPolicy {
    Follow,  // a name the user typed or picked: the file the link leads to is written
    Replace, // a name the program chose inside a folder: the link itself gives way to a plain
             // file, so that nothing outside the folder is created or changed
};

enum class EFileWriteResult {
    Written,
    OpenFailed,  // nothing could be created; nothing changed
    WriteFailed, // not all of it could be written; see CFileWrite for what became of the file
};

struct CFileWrite {
    EFileWriteResult result = EFileWriteResult::Written;
    int error = 0;           // the system's error number of the failure
    qint64 needed = 0;       // refused for want of room: the bytes to write …
    qint64 room = 0;         // … and the bytes the file system could give the file
    bool oldChanged = false; // the existing file was being written in place when it failed
};

// Writes `contents` as the whole file `path`. The bytes go to a new file beside the target,
// which then takes the target's name, so a failure keeps an existing file as it was. In a folder
// where no new file can be made (no write permission) but the target is a writable file, it is
// written in place: only when its file system has room for the new contents (its free space
// plus the file's own size), else it is refused and the file stays as it was.
CFileWrite WriteWholeFile(const QString& path, const QByteArray& contents,
                          ELinkPolicy links = ELinkPolicy::Follow);

// Why a write failed, for the end of its message: the system's reason, the sizes when there was
// no room, and that the old file was changed when a write in place failed. "" when written.
QString WriteFailureReason(const CFileWrite& write);
