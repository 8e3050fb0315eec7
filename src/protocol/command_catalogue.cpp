#include "command_catalogue.h"

#include "command_codes.h"
#include "packets.h"

#include <QtGlobal>

namespace {
using namespace ModuleCommand;
using B = EByteSource;
constexpr unsigned kP1 = kFieldParam1, kP2 = kFieldParam2, kP3 = kFieldParam3, kP12 = kFieldParam12,
                   kPath = kFieldFeaturePath, kBrowse = kFieldBrowse;
constexpr B kNoPayload[3] = {B::Zero, B::Zero, B::Zero};

#define PLAIN(id, text, cmd, a, b, c, opt, f, vis)                                                 \
    COperation {                                                                                   \
        id, text, ECommandRule::Fixed, cmd, a, b, c, 0, 0, false, {B::Zero, B::Zero, B::Zero},     \
            opt, f, vis                                                                            \
    }
#define FEATURE(id, text, cmd, x, y, z, opt, f)                                                    \
    COperation {                                                                                   \
        id, text, ECommandRule::Fixed, cmd, B::Fixed, B::Fixed, B::Zero, 0x00, 0xC4, true,         \
            {x, y, z}, opt, f, true                                                                \
    }
#define UNCHANGED(id, text)                                                                        \
    COperation {                                                                                   \
        id, text, ECommandRule::NoChange, 0, B::Zero, B::Zero, B::Zero, 0, 0, false,               \
            {B::Zero, B::Zero, B::Zero}, ERowOption::None, 0, false                                \
    }

// clang-format off
constexpr COperation kOperations[kOperationCount] = {
    PLAIN(1018, QT_TRANSLATE_NOOP("COperation", "取用户总数"), kUserCount, B::Zero, B::Zero, B::Zero, ERowOption::QueryCapacity, 0, true),
    COperation{1021, QT_TRANSLATE_NOOP("COperation", "用户录入"), ECommandRule::Enrol, kEnrolFirst, B::Param1, B::Param2, B::Param3, 0, 0, false,
               {B::Zero, B::Zero, B::Zero}, ERowOption::None, kP1 | kP2 | kP3 | kP12, true},
    PLAIN(1019, QT_TRANSLATE_NOOP("COperation", "取用户权限"), kUserPrivilege, B::Param1, B::Param2, B::Zero, ERowOption::None, kP1 | kP2 | kP12, true),
    PLAIN(1022, QT_TRANSLATE_NOOP("COperation", "删除指定用户"), kDeleteUser, B::Param1, B::Param2, B::Zero, ERowOption::None, kP1 | kP2 | kP12, true),
    PLAIN(1023, QT_TRANSLATE_NOOP("COperation", "删除所有用户"), kDeleteAllUsers, B::Zero, B::Zero, B::Param3, ERowOption::None, kP3, true),
    PLAIN(1030, QT_TRANSLATE_NOOP("COperation", "1:1比对"), kCompareOne, B::Param1, B::Param2, B::Zero, ERowOption::None, kP1 | kP2 | kP12, true),
    PLAIN(1026, QT_TRANSLATE_NOOP("COperation", "1:N比对"), kCompareAll, B::Zero, B::Zero, B::Zero, ERowOption::None, 0, true),
    PLAIN(1032, QT_TRANSLATE_NOOP("COperation", "采集图像"), kCaptureImage, B::Zero, B::Zero, B::Zero, ERowOption::HighRes, 0, true),
    FEATURE(1027, QT_TRANSLATE_NOOP("COperation", "存储用户特征值"), kStoreFeature, B::Param1, B::Param2, B::Param3, ERowOption::None,
            kP1 | kP2 | kP3 | kP12 | kBrowse),
    FEATURE(1031, QT_TRANSLATE_NOOP("COperation", "下传特征值与采集指纹比对"), kDownloadCompare, B::Zero, B::Zero, B::Zero, ERowOption::TwoFingers, kBrowse),
    FEATURE(1029, QT_TRANSLATE_NOOP("COperation", "下传指纹1:1比对"), kDownloadCompareOne, B::Param1, B::Param2, B::Zero, ERowOption::None,
            kP1 | kP2 | kP12 | kBrowse),
    FEATURE(1020, QT_TRANSLATE_NOOP("COperation", "下传指纹1:N比对"), kDownloadCompareAll, B::Zero, B::Zero, B::Zero, ERowOption::None, kBrowse),
    PLAIN(1028, QT_TRANSLATE_NOOP("COperation", "取用户特征值上传"), kUploadUser, B::Param1, B::Param2, B::Zero, ERowOption::None, kP1 | kP2 | kP12, true),
    PLAIN(1025, QT_TRANSLATE_NOOP("COperation", "采集指纹提取特征值上传"), kCaptureUpload, B::Zero, B::Zero, B::Zero, ERowOption::None, 0, true),
    PLAIN(1043, QT_TRANSLATE_NOOP("COperation", "取用户信息"), kUserList, B::Zero, B::Zero, B::Zero, ERowOption::None, 0, true),
    PLAIN(1044, QT_TRANSLATE_NOOP("COperation", "使进入休眠模式"), kSleep, B::Zero, B::Zero, B::Zero, ERowOption::None, 0, true),
    PLAIN(1035, QT_TRANSLATE_NOOP("COperation", "取脱机模块版本"), kVersion, B::Zero, B::Zero, B::Zero, ERowOption::None, 0, true),
    PLAIN(1036, QT_TRANSLATE_NOOP("COperation", "设置比对等级"), kCompareLevel, B::Zero, B::Param2, B::Param3, ERowOption::None, kP2 | kP3 | kPath, true),
    PLAIN(1046, QT_TRANSLATE_NOOP("COperation", "连续取亮度"), kBrightness, B::Zero, B::Zero, B::Zero, ERowOption::None, 0, true),
    PLAIN(1091, QT_TRANSLATE_NOOP("COperation", "亮度自适应"), kAdjustBrightness, B::Zero, B::Zero, B::Param3, ERowOption::None, kP3, true),
    PLAIN(1059, QT_TRANSLATE_NOOP("COperation", "取单条记录"), kOneRecord, B::Param1, B::Param2, B::Zero, ERowOption::None, kP1 | kP2 | kP12, false),
    PLAIN(1060, QT_TRANSLATE_NOOP("COperation", "取新记录"), kNewRecords, B::Param1, B::Param2, B::Param3, ERowOption::None, kP1 | kP2 | kP3, false),
    PLAIN(1063, QT_TRANSLATE_NOOP("COperation", "清空记录"), kClearRecords, B::Zero, B::Zero, B::Zero, ERowOption::None, 0, false),
    UNCHANGED(1061, QT_TRANSLATE_NOOP("COperation", "设置时间")),
    UNCHANGED(1062, QT_TRANSLATE_NOOP("COperation", "读取时间")),
    PLAIN(1034, QT_TRANSLATE_NOOP("COperation", "设置初始化值"), kSetRegister, B::Param1, B::Param2, B::Param3, ERowOption::None,
          kP1 | kP2 | kP3 | kP12, false),
    UNCHANGED(1038, QT_TRANSLATE_NOOP("COperation", "串口通信测试")),
};
// clang-format on

// Each name stands at its row: the radio button and the command of that row.
constexpr bool RowIs(EOperation op, int radioId, uint8_t command) {
    return kOperations[static_cast<int>(op)].radioId == radioId &&
           kOperations[static_cast<int>(op)].command == command;
}
static_assert(RowIs(EOperation::UserCount, 1018, kUserCount), "row 0");
static_assert(RowIs(EOperation::Enrol, 1021, kEnrolFirst), "row 1");
static_assert(RowIs(EOperation::DeleteAllUsers, 1023, kDeleteAllUsers), "row 4");
static_assert(RowIs(EOperation::CaptureImage, 1032, kCaptureImage), "row 7");
static_assert(RowIs(EOperation::StoreFeature, 1027, kStoreFeature), "row 8");
static_assert(RowIs(EOperation::DownloadCompare, 1031, kDownloadCompare), "row 9");
static_assert(RowIs(EOperation::UploadUser, 1028, kUploadUser), "row 12");
static_assert(RowIs(EOperation::AdjustBrightness, 1091, kAdjustBrightness), "row 19");
static_assert(RowIs(EOperation::SetTime, 1061, 0) && RowIs(EOperation::SerialTest, 1038, 0),
              "rows 23 and 26");
static_assert(RowIs(EOperation::InitialValue, 1034, kSetRegister), "row 25");
#undef PLAIN
#undef FEATURE
#undef UNCHANGED

uint8_t ByteFrom(EByteSource source, uint8_t fixed, const CBuildInputs& in) {
    switch (source) {
    case B::Param1:
        return static_cast<uint8_t>(in.param1 & 0xFF);
    case B::Param2:
        return static_cast<uint8_t>(in.param2 & 0xFF);
    case B::Param3:
        return static_cast<uint8_t>(in.param3 & 0xFF);
    case B::Fixed:
        return fixed;
    case B::Zero:
        break;
    }
    return 0;
}
} // namespace

