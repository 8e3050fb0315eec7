#include "bin_writer.h"

#include "program_image.h"

#include "protocol/file_access.h"

#include <QIODevice>
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
    switch (WriteWholeFile(path, WriteBinImage)) {
    case EFileWriteResult::OpenFailed:
        return EBinWriteResult::CreateFailed;
    case EFileWriteResult::WriteFailed:
        return EBinWriteResult::WriteFailed;
    case EFileWriteResult::Written:
        break;
    }
    return EBinWriteResult::Written;
}
