#include "reply_check.h"

#include "cli_texts.h"

#include "protocol/command_codes.h"
#include "protocol/hex_text.h"
#include "protocol/packets.h"
#include "protocol/payloads.h"

#include <algorithm>

namespace {
using namespace ModuleCommand;

constexpr int kShownBytes = 32;
constexpr int kTrailerSize = 2; // the data check and the tail after a payload

QString Hex2(uint8_t value) {
    return FormatHexDump(&value, 1);
}

// The bytes that came, bounded.
QString Shown(const uint8_t* reply, int count) {
    const QString hex = FormatHexDump(reply, std::min(count, kShownBytes));
    return count > kShownBytes ? CCliTexts::tr("%1 …（共 %2 字节）").arg(hex).arg(count) : hex;
}

int WithPayload(int payloadSize) {
    return kPayloadOffset + payloadSize + kTrailerSize;
}

int ListReplyLength(const uint8_t* reply, int count, int entrySize) {
    const int listed = static_cast<int>(ListedEntryCount(reply, count));
    return WithPayload(kListOffset - kPayloadOffset + listed * entrySize);
}

QString WholenessFault(const uint8_t* reply, int count, int expected) {
    if (count < expected)
        return CCliTexts::tr("应答不完整：包头说明有 %2 字节，只收到 %1 字节")
            .arg(count)
            .arg(expected);
    if (count > expected)
        return CCliTexts::tr("应答有 %1 字节，而包头说明的是 %2 字节").arg(count).arg(expected);
    const uint8_t sum = XorBytes(reply + kPayloadOffset, expected - kPayloadOffset - kTrailerSize);
    const uint8_t check = reply[expected - kTrailerSize];
    if (sum != check)
        return CCliTexts::tr("应答的数据校验错误：%1 字节算出 %2，校验字节是 %3")
            .arg(expected)
            .arg(Hex2(sum), Hex2(check));
    return QString();
}

// The whole length on the line of a data reply by what its own fields say; 0 for a reply whose
// data the program does not read.
int DataReplyLength(const uint8_t* reply, int count) {
    const uint8_t result = reply[4];
    switch (reply[1]) {
    case kCaptureImage:
        return result == kHalfResolutionCode || result == kFullResolutionCode
                   ? ImageReplySize(reply)
                   : 0;
    case kEnrolLastUpload:
    case kCaptureUpload:
    case kUploadUser: // a bare reply is a refusal; data behind it is a feature value
        return count > kCommandPacketSize ? TransmissionLength(reply[2], reply[3]) : 0;
    case kUserList:
        return result == 0 ? ListReplyLength(reply, count, kUserEntrySize) : 0;
    case kNewRecords:
        return result == 0 ? ListReplyLength(reply, count, kRecordEntrySize) : 0;
    case kOneRecord:
        return result == 0 ? WithPayload(kRecordEntrySize) : 0;
    default:
        return 0;
    }
}
} // namespace

QString ReplyFault(uint8_t sent, const uint8_t* reply, int count) {
    if (count < kCommandPacketSize)
        return CCliTexts::tr("应答太短，无法读取（%1 字节）：%2")
            .arg(count)
            .arg(Shown(reply, count));
    if (reply[1] != sent)
        return CCliTexts::tr("应答的是另一个命令（%1，不是 %2）：%3")
            .arg(Hex2(reply[1]), Hex2(sent), Shown(reply, count));
    const int expected = DataReplyLength(reply, count);
    const QString fault = expected > 0 ? WholenessFault(reply, count, expected) : QString();
    return fault.isEmpty() ? fault : CCliTexts::tr("%1：%2").arg(fault, Shown(reply, count));
}
