#include "reply_texts.h"

#include "command_codes.h"
#include "packets.h"
#include "payloads.h"

#include <QCoreApplication>
#include <QStringDecoder>

// The texts of the replies, translated as one context.
class CReplyTexts {
    Q_DECLARE_TR_FUNCTIONS(CReplyTexts)
};

QString VersionBytesText(QByteArrayView bytes) {
    // The module's users read its version text on systems that show it as GB18030 (a superset
    // of ASCII); where that decoder is missing, the ASCII part still reads right as Latin-1.
    QStringDecoder gb18030("GB18030");
    if (!gb18030.isValid())
        return QString::fromLatin1(bytes);
    return gb18030.decode(bytes);
}

namespace {
using namespace ModuleCommand;

const QString kCrLf = QStringLiteral("\r\n");

// The received bytes; an offset at or past the count reads as absent.
struct CReply {
    const uint8_t* bytes;
    int count;
    bool Has(int offset) const { return offset < count; }
    uint8_t At(int offset) const { return Has(offset) ? bytes[offset] : 0; }
    unsigned Value16(int offset) const { return At(offset) * 256u + At(offset + 1); }
    unsigned V() const { return Value16(2); }
    int Rc() const { return Has(4) ? bytes[4] : -1; }
};

QString Hex(unsigned value) {
    return QString::number(value, 16);
}

// Enrolment steps. A successful first or second capture has no text of its own: the next step
// is written at once and its reply brings the text, so the field is left empty meanwhile.
QString EnrolStepText(int command, int rc) {
    if (rc == 0x00)
        return command == kEnrolLast ? CReplyTexts::tr("用户录入成功") : QString();
    if (rc == 0x08)
        return CReplyTexts::tr("采集指纹超时");
    if (rc == 0x06 && command != kEnrolSecond)
        return CReplyTexts::tr("此用户已存在");
    if (rc == 0x07 && command == kEnrolFirst)
        return CReplyTexts::tr("此指纹已存在");
    return CReplyTexts::tr("用户录入失败");
}

QString UserPrivilegeText(int rc) {
    switch (rc) {
    case 0x01:
        return CReplyTexts::tr("此用户为一般使用者");
    case 0x02:
        return CReplyTexts::tr("此用户为限制管理者");
    case 0x03:
        return CReplyTexts::tr("此用户为系统管理者");
    case 0x05:
        return CReplyTexts::tr("此用户不存在");
    default:
        return CReplyTexts::tr("此用户为未定义权限者");
    }
}

QString UserListText(const CReply& r) {
    const unsigned n = r.Value16(kPayloadOffset);
    QString text = CReplyTexts::tr("共取得%1个用户").arg(n) + kCrLf;
    // Looked up once: a list holds up to 65,535 users.
    const QString line = CReplyTexts::tr("%1:用户号 = %2 权限 = %3");
    unsigned k = 0;
    for (const CUserEntry& user : DecodeUserList(r.bytes, r.count))
        text += line.arg(QString::number(++k), QString::number(user.userNumber),
                         QString::number(user.privilege)) +
                kCrLf;
    return text;
}

QString RecordListText(const CReply& r) {
    const unsigned n = r.Value16(kPayloadOffset);
    QString text = CReplyTexts::tr("记录数为：%1").arg(n) + kCrLf;
    const QString line = CReplyTexts::tr("记录%1：记录号为：%2");
    unsigned k = 0;
    for (const CRecordEntry& record : DecodeRecordList(r.bytes, r.count))
        text += line.arg(QString::number(k++), QString::number(record.recordNumber)) + kCrLf +
                QStringLiteral("  ") + RecordEventText(record) + kCrLf;
    return text;
}

QString OneRecordText(const CReply& r) {
    if (!r.Has(kPayloadOffset + kRecordEntrySize - 1))
        return CReplyTexts::tr("操作失败"); // the record did not arrive
    const CRecordEntry record = DecodeRecordEntry(r.bytes + kPayloadOffset);
    if (record.empty)
        return CReplyTexts::tr("此为空记录");
    QString text = CReplyTexts::tr("记录号为：%1").arg(record.recordNumber) + kCrLf;
    return text + RecordEventText(record);
}

QString VersionText(const CReply& r) {
    const int end = r.count - 3; // last byte of the version text; check and tail follow
    QString text = CReplyTexts::tr("版本号:") + kCrLf;
    if (end >= kPayloadOffset)
        text += VersionBytesText(QByteArrayView(r.bytes + kPayloadOffset,
                                                static_cast<qsizetype>(end - kPayloadOffset + 1)));
    return text;
}

QString OrFailure(bool ok, const QString& text) {
    return ok ? text : CReplyTexts::tr("操作失败");
}

QString ComparisonText(int rc, bool downloaded) {
    if (rc == 0x00)
        return CReplyTexts::tr("指纹比对成功");
    if (rc == 0x05)
        return CReplyTexts::tr("无此用户");
    if (rc == 0x08 && !downloaded)
        return CReplyTexts::tr("指纹采集超时");
    return CReplyTexts::tr("指纹比对失败");
}

QString SearchText(const CReply& r, bool downloaded) {
    const int rc = r.Rc();
    if (rc == 0x05)
        return CReplyTexts::tr("无匹配指纹");
    if (rc == 0x08 && !downloaded)
        return CReplyTexts::tr("指纹采集超时");
    return CReplyTexts::tr("%1号用户比对成功").arg(r.V());
}

QString UploadText(const CReply& r, int alternativeRc, const QString& alternativeText) {
    if (r.count == kFeatureReplySize)
        return CReplyTexts::tr("特征值上传成功");
    if (r.Rc() == alternativeRc)
        return alternativeText;
    return CReplyTexts::tr("特征值上传失败");
}

QString BatchRefusalText(int rc, uint32_t user) {
    if (rc == 0x04)
        return CReplyTexts::tr("数据库已满，无法再增加用户!");
    if (rc == kStoreUserExists)
        return CReplyTexts::tr("用户%1已存在!").arg(user);
    return CReplyTexts::tr("操作失败!");
}

QString StatusText(const CReply& r, CReplyOutcome& out, const CReplyOptions& options) {
    const int rc = r.Rc();
    const bool ok = rc == 0x00;
    const unsigned byte3 = r.At(3);
    switch (out.command) {
    case kEnrolFirst:
    case kEnrolSecond:
        return EnrolStepText(out.command, rc);
    case kEnrolLast:
        out.incrementUser = ok && options.idIncAfterEnrol;
        return EnrolStepText(out.command, rc);
    case kDeleteUser:
    case kDeleteAllUsers:
        return OrFailure(ok, CReplyTexts::tr("操作成功"));
    case kEnrolLastUpload:
        return OrFailure(r.count == kFeatureReplySize, CReplyTexts::tr("操作成功"));
    case kUserCount:
        if (rc == 0xFF)
            return CReplyTexts::tr("用户容量为：%1").arg(r.V());
        return OrFailure(ok, CReplyTexts::tr("用户总数为：%1").arg(r.V()));
    case kUserPrivilege:
        return UserPrivilegeText(rc);
    case kCompareOne:
        return ComparisonText(rc, false);
    case kCompareAll:
        return SearchText(r, false);
    case kAdjustBrightness:
        return OrFailure(ok, CReplyTexts::tr("校正成功"));
    case kSetRegister:
        return OrFailure(ok, CReplyTexts::tr("前次此寄存器值为：0x%1").arg(Hex(byte3)));
    case kCaptureUpload:
        return UploadText(r, 0x08, CReplyTexts::tr("指纹采集超时"));
    case kCaptureImage:
        out.decodeImage = rc == 0x00 || rc == 0x20;
        if (out.decodeImage)
            return CReplyTexts::tr("指纹采集成功");
        return rc == 0x08 ? CReplyTexts::tr("指纹采集超时") : CReplyTexts::tr("指纹采集失败");
    case kSerialTest:
        return ok ? CReplyTexts::tr("串口通信成功") : CReplyTexts::tr("串口通信失败");
    case kVersion:
        return OrFailure(ok, VersionText(r));
    case kCompareLevel:
        return OrFailure(ok, CReplyTexts::tr("前次比对等级为：%1").arg(Hex(byte3)));
    case kUserList:
        return OrFailure(ok, ok ? UserListText(r) : QString());
    case kSleep:
        return OrFailure(ok, CReplyTexts::tr("模块进入休眠状态，不再响应任何命令"));
    case kSetValue:
        return OrFailure(ok, CReplyTexts::tr("前次设置值为：%1").arg(Hex(byte3)));
    case kBrightness:
        return OrFailure(ok, CReplyTexts::tr("操作成功 亮度值为：%1").arg(byte3));
    case kUploadUser:
        return UploadText(r, 0x05, CReplyTexts::tr("无此用户"));
    case kOneRecord:
        return OrFailure(ok, ok ? OneRecordText(r) : QString());
    case kNewRecords:
        return OrFailure(ok, ok ? RecordListText(r) : QString());
    case kClearRecords:
        return OrFailure(ok, CReplyTexts::tr("清空记录成功"));
    case kStoreFeature:
        out.incrementUser = ok && options.idIncAfterStore && !options.batchRunning;
        if (!ok && !(rc == kStoreUserExists && options.existingUserStored) && options.batchActive &&
            options.batchRunning) {
            out.batchMessage = BatchRefusalText(rc, options.batchUser);
            out.endBatch = true;
        }
        return StoreText(rc);
    case kDownloadCompareOne:
        return ComparisonText(rc, true);
    case kDownloadCompareAll:
        return SearchText(r, true);
    case kDownloadCompare:
    case kTwoFingerCompare:
        return ok ? CReplyTexts::tr("指纹比对成功") : CReplyTexts::tr("指纹比对失败");
    default:
        return CReplyTexts::tr("操作失败");
    }
}
} // namespace

