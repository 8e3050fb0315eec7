#include "reply_data.h"

#include "protocol/command_codes.h"
#include "protocol/hex_text.h"
#include "protocol/packets.h"
#include "protocol/payloads.h"
#include "protocol/reply_texts.h"

#include <QJsonArray>

namespace {
using namespace ModuleCommand;

constexpr int kCommandAt = 1;
constexpr int kResultAt = 4;
constexpr int kByteValueAt = 3;

int At(const uint8_t* reply, int count, int offset) {
    return offset < count ? reply[offset] : -1;
}

unsigned Value16(const uint8_t* reply, int count, int offset) {
    return offset + 1 < count ? reply[offset] * 256u + reply[offset + 1] : 0u;
}

QJsonArray UserList(const uint8_t* reply, int count) {
    QJsonArray users;
    for (const CUserEntry& user : DecodeUserList(reply, count))
        users.append(QJsonObject{{QStringLiteral("user"), static_cast<int>(user.userNumber)},
                                 {QStringLiteral("privilege"), static_cast<int>(user.privilege)}});
    return users;
}

QJsonObject RecordObject(const CRecordEntry& record) {
    return {{QStringLiteral("record"), static_cast<int>(record.recordNumber)},
            {QStringLiteral("user"), static_cast<int>(record.userNumber)},
            {QStringLiteral("event"), record.eventType},
            {QStringLiteral("empty"), record.empty},
            {QStringLiteral("text"), RecordEventText(record)}};
}

QJsonArray RecordList(const uint8_t* reply, int count) {
    QJsonArray records;
    for (const CRecordEntry& record : DecodeRecordList(reply, count))
        records.append(RecordObject(record));
    return records;
}

QString VersionText(const uint8_t* reply, int count) {
    const int end = count - 2; // check and tail follow the text
    if (end <= kPayloadOffset)
        return QString();
    return VersionBytesText(QByteArrayView(reinterpret_cast<const char*>(reply + kPayloadOffset),
                                           end - kPayloadOffset));
}
} // namespace

bool ReplySucceeded(const uint8_t* reply, int count) {
    const int rc = At(reply, count, kResultAt);
    switch (At(reply, count, kCommandAt)) {
    case kUserCount:
        return rc == 0x00 || rc == 0xFF;
    case kUserPrivilege:
        return rc >= 0x01 && rc <= 0x03;
    case kCompareAll:
        return rc >= 0 && rc != 0x05 && rc != 0x08;
    case kDownloadCompareAll:
        return rc >= 0 && rc != 0x05;
    case kCaptureImage:
        return rc == 0x00 || rc == 0x20;
    case kEnrolLastUpload:
    case kCaptureUpload:
    case kUploadUser:
        return count == kFeatureReplySize;
    case -1:
        return false;
    default:
        return rc == 0x00;
    }
}

QJsonObject ReplyData(const uint8_t* reply, int count) {
    QJsonObject data{{QStringLiteral("reply"), FormatHexDump(reply, count)}};
    if (count > kResultAt)
        data.insert(QStringLiteral("resultCode"), reply[kResultAt]);
    switch (At(reply, count, kCommandAt)) {
    case kUserCount:
    case kCompareAll:
    case kDownloadCompareAll:
        data.insert(QStringLiteral("value"), static_cast<int>(Value16(reply, count, 2)));
        break;
    case kUserPrivilege:
        data.insert(QStringLiteral("privilege"), At(reply, count, kResultAt));
        break;
    case kUserList:
        data.insert(QStringLiteral("users"), UserList(reply, count));
        break;
    case kNewRecords:
        data.insert(QStringLiteral("records"), RecordList(reply, count));
        break;
    case kOneRecord:
        if (kPayloadOffset + kRecordEntrySize <= count)
            data.insert(QStringLiteral("record"),
                        RecordObject(DecodeRecordEntry(reply + kPayloadOffset)));
        break;
    case kVersion:
        data.insert(QStringLiteral("version"), VersionText(reply, count));
        break;
    case kCompareLevel:
    case kSetRegister:
        data.insert(QStringLiteral("previous"), At(reply, count, kByteValueAt));
        break;
    case kBrightness:
    case kAdjustBrightness:
        data.insert(QStringLiteral("brightness"), At(reply, count, kByteValueAt));
        break;
    default:
        break;
    }
    return data;
}
