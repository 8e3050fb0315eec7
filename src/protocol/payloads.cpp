#include "payloads.h"

#include "buffers.h"
#include "command_codes.h"
#include "packets.h"

#include <QCoreApplication>

// The texts of the module's records, translated as one context.
class CRecordTexts {
    Q_DECLARE_TR_FUNCTIONS(CRecordTexts)
};

const CImageGeometry ImageGeometryTable[kImageGeometryCount] = {
    {304, 304}, {280, 280}, {256, 280}, {256, 256}, {196, 196}, {160, 208}, {248, 280},
    {280, 240}, {240, 312}, {248, 296}, {256, 292}, {256, 296}, {200, 264},
};

int FindImageGeometry(int lengthField) {
    for (int i = 0; i < kImageGeometryCount; ++i)
        if (ImageGeometryTable[i].width * ImageGeometryTable[i].height == 8 * lengthField)
            return i;
    return -1;
}

CRecordEntry DecodeRecordEntry(const uint8_t* b) {
    CRecordEntry record;
    record.recordNumber = b[0] * 16384u + b[1] * 64u + (b[2] >> 2);
    record.userNumber = (b[2] & 3u) * 256u + b[3];
    record.eventType = b[7] & 0x0F;
    record.empty = true;
    for (int i = 0; i < kRecordEntrySize; ++i)
        record.empty = record.empty && b[i] == 0xFF;
    return record;
}

CUserEntry DecodeUserEntry(const uint8_t* b) {
    return CUserEntry{b[0] * 256u + b[1], b[2]};
}

unsigned ListedEntryCount(const uint8_t* reply, int count) {
    return count > kPayloadOffset + 1 ? reply[kPayloadOffset] * 256u + reply[kPayloadOffset + 1]
                                      : 0u;
}

namespace {
template <typename Entry, typename Decode>
std::vector<Entry> DecodeList(const uint8_t* reply, int count, int entrySize, Decode decode) {
    std::vector<Entry> entries;
    const unsigned listed = ListedEntryCount(reply, count);
    for (unsigned k = 0; k < listed; ++k) {
        const int at = kListOffset + static_cast<int>(k) * entrySize;
        if (at + entrySize > count)
            break; // entries that did not arrive are not listed
        entries.push_back(decode(reply + at));
    }
    return entries;
}
} // namespace

std::vector<CUserEntry> DecodeUserList(const uint8_t* reply, int count) {
    return DecodeList<CUserEntry>(reply, count, kUserEntrySize, DecodeUserEntry);
}

std::vector<CRecordEntry> DecodeRecordList(const uint8_t* reply, int count) {
    return DecodeList<CRecordEntry>(reply, count, kRecordEntrySize, DecodeRecordEntry);
}

QString RecordEventText(const CRecordEntry& record) {
    const QString id = QString::number(record.userNumber);
    switch (record.eventType) {
    case 1:
        return CRecordTexts::tr("比对成功 ID号为：%1").arg(id);
    case 2:
        return CRecordTexts::tr("管理员验证成功 ID号为：%1").arg(id);
    case 3:
        return CRecordTexts::tr("添加成功 ID号为：%1").arg(id);
    case 4:
        return CRecordTexts::tr("删除单用户成功 ID号为：%1").arg(id);
    case 5:
        return CRecordTexts::tr("删除所有用户成功 权限为：%1").arg(id);
    case 6:
        return CRecordTexts::tr("删除所有一般用户成功");
    case 7:
        return CRecordTexts::tr("删除所有管理者成功");
    default:
        return QString();
    }
}

int ImageReplySize(const uint8_t* reply) {
    const int length = reply[2] * 256 + reply[3];
    const bool high = reply[4] == kFullResolutionCode;
    const int pixelBytes = high && length != kSmallImageLength ? 8 * length : length;
    return kPayloadOffset + pixelBytes + 2;
}

int LongestReplyLength(uint8_t command) {
    using namespace ModuleCommand;
    switch (command) {
    case kCaptureImage:
    case kUserList:
    case kNewRecords:
    case kVersion:
        return kRxCollectLimit;
    case kEnrolLastUpload:
    case kCaptureUpload:
    case kUploadUser:
    case kOtherUpload:
        return kFeatureReplySize;
    case kOneRecord:
        return kPayloadOffset + kRecordEntrySize + 2; // data packet check and tail
    default:
        return kCommandPacketSize;
    }
}
