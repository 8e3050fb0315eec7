#pragma once
// Every text the program download panel shows, written once.
#include <QString>

namespace DownloadTexts {
// Captions and labels.
inline const QString kPanelName = QStringLiteral("程序下载工具");
inline const QString kFileGroup = QStringLiteral("程序文件选择");
inline const QString kLabel28000 = QStringLiteral("0x28000");
inline const QString kLabel38000 = QStringLiteral("0x38000");
inline const QString kProgressLabel = QStringLiteral("下载进度");
inline const QString kBrowse = QStringLiteral("浏览");
inline const QString kStartDownload = QStringLiteral("开始下载");
inline const QString kCancel = QStringLiteral("取消");
inline const QString kGenerateBin = QStringLiteral("生成Bin文件");
inline const QString kClose = QStringLiteral("关闭");

// File dialogs.
inline const QString kDatFilter = QStringLiteral("DSP program data files - 28000 (*.dat)");
inline const QString kDatSuffix = QStringLiteral("dat");
inline const QString kBinFilter = QStringLiteral("bin files (*.bin)");
inline const QString kBinSuffix = QStringLiteral("bin");

// Messages; kCannotOpen and kInvalidFile are followed by the full path.
inline const QString kCannotOpen = QStringLiteral("无法打开 ");
inline const QString kReadFailed = QStringLiteral("文件读取失败!");
inline const QString kInvalidFile = QStringLiteral("无效文件: ");
inline const QString kBinOpenFailed = QStringLiteral("HEX文件打开失败!");
inline const QString kBinWriteFailed = QStringLiteral("Bin文件写入失败!");
inline const QString kDownloadDone = QStringLiteral("已成功完成下载!");
inline const QString kDownloadFailed = QStringLiteral("下载失败!");
inline const QString kDownloadInterrupted = QStringLiteral("下载已中断!");
inline const QString kSelectProgramFirst = QStringLiteral("请先选择程序文件!");

// Questions (OK and Cancel, empty caption).
inline const QString kAskCancel = QStringLiteral("取消此次下载，是否确定？");
inline const QString kAskOverwrite = QStringLiteral("下载新的程序会冲掉片内原程序，是否继续？");
inline const QString kAskFaultyProgram = QStringLiteral("片内程序有误，是否继续？");
} // namespace DownloadTexts
