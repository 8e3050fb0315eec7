#include "dat_reader.h"

#include "program_image.h"

#include "files/file_access.h"
#include "files/file_errors.h"

#include <QCoreApplication>
#include <QFile>
#include <cstring>
#include <vector>

namespace {
int DigitValue(unsigned char c) {
    if (c >= 'A' && c <= 'Z')
        return c - 55;
    if (c >= 'a' && c <= 'z')
        return c - 87;
    return c - 48;
}

constexpr qint64 kRecordBytes = qint64(kDatRecordCount) * kDatRecordSize;
constexpr qint64 kHeaderPiece = 16384;
static_assert(kHeaderPiece <= kRecordBytes, "a header piece fits in the record buffer");
// A header line longer than this is no header: the file (or an endless stream chosen by
// mistake) is read no further.
constexpr qint64 kMaxHeaderBytes = 1 << 20;

// Reads up to count bytes, going on after short reads; returns how many arrived.
qint64 ReadFully(QIODevice& device, char* dest, qint64 count) {
    qint64 total = 0;
    while (total < count) {
        const qint64 n = device.read(dest + total, count - total);
        if (n <= 0)
            break;
        total += n;
    }
    return total;
}

enum class EHeaderSkip { Skipped, Ended, TooLong };

// Reads the header in pieces into the record buffer until a piece holds the first line feed;
// the bytes after it are the start of the records and move to the front of the buffer.
// Fails when the device ends first or no line feed comes within kMaxHeaderBytes.
EHeaderSkip SkipHeaderLine(QIODevice& device, char* records, qint64* recordBytesRead) {
    qint64 skipped = 0;
    while (skipped < kMaxHeaderBytes) {
        const qint64 n = device.read(records, kHeaderPiece);
        if (n <= 0)
            return EHeaderSkip::Ended;
        skipped += n;
        const char* lineFeed = static_cast<const char*>(std::memchr(records, '\n', size_t(n)));
        if (lineFeed) {
            const qint64 rest = records + n - (lineFeed + 1);
            std::memmove(records, lineFeed + 1, size_t(rest));
            *recordBytesRead = rest;
            return EHeaderSkip::Skipped;
        }
    }
    return EHeaderSkip::TooLong;
}

void SetReason(QString* reason, const QString& text) {
    if (reason)
        *reason = text;
}
} // namespace

uint16_t HexToWord(const char* fourChars) {
    uint32_t value = 0;
    for (int i = 0; i < 4; ++i) {
        const int digit = DigitValue(static_cast<unsigned char>(fourChars[i]));
        value = (value * 16 + static_cast<uint32_t>(digit)) & 0xFFFF;
    }
    return static_cast<uint16_t>(value);
}

EDatReadResult ReadDatRecords(QIODevice& device, uint8_t* halfBytes, QString* reason) {
    std::vector<char> records(static_cast<size_t>(kRecordBytes));
    qint64 got = 0;
    switch (SkipHeaderLine(device, records.data(), &got)) {
    case EHeaderSkip::Ended:
        SetReason(reason,
                  QCoreApplication::translate("DownloadTexts", "文件在标题行结束之前就结束了"));
        return EDatReadResult::ReadFailed;
    case EHeaderSkip::TooLong:
        SetReason(reason,
                  QCoreApplication::translate("DownloadTexts", "标题行过长（1 MiB 内没有换行）"));
        return EDatReadResult::ReadFailed;
    case EHeaderSkip::Skipped:
        break;
    }
    got += ReadFully(device, records.data() + got, kRecordBytes - got);
    // Record k is complete when its prefix and its six-byte read both arrived.
    const int complete = static_cast<int>(got / kDatRecordSize);
    for (int k = 0; k < complete; ++k) {
        const char* digits = records.data() + k * kDatRecordSize + kDatRecordPrefix;
        SetHalfValue(halfBytes, k, HexToWord(digits));
    }
    if (complete == kDatRecordCount)
        return EDatReadResult::Loaded;
    SetReason(reason, QCoreApplication::translate("DownloadTexts", "只有 %1 条完整记录，应有 %2 条")
                          .arg(complete)
                          .arg(kDatRecordCount));
    return EDatReadResult::ReadFailed;
}

EDatReadResult ReadDatFile(const QString& path, uint8_t* halfBytes, QString* reason) {
    if (IsStreamPath(path)) {
        SetReason(reason, NotAPlainFileText());
        return EDatReadResult::ReadFailed;
    }
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly | QIODevice::Unbuffered))
        return EDatReadResult::OpenFailed;
    return ReadDatRecords(file, halfBytes, reason);
}
