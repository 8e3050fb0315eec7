#include "frame_texts.h"

#include "protocol/command_catalogue.h"
#include "protocol/command_codes.h"
#include "protocol/download_layout.h"
#include "protocol/packets.h"
#include "protocol/payloads.h"
#include "protocol/reply_texts.h"

#include <QCoreApplication>
#include <QStringList>

// The words of the log's frame lines, translated as one context.
class CFrameTexts {
    Q_DECLARE_TR_FUNCTIONS(CFrameTexts)
};

namespace {
using namespace ModuleCommand;

const uint8_t* Bytes(const QByteArray& bytes) {
    return reinterpret_cast<const uint8_t*>(bytes.constData());
}

uint8_t At(const QByteArray& bytes, int offset) {
    return offset < bytes.size() ? uint8_t(bytes.at(offset)) : 0;
}

QString Hex2(unsigned value) {
    return QStringLiteral("%1").arg(value, 2, 16, QLatin1Char('0')).toUpper();
}

const COperation* OperationOf(uint8_t command) {
    for (int i = 0; i < kOperationCount; ++i) {
        const COperation& row = OperationAt(i);
        if (row.rule != ECommandRule::NoChange && row.command == command)
            return &row;
    }
    return nullptr;
}

QString Caption(EOperation operation) {
    return QCoreApplication::translate("COperation",
                                       OperationAt(OperationIndex(operation)).caption);
}

// Commands that no row of the operation table sends as its own.
QString OtherCommandName(uint8_t command, ECommDirection direction) {
    switch (command) {
    case kEnrolSecond:
        return Caption(EOperation::Enrol) + CFrameTexts::tr("（第二次采集）");
    case kEnrolLast:
        return Caption(EOperation::Enrol) + CFrameTexts::tr("（最后一次采集）");
    case kEnrolLastUpload:
        return Caption(EOperation::Enrol) + CFrameTexts::tr("（最后一次采集并上传特征值）");
    case kTwoFingerCompare:
        return Caption(EOperation::DownloadCompare) + CFrameTexts::tr("（2指纹）");
    case kSerialTest:
        return Caption(EOperation::SerialTest);
    case kSetRate:
        return CFrameTexts::tr("设置模块波特率");
    case kOtherUpload:
        return CFrameTexts::tr("特征值上传");
    case kSetValue:
        return CFrameTexts::tr("设置值");
    case kHandshake:
        return direction == ECommDirection::Sent ? CFrameTexts::tr("下载握手")
                                                 : CFrameTexts::tr("下载应答");
    default:
        return CFrameTexts::tr("未知命令");
    }
}

QString PrivilegeField(uint8_t command) {
    return command == kEnrolFirst || command == kEnrolSecond || command == kEnrolLast ||
                   command == kEnrolLastUpload
               ? CFrameTexts::tr("权限")
               : QStringLiteral("P3");
}

// The parameters as the operation's row reads them from the fields.
QString ParameterFields(const QByteArray& packet, const COperation& row) {
    const uint8_t command = At(packet, 1), p1 = At(packet, 2), p2 = At(packet, 3),
                  p3 = At(packet, 4);
    QStringList fields;
    if (row.p1 == EByteSource::Param1 && row.p2 == EByteSource::Param2)
        fields << (command == kOneRecord || command == kNewRecords ? CFrameTexts::tr("记录号 ")
                                                                   : CFrameTexts::tr("用户号 ")) +
                      QString::number(p1 * 256 + p2);
    else if (row.p2 == EByteSource::Param2)
        fields << QStringLiteral("P2 ") + Hex2(p2);
    if (row.p3 == EByteSource::Param3)
        fields << PrivilegeField(command) + QLatin1Char(' ') + Hex2(p3);
    if (row.option == ERowOption::QueryCapacity && p3 == 0xFF)
        fields << CFrameTexts::tr("取容量");
    if (row.option == ERowOption::HighRes)
        fields << (p3 == 0x20 ? CFrameTexts::tr("高分辨率原图") : CFrameTexts::tr("半分辨率"));
    return fields.join(CFrameTexts::tr("，"));
}

QString ImageFields(unsigned lengthField, int rc, int payload) {
    const int geometry = FindImageGeometry(int(lengthField));
    const bool full = rc == 0x20;
    QString text = CFrameTexts::tr("图像");
    if (geometry >= 0) {
        const CImageGeometry& size = ImageGeometryTable[geometry];
        const int divisor = full ? 1 : 2;
        text += QStringLiteral(" %1 × %2").arg(size.width / divisor).arg(size.height / divisor);
    }
    text += full ? CFrameTexts::tr("，全分辨率") : CFrameTexts::tr("，半分辨率");
    return text + CFrameTexts::tr("，%1 字节").arg(payload);
}

QString RecordFields(const uint8_t* entry) {
    const CRecordEntry record = DecodeRecordEntry(entry);
    if (record.empty)
        return CFrameTexts::tr("空记录");
    return CFrameTexts::tr("记录号 %1，%2").arg(record.recordNumber).arg(RecordEventText(record));
}

// What the module's data packet carries, read by the payload readers from the whole reply.
QString ReplyDataFields(const QByteArray& reply, int payload) {
    const uint8_t command = At(reply, 1);
    const unsigned v = At(reply, 2) * 256u + At(reply, 3);
    const int count = int(reply.size());
    switch (command) {
    case kCaptureImage:
        return ImageFields(v, At(reply, 4), payload);
    case kUserList:
        return CFrameTexts::tr("用户列表 %1 项").arg(ListedEntryCount(Bytes(reply), count));
    case kNewRecords:
        return CFrameTexts::tr("记录列表 %1 条").arg(ListedEntryCount(Bytes(reply), count));
    case kOneRecord:
        return count >= kPayloadOffset + kRecordEntrySize
                   ? RecordFields(Bytes(reply) + kPayloadOffset)
                   : CFrameTexts::tr("记录（不完整）");
    case kVersion:
        return CFrameTexts::tr("版本 %1").arg(
            VersionBytesText(QByteArrayView(reply.mid(kPayloadOffset, qMax(0, payload)))));
    default:
        return CFrameTexts::tr("特征值 %1 字节").arg(qMax(0, payload - 3));
    }
}

// The test console's text, on one line: its line breaks become "；".
QString ConsoleText(const QByteArray& reply) {
    QString text = InterpretReplyBytes(Bytes(reply), int(reply.size()), {}).status;
    const QString separator = CFrameTexts::tr("；");
    text.replace(QStringLiteral("\r\n"), separator);
    while (!separator.isEmpty() && text.endsWith(separator))
        text.chop(separator.size());
    constexpr int kLongest = 160; // a user list of a thousand users stays one readable line
    if (text.size() > kLongest)
        text = text.left(kLongest) + QStringLiteral("…");
    return text;
}

QString AcknowledgementText(uint8_t p2, uint8_t p3) {
    if (p3 != 0)
        return CFrameTexts::tr("结果码 %1：未接受，重发").arg(Hex2(p3));
    if (p2 == kLastBlockIndex)
        return CFrameTexts::tr("结果码 00：下载完成");
    return CFrameTexts::tr("结果码 00：已接受");
}
} // namespace

