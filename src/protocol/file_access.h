#pragma once
// Reading and writing the program's files (feature files, .dat and .bin files) safely: a path
// that would block or never end when read is refused up front, and a whole file is written so
// that a failure leaves no partial file where that can be arranged.
#include <QString>

#include <functional>

class QIODevice;

// True for a path that exists but is neither a regular file nor a folder: a FIFO, a device or a
// socket. Opening or reading such a path can block the window or never reach an end, so the
// readers refuse it as a read failure before opening it.
bool IsStreamPath(const QString& path);

enum class EFileWriteResult {
    Written,
    OpenFailed,  // the file could not be created or emptied
    WriteFailed, // opened, but not every byte reached it
};

// Writes the whole file `path` through `write` (false when a write failed). Where a temporary
// file can be made beside the target, the target is replaced only once all of it is written, so
// a failure keeps an existing file as it was; in a folder where none can be made (no write
// permission, but a writable target), the target itself is created or emptied and written.
EFileWriteResult WriteWholeFile(const QString& path, const std::function<bool(QIODevice&)>& write);
