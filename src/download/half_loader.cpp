#include "half_loader.h"

#include "dat_reader.h"
#include "download_texts.h"
#include "half_processing.h"

#include "files/file_errors.h"

namespace {
QString HalfLoadFailureText(EHalfLoadResult result, const QString& path, const QString& reason) {
    switch (result) {
    case EHalfLoadResult::OpenFailed:
        return DownloadTexts::Tr(DownloadTexts::kCannotOpen) + path;
    case EHalfLoadResult::ReadFailed:
        return WithReason(DownloadTexts::Tr(DownloadTexts::kReadFailed) + QLatin1Char(' ') + path,
                          reason);
    case EHalfLoadResult::InvalidFile:
        return DownloadTexts::Tr(DownloadTexts::kInvalidFile) + path;
    case EHalfLoadResult::Loaded:
        break;
    }
    return QString();
}
} // namespace

EHalfLoadResult LoadProgramHalf(EProgramHalf half, const QString& path, QString* reason) {
    uint8_t* halfBytes = HalfBytes(half);
    switch (ReadDatFile(path, halfBytes, reason)) {
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

QString LoadProgramHalfText(EProgramHalf half, const QString& path) {
    QString reason;
    const EHalfLoadResult result = LoadProgramHalf(half, path, &reason);
    return HalfLoadFailureText(result, path, reason);
}
