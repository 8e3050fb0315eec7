#pragma once
// One frame found on the line, with what it means: a command packet the host wrote, a reply
// packet of the module, a data packet behind either, a download block, or bytes that belong to
// no frame. The texts are filled in by frame_texts.h as the decoder finds the frame.
#include <QByteArray>
#include <QString>
#include <cstdint>

enum class ECommDirection { Sent, Received };

enum class EFrameKind : uint8_t {
    Command, // an 8-byte command packet the host wrote
    Reply,   // an 8-byte packet the module answered with
    Data,    // the data packet behind a command or reply
    Block,   // a program block of the download
    Stray,   // bytes that belong to no frame
};

enum class EFrameFault : uint8_t {
    None,
    BadCheck,    // the check byte is not the XOR it should be
    MissingTail, // the frame ended (or was cut) before its tail F5
};

struct CLineFrame {
    ECommDirection direction = ECommDirection::Sent;
    EFrameKind kind = EFrameKind::Stray;
    EFrameFault fault = EFrameFault::None;
    QByteArray bytes;
    uint8_t expectedCheck = 0; // for BadCheck: what the check byte should have been
    QString command;           // "0x09 取用户总数"; the command a data packet belongs to
    QString fields;            // what the frame carries: user number, sizes, entries
    QString result;            // of a reply: the result code and the text the console shows

    bool IsError() const { return fault != EFrameFault::None || kind == EFrameKind::Stray; }
};

// "命令包", "回复", "数据包", "程序块", "未成帧字节".
QString FrameKindText(EFrameKind kind);
// "校验正确", "校验错误：应为 0C，收到 0D", "缺少尾字节 F5", or "" for bytes of no frame.
QString FrameCheckText(const CLineFrame& frame);
// The frame explained in one line: kind, command, fields, result and any fault.
QString FrameLine(const CLineFrame& frame);
