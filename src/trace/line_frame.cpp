#include "line_frame.h"

namespace {
QString HexByte(uint8_t value) {
    return QStringLiteral("%1").arg(value, 2, 16, QLatin1Char('0')).toUpper();
}
} // namespace

QString FrameKindText(EFrameKind kind) {
    switch (kind) {
    case EFrameKind::Command:
        return QStringLiteral("命令包");
    case EFrameKind::Reply:
        return QStringLiteral("回复");
    case EFrameKind::Data:
        return QStringLiteral("数据包");
    case EFrameKind::Block:
        return QStringLiteral("程序块");
    case EFrameKind::Stray:
        break;
    }
    return QStringLiteral("未成帧字节");
}

QString FrameCheckText(const CLineFrame& frame) {
    switch (frame.fault) {
    case EFrameFault::BadCheck:
        return QStringLiteral("校验错误：应为 %1，收到 %2")
            .arg(HexByte(frame.expectedCheck),
                 HexByte(uint8_t(frame.bytes.at(frame.bytes.size() - 2))));
    case EFrameFault::MissingTail:
        return QStringLiteral("缺少尾字节 F5");
    case EFrameFault::None:
        break;
    }
    return frame.kind == EFrameKind::Stray ? QString() : QStringLiteral("校验正确");
}

QString FrameLine(const CLineFrame& frame) {
    QString line = FrameKindText(frame.kind);
    for (const QString* part : {&frame.command, &frame.fields, &frame.result})
        if (!part->isEmpty())
            line += QStringLiteral("  ") + *part;
    if (frame.kind == EFrameKind::Stray)
        line += QStringLiteral("  %1 字节，不属于任何帧").arg(frame.bytes.size());
    else if (frame.fault != EFrameFault::None)
        line += QStringLiteral("  ✗ ") + FrameCheckText(frame);
    return line;
}
