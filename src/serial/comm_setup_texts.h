#pragma once
// Every text the communication settings panel shows, written once.
#include "protocol/translated_text.h"

#include <QCoreApplication>
#include <QString>

namespace CommSetupTexts {
inline const QString kPanelName = QStringLiteral(QT_TRANSLATE_NOOP("CommSetupTexts", "通信设置"));
inline const QString kPortLabel =
    QStringLiteral(QT_TRANSLATE_NOOP("CommSetupTexts", "通信串口选择"));
inline const QString kPcRateLabel =
    QStringLiteral(QT_TRANSLATE_NOOP("CommSetupTexts", "当前通信波特率选择"));
inline const QString kModuleRateLabel =
    QStringLiteral(QT_TRANSLATE_NOOP("CommSetupTexts", "脱机模块波特率设置"));
inline const QString kChangeCaption = QStringLiteral(QT_TRANSLATE_NOOP("CommSetupTexts", "更改"));
inline const QString kSendCaption = QStringLiteral(QT_TRANSLATE_NOOP("CommSetupTexts", "发送命令"));
inline const QString kCloseCaption = QStringLiteral(QT_TRANSLATE_NOOP("CommSetupTexts", "关闭"));
inline const QString kPortErrorText =
    QStringLiteral(QT_TRANSLATE_NOOP("CommSetupTexts", "串口错误!"));
inline const QString kCommFailedText =
    QStringLiteral(QT_TRANSLATE_NOOP("CommSetupTexts", "通信失败!"));

// A text above in the program's language; the constants themselves stay the source texts.
inline QString Tr(const QString& text) {
    return TranslatedSource("CommSetupTexts", text);
}
} // namespace CommSetupTexts
