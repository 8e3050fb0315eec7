#pragma once
// Every text the communication settings panel shows, written once.
#include <QString>

namespace CommSetupTexts {
inline const QString kPanelName = QStringLiteral("通信设置");
inline const QString kPortLabel = QStringLiteral("通信串口选择");
inline const QString kPcRateLabel = QStringLiteral("当前通信波特率选择");
inline const QString kModuleRateLabel = QStringLiteral("脱机模块波特率设置");
inline const QString kChangeCaption = QStringLiteral("更改");
inline const QString kSendCaption = QStringLiteral("发送命令");
inline const QString kCloseCaption = QStringLiteral("关闭");
inline const QString kPortErrorText = QStringLiteral("串口错误!");
inline const QString kCommFailedText = QStringLiteral("通信失败!");
} // namespace CommSetupTexts
