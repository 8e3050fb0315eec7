#include "half_loader.h"

#include "dat_reader.h"
#include "half_processing.h"

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