QString CommandText(uint8_t command, ECommDirection direction) {
    const COperation* row = OperationOf(command);
    const QString name = row ? QCoreApplication::translate("COperation", row->caption)
                             : OtherCommandName(command, direction);
    return QStringLiteral("0x") + Hex2(command) + QLatin1Char(' ') + name;
}

bool CommandCarriesData(uint8_t command) {
    const COperation* row = OperationOf(command);
    return command == kTwoFingerCompare || (row && row->carriesFeature);
}

void DescribeCommand(CLineFrame& frame) {
    if (frame.bytes.size() < 2)
        return;
    const uint8_t command = At(frame.bytes, 1);
    frame.command = CommandText(command, ECommDirection::Sent);
    const COperation* row = OperationOf(command);
    if (CommandCarriesData(command))
        frame.fields =
            CFrameTexts::tr("数据 %1 字节").arg(At(frame.bytes, 2) * 256 + At(frame.bytes, 3));
    else if (command == kSetRate)
        frame.fields = CFrameTexts::tr("速率序号 %1").arg(At(frame.bytes, 4));
    else if (row)
        frame.fields = ParameterFields(frame.bytes, *row);
    else if (command >= kEnrolSecond && command <= kEnrolLastUpload)
        frame.fields = ParameterFields(frame.bytes, OperationAt(OperationIndex(EOperation::Enrol)));
}

void DescribeSentData(CLineFrame& data, const QByteArray& command) {
    const uint8_t code = At(command, 1);
    data.command = CommandText(code, ECommDirection::Sent);
    const int features = code == kTwoFingerCompare ? 2 : 1;
    data.fields = CFrameTexts::tr("用户号 %1，权限 %2，特征值 %3 × %4 字节")
                      .arg(At(data.bytes, 1) * 256 + At(data.bytes, 2))
                      .arg(At(data.bytes, 3))
                      .arg(features)
                      .arg(kFeatureSize);
}

void DescribeReply(CLineFrame& reply, CLineFrame* data) {
    if (reply.bytes.size() < 2)
        return;
    const uint8_t command = At(reply.bytes, 1);
    reply.command = CommandText(command, ECommDirection::Received);
    const unsigned v = At(reply.bytes, 2) * 256u + At(reply.bytes, 3);
    reply.fields = CFrameTexts::tr("值 %1").arg(v);
    const bool hasResult = reply.bytes.size() > 4;
    const uint8_t rc = At(reply.bytes, 4);
    const QByteArray whole = data ? reply.bytes + data->bytes : reply.bytes; // both, joined once
    if (command == kHandshake)
        reply.result = hasResult ? AcknowledgementText(At(reply.bytes, 3), rc) : QString();
    else if (command == kSetRate)
        reply.result = hasResult ? CFrameTexts::tr("结果码 %1").arg(Hex2(rc)) : QString();
    else
        reply.result = (hasResult ? CFrameTexts::tr("结果码 %1：").arg(Hex2(rc)) : QString()) +
                       ConsoleText(whole);
    if (!data)
        return;
    data->command = reply.command;
    data->fields = ReplyDataFields(whole, int(data->bytes.size()) - kDataPacketOverhead);
}

void DescribeBlock(CLineFrame& block) {
    const int index = At(block.bytes, 1);
    block.command = CFrameTexts::tr("第 %1 块/共 %2 块").arg(index + 1).arg(kBlockCount);
    block.fields = CFrameTexts::tr("程序 %1 字节").arg(qMax(0, int(block.bytes.size()) - 4));
}
