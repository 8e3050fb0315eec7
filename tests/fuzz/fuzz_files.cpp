// The feature-file loader and the batch-folder scanner on arbitrary names and contents. The input
// is a list of files: a flag byte (bit 0: the name gets ".fea" appended, bit 1: upper-case ".FEA"),
// a name length, the name bytes, a 16-bit content length and the contents. They are created in a
// fresh temporary folder, which is then scanned as a batch; every item is filled, and the first
// file is loaded as one and as two fingers.
#include "fuzz_target.h"

#include "console/batch_folder_scan.h"
#include "console/feature_files.h"
#include "protocol/buffers.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <cstdlib>

namespace {
struct CInput {
    const uint8_t* data;
    size_t size;
    size_t pos = 0;
    bool Take(size_t n, const uint8_t** out) {
        if (size - pos < n)
            return false;
        *out = data + pos;
        pos += n;
        return true;
    }
};

// A single path component from any bytes: no separators, no NUL, not "." or "..".
QString SafeName(const uint8_t* bytes, size_t n, uint8_t flags) {
    QString name =
        QString::fromUtf8(reinterpret_cast<const char*>(bytes), static_cast<qsizetype>(n));
    name.remove(QLatin1Char('/'));
    name.remove(QChar(0));
    if (flags & 1)
        name += (flags & 2) ? QStringLiteral(".FEA") : QStringLiteral(".fea");
    if (name.isEmpty() || name == QStringLiteral(".") || name == QStringLiteral(".."))
        name = QStringLiteral("x");
    return name.left(200);
}

QString FirstFile(const QString& folder, CInput& input) {
    QString first;
    const uint8_t* head = nullptr;
    int files = 0;
    while (files < 64 && input.Take(2, &head)) {
        const uint8_t flags = head[0];
        const uint8_t* nameBytes = nullptr;
        const uint8_t* lengthBytes = nullptr;
        if (!input.Take(head[1], &nameBytes) || !input.Take(2, &lengthBytes))
            break;
        const size_t length =
            std::min<size_t>(lengthBytes[0] << 8 | lengthBytes[1], input.size - input.pos);
        const uint8_t* contents = nullptr;
        input.Take(length, &contents);
        QFile file(folder + QLatin1Char('/') + SafeName(nameBytes, head[1], flags));
        if (file.open(QIODevice::WriteOnly)) {
            file.write(reinterpret_cast<const char*>(contents), static_cast<qint64>(length));
            if (first.isEmpty())
                first = file.fileName();
        }
        ++files;
    }
    return first;
}

void CheckBatch(const CBatchList& list, uint8_t* tx) {
    if (list.Count() < 0 || list.Count() > kBatchCapacity)
        std::abort();
    for (int i = 1; i < list.Count(); ++i)
        if (list.Key(i - 1) > list.Key(i))
            std::abort();
    for (int pos = 0; pos < list.Count(); ++pos) {
        FillBatchItem(list, pos, tx);
        if (BatchItemUser(list, pos) > kMaxBatchUser)
            std::abort();
    }
    FillBatchItem(list, list.Count(), tx); // outside the items: nothing is written
}
} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    QTemporaryDir dir;
    if (!dir.isValid())
        return 0;
    CInput input{data, size};
    const QString first = FirstFile(dir.path(), input);
    for (const QString& name : QDir(dir.path()).entryList(QDir::Files))
        BatchUserNumber(name);
    static uint8_t tx[kTxBufferSize]; // a session's transmit packet
    CBatchList list;
    ScanBatchFolder(dir.path(), &list);
    CheckBatch(list, tx);
    if (!first.isEmpty()) {
        LoadFeatureFiles(first, false, tx);
        LoadFeatureFiles(first, true, tx);
        SaveFeatureValue(first, tx + 12);
    }
    return 0;
}
