#include "half_loader.h"

#include "dat_reader.h"
#include "download_texts.h"
#include "half_processing.h"

QString HalfLoadFailureText(EHalfLoadResult result, const QString& path) {
    switch (result) {
    case EHalfLoadResult::OpenFailed:
        return DownloadTexts::kCannotOpen + path;
    case EHalfLoadResult::ReadFailed:
        return DownloadTexts::kReadFailed;
    case EHalfLoadResult::InvalidFile:
        return DownloadTexts::kInvalidFile + path;
    case EHalfLoadResult::Loaded:
        break;
    }
    return QString();
}

EHalfLoadResult LoadProgramHalf(EProgramHalf half, const QString& path) {
    uint8_t* halfBytes = HalfBytes(half);
    switch (ReadDatFile(path, halfBytes)) {
    case EDatReadResult::OpenFailed:
        return EHalfLoadResult::OpenFailed;
    case EDatReadResult::ReadFailed:
        return EHalfLoadResult::ReadFailed;
    case EDatReadResult::Loaded:
        break;
    }
    if (!HasValidSignature(half, halfBytes))
        return EHalfLoadResult::InvalidFile;
    PostProcessHalf(half, halfBytes);
    return EHalfLoadResult::Loaded;
}
