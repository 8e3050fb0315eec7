#pragma once
// Every text the program download panel shows, written once.
#include "protocol/translated_text.h"

#include <QCoreApplication>
#include <QString>

namespace DownloadTexts {
// Captions and labels.
inline const QString kPanelName =
    QStringLiteral(QT_TRANSLATE_NOOP("DownloadTexts", "程序下载工具"));
inline const QString kFileGroup =
    QStringLiteral(QT_TRANSLATE_NOOP("DownloadTexts", "程序文件选择"));
inline const QString kLabel28000 = QStringLiteral("0x28000");
inline const QString kLabel38000 = QStringLiteral("0x38000");
inline const QString kProgressLabel =
    QStringLiteral(QT_TRANSLATE_NOOP("DownloadTexts", "下载进度"));
inline const QString kBrowse = QStringLiteral(QT_TRANSLATE_NOOP("DownloadTexts", "浏览"));
inline const QString kStartDownload =
    QStringLiteral(QT_TRANSLATE_NOOP("DownloadTexts", "开始下载"));
inline const QString kCancel = QStringLiteral(QT_TRANSLATE_NOOP("DownloadTexts", "取消"));
inline const QString kGenerateBin =
    QStringLiteral(QT_TRANSLATE_NOOP("DownloadTexts", "生成Bin文件"));
inline const QString kClose = QStringLiteral(QT_TRANSLATE_NOOP("DownloadTexts", "关闭"));

// File dialogs.
inline const QString kDatFilter = QStringLiteral("DSP program data files - 28000 (*.dat)");
inline const QString kDatSuffix = QStringLiteral("dat");
inline const QString kBinFilter = QStringLiteral("bin files (*.bin)");
inline const QString kBinSuffix = QStringLiteral("bin");

// Messages; kCannotOpen and kInvalidFile are followed by the full path.
inline const QString kCannotOpen = QStringLiteral(QT_TRANSLATE_NOOP("DownloadTexts", "无法打开 "));
inline const QString kReadFailed =
    QStringLiteral(QT_TRANSLATE_NOOP("DownloadTexts", "文件读取失败!"));
inline const QString kInvalidFile =
    QStringLiteral(QT_TRANSLATE_NOOP("DownloadTexts", "无效文件: "));
inline const QString kBinOpenFailed =
    QStringLiteral(QT_TRANSLATE_NOOP("DownloadTexts", "HEX文件打开失败!"));
inline const QString kBinWriteFailed =
    QStringLiteral(QT_TRANSLATE_NOOP("DownloadTexts", "Bin文件写入失败!"));
inline const QString kDownloadDone =
    QStringLiteral(QT_TRANSLATE_NOOP("DownloadTexts", "已成功完成下载!"));
inline const QString kDownloadFailed =
    QStringLiteral(QT_TRANSLATE_NOOP("DownloadTexts", "下载失败!"));
inline const QString kDownloadInterrupted =
    QStringLiteral(QT_TRANSLATE_NOOP("DownloadTexts", "下载已中断!"));
inline const QString kSelectProgramFirst =
    QStringLiteral(QT_TRANSLATE_NOOP("DownloadTexts", "请先选择程序文件!"));

// Questions (OK and Cancel, empty caption).
inline const QString kAskCancel =
    QStringLiteral(QT_TRANSLATE_NOOP("DownloadTexts", "取消此次下载，是否确定？"));
inline const QString kAskOverwrite =
    QStringLiteral(QT_TRANSLATE_NOOP("DownloadTexts", "下载新的程序会冲掉片内原程序，是否继续？"));
inline const QString kAskFaultyProgram =
    QStringLiteral(QT_TRANSLATE_NOOP("DownloadTexts", "片内程序有误，是否继续？"));

// A text above in the program's language; the constants themselves stay the source texts.
inline QString Tr(const QString& text) {
    return TranslatedSource("DownloadTexts", text);
}
} // namespace DownloadTexts
