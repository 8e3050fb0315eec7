#include "bin_writer.h"

#include "program_image.h"

#include <QSaveFile>
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

EBinWriteResult WriteBinFile(const QString& path) {
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return EBinWriteResult::CreateFailed;
    if (!WriteBinImage(file)) {
        file.cancelWriting(); // the destructor then removes the temporary file
        return EBinWriteResult::WriteFailed;
    }
    return file.commit() ? EBinWriteResult::Written : EBinWriteResult::WriteFailed;
}
