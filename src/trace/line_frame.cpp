#include "line_frame.h"

#include <QCoreApplication>

// The kinds and checks of the log's frames, translated as one context.
class CLineFrameTexts {
    Q_DECLARE_TR_FUNCTIONS(CLineFrameTexts)
};

namespace {
QString HexByte(uint8_t value) {
    return QStringLiteral("%1").arg(value, 2, 16, QLatin1Char('0')).toUpper();
}
} // namespace

QString FrameKindText(EFrameKind kind) {
    switch (kind) {
    case EFrameKind::Command:
        return CLineFrameTexts::tr("命令包");
    case EFrameKind::Reply:
        return CLineFrameTexts::tr("回复");
    case EFrameKind::Data:
        return CLineFrameTexts::tr("数据包");
    case EFrameKind::Block:
        return CLineFrameTexts::tr("程序块");
    case EFrameKind::Stray:
        break;
    }
    return CLineFrameTexts::tr("未成帧字节");
}

QString FrameCheckText(const CLineFrame& frame) {
    switch (frame.fault) {
    case EFrameFault::BadCheck:
        return CLineFrameTexts::tr("校验错误：应为 %1，收到 %2")
            .arg(HexByte(frame.expectedCheck),
                 HexByte(uint8_t(frame.bytes.at(frame.bytes.size() - 2))));
    case EFrameFault::MissingTail:
        return CLineFrameTexts::tr("缺少尾字节 F5");
    case EFrameFault::None:
        break;
    }
    return frame.kind == EFrameKind::Stray ? QString() : CLineFrameTexts::tr("校验正确");
}

QString FrameLine(const CLineFrame& frame) {
    QString line = FrameKindText(frame.kind);
    for (const QString* part : {&frame.command, &frame.fields, &frame.result})
        if (!part->isEmpty())
            line += QStringLiteral("  ") + *part;
    if (frame.kind == EFrameKind::Stray)
        line += CLineFrameTexts::tr("  %1 字节，不属于任何帧").arg(frame.bytes.size());
    else if (frame.fault != EFrameFault::None)
        line += QStringLiteral("  ✗ ") + FrameCheckText(frame);
    return line;
}
