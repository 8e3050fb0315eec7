// The .dat reader and the preparation of an accepted half, on any file contents. The first byte
// chooses the half and how the rest becomes a file: taken as it is (any header, any record bytes,
// any length), or as the values of a well-formed file of 32768 records (cycled through the input),
// so that the signature check and the post-processing see arbitrary program values too.
#include "fuzz_target.h"

#include "download/dat_reader.h"
#include "download/half_processing.h"
#include "download/program_image.h"

#include <QBuffer>
#include <QByteArray>
#include <cstdio>
#include <cstdlib>

namespace {
QByteArray WellFormedFile(const uint8_t* data, size_t size, bool signed28000, bool signed38000) {
    QByteArray file = QByteArrayLiteral("; generated\r\n");
    file.reserve(file.size() + kDatRecordCount * kDatRecordSize);
    char record[16];
    for (int k = 0; k < kDatRecordCount; ++k) {
        unsigned value = 0;
        if (size >= 2)
            value = data[(2 * k) % size] << 8 | data[(2 * k + 1) % size];
        if (k == 0 && (signed28000 || signed38000))
            value = kSignatureFirst;
        if (k == 1 && (signed28000 || signed38000))
            value = signed28000 ? kSignature28000 : kSignature38000;
        std::snprintf(record, sizeof record, "0x%04X\r\n", value & 0xFFFF);
        file.append(record, kDatRecordSize);
    }
    return file;
}

void CheckHalfUntouchedOutside(EProgramHalf half) {
    // The other half must not be written by a read or post-processing of this one.
    const EProgramHalf other =
        half == EProgramHalf::Half28000 ? EProgramHalf::Half38000 : EProgramHalf::Half28000;
    const uint8_t* bytes = HalfBytes(other);
    for (int i = 0; i < kProgramHalfSize; ++i)
        if (bytes[i] != 0)
            std::abort();
}
} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (size < 1)
        return 0;
    const uint8_t mode = data[0];
    const EProgramHalf half = (mode & 1) ? EProgramHalf::Half38000 : EProgramHalf::Half28000;
    const uint8_t* rest = data + 1;
    const size_t restSize = size - 1;
    QByteArray file = (mode & 2) ? WellFormedFile(rest, restSize, mode & 4, mode & 8)
                                 : QByteArray(reinterpret_cast<const char*>(rest),
                                              static_cast<qsizetype>(restSize));
    ResetProgramImage();
    QBuffer device(&file);
    device.open(QIODevice::ReadOnly);
    uint8_t* halfBytes = HalfBytes(half);
    const EDatReadResult result = ReadDatRecords(device, halfBytes);
    if (result == EDatReadResult::Loaded && HasValidSignature(half, halfBytes))
        PostProcessHalf(half, halfBytes);
    CheckHalfUntouchedOutside(half);
    return 0;
}
