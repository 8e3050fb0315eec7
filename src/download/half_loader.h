#pragma once
// Loading one half of the program image from its .dat file: read, check, prepare.
#include "program_image.h"

#include <QString>

enum class EHalfLoadResult {
    Loaded,      // read, signature passed, post-processed
    OpenFailed,  // the file could not be opened
    ReadFailed,  // the file ended early; the values read so far stay in the half
    InvalidFile, // wrong signature; the half holds the file's values unprocessed
};

EHalfLoadResult LoadProgramHalf(EProgramHalf half, const QString& path);
