#pragma once
// Every text the communication settings panel shows, written once.
#include <QCoreApplication>
#include <QString>

namespace CommSetupTexts {
inline constexpr const char* kPanelName = QT_TRANSLATE_NOOP("CommSetupTexts", "通信设置");
inline constexpr const char* kPortLabel = QT_TRANSLATE_NOOP("CommSetupTexts", "通信串口选择");
inline constexpr const char* kPcRateLabel =
    QT_TRANSLATE_NOOP("CommSetupTexts", "当前通信波特率选择");
inline constexpr const char* kModuleRateLabel =
    QT_TRANSLATE_NOOP("CommSetupTexts", "脱机模块波特率设置");
inline constexpr const char* kChangeCaption = QT_TRANSLATE_NOOP("CommSetupTexts", "更改");
inline constexpr const char* kSendCaption = QT_TRANSLATE_NOOP("CommSetupTexts", "发送命令");
inline constexpr const char* kCloseCaption = QT_TRANSLATE_NOOP("CommSetupTexts", "关闭");
inline constexpr const char* kPortErrorText = QT_TRANSLATE_NOOP("CommSetupTexts", "串口错误!");
inline constexpr const char* kCommFailedText = QT_TRANSLATE_NOOP("CommSetupTexts", "通信失败!");

// A text above in the program's language; the constants themselves stay the source texts.
inline QString Tr(const char* text) {
    return QCoreApplication::translate("CommSetupTexts", text);
}
} // namespace CommSetupTexts
