#include "bin_writer.h"

#include "download_texts.h"
#include "program_image.h"

#include "files/file_access.h"
#include "files/file_errors.h"

#include <QBuffer>
#include <cstring>

namespace {
static_assert(kBinScratchSize == kProgramImageSize, "one half-swap pass fills the scratch");
static_assert(kBinFileSize == 2 * kBinScratchSize, "image, then the 0xFF tail");

uint8_t g_BinScratch[kBinScratchSize];

bool WriteScratch(QIODevice& device) {
    return device.write(reinterpret_cast<const char*>(g_BinScratch), kBinScratchSize) ==
           kBinScratchSize;
}
} // namespace

void FillSwappedImage(uint8_t* scratch) {
    for (int k = 0; k < kProgramImageSize / 2; ++k) {
        scratch[2 * k] = ProgramImage[2 * k + 1];
        scratch[2 * k + 1] = ProgramImage[2 * k];
    }
}

bool WriteBinImage(QIODevice& device) {
    FillSwappedImage(g_BinScratch);
    if (!WriteScratch(device))
        return false;
    std::memset(g_BinScratch, 0xFF, sizeof g_BinScratch);
    return WriteScratch(device);
}

QString WriteBinFile(const QString& path) {
    QBuffer bytes;
    bytes.open(QIODevice::WriteOnly);
    WriteBinImage(bytes);
    const CFileWrite write = WriteWholeFile(path, bytes.data());
    if (write.result == EFileWriteResult::Written)
        return QString();
    const QString& text = write.result == EFileWriteResult::OpenFailed
                              ? DownloadTexts::Tr(DownloadTexts::kBinOpenFailed)
                              : DownloadTexts::Tr(DownloadTexts::kBinWriteFailed);
    return WithReason(text + QLatin1Char(' ') + path, WriteFailureReason(write));
}