QString StoreText(int rc) {
    switch (rc) {
    case 0x00:
        return CReplyTexts::tr("操作成功");
    case 0x04:
        return CReplyTexts::tr("数据库已满，无法再增加用户");
    case kStoreUserExists:
        return CReplyTexts::tr("此用户已存在");
    default:
        return CReplyTexts::tr("操作失败");
    }
}

CReplyOutcome InterpretReplyBytes(const uint8_t* bytes, int count, const CReplyOptions& options) {
    const CReply reply{bytes, count < 0 ? 0 : count};
    CReplyOutcome out;
    out.command = reply.Has(1) ? bytes[1] : -1;
    out.resultCode = reply.Rc();
    // The replies of the uploads enable saving whatever their result; so does 0x29, which no
    // operation of the console sends.
    out.enableSave = out.command == kEnrolLastUpload || out.command == kCaptureUpload ||
                     out.command == kOtherUpload || out.command == kUploadUser;
    // Without its result code a reply reads as its command's failure text; the searches would
    // read as a success then, so they stay "操作失败", as does a reply without a command byte.
    const bool searchWithoutResult =
        out.resultCode < 0 && (out.command == kCompareAll || out.command == kDownloadCompareAll);
    if (out.command < 0 || searchWithoutResult)
        out.status = CReplyTexts::tr("操作失败");
    else
        out.status = StatusText(reply, out, options).toUpper();
    return out;
}
