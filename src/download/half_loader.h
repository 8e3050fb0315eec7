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

// The message for a load that failed ("" when it loaded): "无法打开 <path>", "文件读取失败!" or
// "无效文件: <path>".
QString HalfLoadFailureText(EHalfLoadResult result, const QString& path);
