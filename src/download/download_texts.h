#pragma once
// Every text the program download panel shows, written once.
#include <QCoreApplication>
#include <QString>

namespace DownloadTexts {
// Captions and labels.
inline constexpr const char* kPanelName = QT_TRANSLATE_NOOP("DownloadTexts", "程序下载工具");
inline constexpr const char* kFileGroup = QT_TRANSLATE_NOOP("DownloadTexts", "程序文件选择");
inline const QString kLabel28000 = QStringLiteral("0x28000");
inline const QString kLabel38000 = QStringLiteral("0x38000");
inline constexpr const char* kProgressLabel = QT_TRANSLATE_NOOP("DownloadTexts", "下载进度");
inline constexpr const char* kBrowse = QT_TRANSLATE_NOOP("DownloadTexts", "浏览");
inline constexpr const char* kStartDownload = QT_TRANSLATE_NOOP("DownloadTexts", "开始下载");
inline constexpr const char* kCancel = QT_TRANSLATE_NOOP("DownloadTexts", "取消");
inline constexpr const char* kGenerateBin = QT_TRANSLATE_NOOP("DownloadTexts", "生成Bin文件");
inline constexpr const char* kClose = QT_TRANSLATE_NOOP("DownloadTexts", "关闭");

// File dialogs.
inline const QString kDatFilter = QStringLiteral("DSP program data files - 28000 (*.dat)");
inline const QString kDatSuffix = QStringLiteral("dat");
inline const QString kBinFilter = QStringLiteral("bin files (*.bin)");
inline const QString kBinSuffix = QStringLiteral("bin");

// Messages; kCannotOpen and kInvalidFile are followed by the full path.
inline constexpr const char* kCannotOpen = QT_TRANSLATE_NOOP("DownloadTexts", "无法打开 ");
inline constexpr const char* kReadFailed = QT_TRANSLATE_NOOP("DownloadTexts", "文件读取失败!");
inline constexpr const char* kInvalidFile = QT_TRANSLATE_NOOP("DownloadTexts", "无效文件: ");
inline constexpr const char* kBinOpenFailed =
    QT_TRANSLATE_NOOP("DownloadTexts", "HEX文件打开失败!");
inline constexpr const char* kBinWriteFailed =
    QT_TRANSLATE_NOOP("DownloadTexts", "Bin文件写入失败!");
inline constexpr const char* kDownloadDone = QT_TRANSLATE_NOOP("DownloadTexts", "已成功完成下载!");
inline constexpr const char* kDownloadFailed = QT_TRANSLATE_NOOP("DownloadTexts", "下载失败!");
inline constexpr const char* kDownloadInterrupted =
    QT_TRANSLATE_NOOP("DownloadTexts", "下载已中断!");
inline constexpr const char* kSelectProgramFirst =
    QT_TRANSLATE_NOOP("DownloadTexts", "请先选择程序文件!");

// Questions (OK and Cancel, empty caption).
inline constexpr const char* kAskCancel =
    QT_TRANSLATE_NOOP("DownloadTexts", "取消此次下载，是否确定？");
inline constexpr const char* kAskOverwrite =
    QT_TRANSLATE_NOOP("DownloadTexts", "下载新的程序会冲掉片内原程序，是否继续？");
inline constexpr const char* kAskFaultyProgram =
    QT_TRANSLATE_NOOP("DownloadTexts", "片内程序有误，是否继续？");

// A text above in the program's language; the constants themselves stay the source texts.
inline QString Tr(const char* text) {
    return QCoreApplication::translate("DownloadTexts", text);
}
} // namespace DownloadTexts