const COperation& OperationAt(int index) {
    return kOperations[index];
}

CBuildResult BuildOperation(const CBuildInputs& in) {
    CBuildResult out;
    if (in.operation < 0 || in.operation >= kOperationCount)
        return out;
    const COperation& row = kOperations[in.operation];
    if (row.rule == ECommandRule::NoChange)
        return out;

    out.noChange = false;
    out.fields = row.fields;
    out.command = row.command;
    if (row.rule == ECommandRule::Enrol && !in.enrolFirstStep)
        out.command = in.previousCommand;
    out.p1 = ByteFrom(row.p1, row.fixedP1, in);
    out.p2 = ByteFrom(row.p2, row.fixedP2, in);
    out.p3 = ByteFrom(row.p3, 0, in);

    if (row.option == ERowOption::QueryCapacity && in.queryCapacity)
        out.p3 = 0xFF;
    if (row.option == ERowOption::HighRes && in.highResolution)
        out.p3 = 0x20;
    if (row.option == ERowOption::TwoFingers && in.twoFingers) {
        out.command = kTwoFingerCompare;
        out.p1 = 0x01;
        out.p2 = 0x85;
    }

    if (row.carriesFeature) {
        out.hasPayloadHeader = true;
        for (int i = 0; i < 3; ++i)
            out.payload[i] = ByteFrom(row.payload[i], 0, in);
        out.txLength = TransmissionLength(out.p1, out.p2);
        out.needFeatureFile = true;
    }
    return out;
}
