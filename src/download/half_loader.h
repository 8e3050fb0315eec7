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

// A read that fails puts its reason into `reason`.
EHalfLoadResult LoadProgramHalf(EProgramHalf half, const QString& path, QString* reason = nullptr);

// Loads the half as LoadProgramHalf does; "" when it loaded, else the message: "无法打开 <path>",
// "无效文件: <path>" or "文件读取失败!", which names the file and the reason after it.
QString LoadProgramHalfText(EProgramHalf half, const QString& path);
