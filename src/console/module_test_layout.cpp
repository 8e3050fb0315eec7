#include "module_test_layout.h"

#include "protocol/command_catalogue.h"

#include <QtGlobal>

#include <cstddef>
#include <iterator>
#include <vector>

namespace {
using K = EControlKind;
using Id = ControlId;
constexpr unsigned kHidden = kStyleHidden, kDisabled = kStyleDisabled, kUpper = kStyleUpperCase,
                   kReadOnly = kStyleReadOnly, kCentred = kStyleCentred, kDefault = kStyleDefault,
                   kWrap = kStyleWrapCaption;

struct CRadioLayout {
    int x, y, width, height;
    unsigned style;
};

// Positions of the operation radio buttons, in operation order; indices 20 to 26 are hidden
// because the operation table marks them invisible.
const CRadioLayout kRadioLayout[kRadioCount] = {
    {46, 49, 53, 8, 0},    {46, 59, 49, 8, 0},        {46, 69, 55, 8, 0},    {46, 79, 62, 8, 0},
    {46, 89, 62, 8, 0},    {46, 99, 45, 8, 0},        {46, 109, 42, 8, 0},   {46, 119, 46, 8, 0},
    {183, 49, 76, 8, 0},   {183, 58, 108, 8, 0},      {183, 67, 75, 8, 0},   {183, 76, 79, 8, 0},
    {183, 106, 79, 8, 0},  {183, 117, 101, 8, 0},     {47, 133, 56, 12, 0},  {103, 133, 70, 10, 0},
    {175, 133, 72, 8, 0},  {249, 133, 64, 9, 0},      {314, 133, 52, 10, 0}, {371, 133, 56, 11, 0},
    {481, 197, 52, 11, 0}, {481, 207, 44, 14, 0},     {481, 221, 49, 15, 0}, {481, 237, 45, 11, 0},
    {481, 247, 47, 14, 0}, {478, 279, 63, 20, kWrap}, {477, 299, 63, 8, 0},
};

// clang-format off
const CControlRow kOtherControls[] = {
    {Id::kQueryCapacity, K::Check, QT_TRANSLATE_NOOP("CModuleTestDlg", "取容量"), 111, 46, 55, 10, 0, Id::kNone, ""},
    {Id::kCaptureTwice, K::Check, QT_TRANSLATE_NOOP("CModuleTestDlg", "采集两次"), 111, 60, 51, 10, 0, Id::kNone, ""},
    {Id::kUploadFeature, K::Check, QT_TRANSLATE_NOOP("CModuleTestDlg", "特征值上传"), 111, 70, 51, 10, 0, Id::kNone, ""},
    {Id::kIdIncAfterEnrol, K::Check, QT_TRANSLATE_NOOP("CModuleTestDlg", "ID号自增1"), 111, 80, 55, 10, 0, Id::kNone, ""},
    {Id::kIdIncAfterStore, K::Check, QT_TRANSLATE_NOOP("CModuleTestDlg", "ID号自动加1"), 263, 48, 55, 10, 0, Id::kNone, ""},
    {Id::kTwoFingers, K::Check, QT_TRANSLATE_NOOP("CModuleTestDlg", "2指纹"), 297, 58, 33, 11, 0, Id::kNone, ""},
    {Id::kHighResolution, K::Check, QT_TRANSLATE_NOOP("CModuleTestDlg", "高分辨率原图"), 96, 119, 63, 8, 0, Id::kNone, ""},
    {Id::kParam1, K::LineEdit, "", 311, 166, 35, 12, kUpper, Id::kNone, ""},
    {Id::kParam2, K::LineEdit, "", 311, 180, 35, 12, kUpper, Id::kNone, ""},
    {Id::kParam12, K::LineEdit, "", 351, 178, 35, 12, kUpper, Id::kNone, ""},
    {Id::kParam3, K::LineEdit, "", 311, 194, 35, 12, kUpper, Id::kNone, ""},
    {Id::kFeaturePath, K::LineEdit, "", 100, 162, 78, 15, kReadOnly, Id::kNone, ""},
    {Id::kBrowse, K::CoolButton, QT_TRANSLATE_NOOP("CModuleTestDlg", "浏览"), 178, 162, 30, 14, kDisabled, Id::kNone, ""},
    {Id::kCommandDisplay, K::TextDisplay, "", 100, 182, 108, 14, kReadOnly | kUpper, Id::kNone, ""},
    {Id::kSendCommand, K::CoolButton, QT_TRANSLATE_NOOP("CModuleTestDlg", "发送命令"), 342, 40, 87, 86, kDefault, Id::kNone, ""},
    {Id::kEnableSend, K::CoolButton, "", 351, 112, 56, 14, kHidden, Id::kNone, ""},
    {Id::kSaveFeature, K::CoolButton, QT_TRANSLATE_NOOP("CModuleTestDlg", "上传特征值存储"), 39, 393, 181, 22, kDisabled, Id::kNone, ""},
    {Id::kResult, K::TextDisplay, "", 36, 233, 81, 152, kReadOnly | kUpper, Id::kNone, QT_TRANSLATE_NOOP("CModuleTestDlg", "结果显示")},
    {Id::kDump, K::HexDump, "", 120, 233, 108, 152, kReadOnly | kUpper, Id::kNone, QT_TRANSLATE_NOOP("CModuleTestDlg", "返回数据显示(HEX)")},
    {Id::kImage, K::ImageControl, "", 243, 219, 203, 203, 0, Id::kNone, QT_TRANSLATE_NOOP("CModuleTestDlg", "指纹图像")},
    {Id::kSerial, K::SerialControl, "", 222, 166, 25, 25, 0, Id::kNone, "MSComm"},
    {Id::kBatchStore, K::PushButton, QT_TRANSLATE_NOOP("CModuleTestDlg", "批量存储指纹特征值"), 467, 14, 58, 70, kDisabled | kWrap, Id::kNone, ""},
    {Id::kBatchTotal, K::LineEdit, "", 492, 94, 28, 15, kReadOnly | kCentred | kDisabled, Id::kNone, ""},
    {Id::kBatchCurrent, K::LineEdit, "", 492, 112, 28, 15, kReadOnly | kCentred | kDisabled, Id::kNone, ""},
    {Id::kBatchTotalLabel, K::Label, QT_TRANSLATE_NOOP("CModuleTestDlg", "总数"), 472, 98, 17, 13, kDisabled, Id::kBatchTotal, ""},
    {Id::kBatchCurrentLabel, K::Label, QT_TRANSLATE_NOOP("CModuleTestDlg", "当前"), 472, 117, 16, 14, kDisabled, Id::kBatchCurrent, ""},
    {Id::kBatchEnable, K::Check, QT_TRANSLATE_NOOP("CModuleTestDlg", "有效"), 481, 138, 29, 12, 0, Id::kNone, ""},
    {Id::kMoveRight, K::PushButton, QT_TRANSLATE_NOOP("CModuleTestDlg", "右移"), 473, 324, 37, 14, kHidden, Id::kNone, ""},
    {Id::kMoveRightValue, K::LineEdit, "", 511, 325, 30, 12, kHidden, Id::kNone, ""},
    {Id::kMoveUp, K::PushButton, QT_TRANSLATE_NOOP("CModuleTestDlg", "上移"), 473, 346, 37, 14, kHidden, Id::kNone, ""},
    {Id::kMoveUpValue, K::LineEdit, "", 511, 347, 30, 12, kHidden, Id::kNone, ""},
    {Id::kBrightnessUp, K::PushButton, QT_TRANSLATE_NOOP("CModuleTestDlg", "亮度增加"), 473, 370, 37, 14, kHidden, Id::kNone, ""},
    {Id::kBrightnessStep, K::LineEdit, "", 511, 371, 30, 12, kHidden, Id::kNone, ""},
    {Id::kCaptureTime, K::LineEdit, "", 292, 115, 25, 12, kHidden, Id::kNone, ""},
};

// Labels and frames without an id. The three parameter labels have no size of their own in the
// layout; they take the room left of their fields.
const CControlRow kStatics[] = {
    {Id::kNone, K::Frame, QT_TRANSLATE_NOOP("CModuleTestDlg", "操作选择"), 31, 22, 408, 124, 0, Id::kNone, ""},
    {Id::kNone, K::Frame, QT_TRANSLATE_NOOP("CModuleTestDlg", "基本操作"), 39, 37, 133, 93, 0, Id::kNone, ""},
    {Id::kNone, K::Frame, QT_TRANSLATE_NOOP("CModuleTestDlg", "特征值下传操作"), 177, 37, 158, 52, 0, Id::kNone, ""},
    {Id::kNone, K::Frame, QT_TRANSLATE_NOOP("CModuleTestDlg", "特征值上传操作"), 177, 93, 158, 37, 0, Id::kNone, ""},
    {Id::kNone, K::Frame, QT_TRANSLATE_NOOP("CModuleTestDlg", "参数选择(HEX)"), 267, 152, 132, 58, 0, Id::kNone, ""},
    {Id::kNone, K::Frame, QT_TRANSLATE_NOOP("CModuleTestDlg", "返回数据显示(HEX)"), 30, 215, 203, 207, 0, Id::kNone, ""},
    {Id::kNone, K::Frame, QT_TRANSLATE_NOOP("CModuleTestDlg", "记录操作"), 471, 179, 69, 87, kHidden, Id::kNone, ""},
    {Id::kNone, K::Frame, "", 242, 214, 205, 209, 0, Id::kNone, ""},
    {Id::kNone, K::Frame, "", 19, 9, 437, 421, 0, Id::kNone, ""},
    {Id::kNone, K::Frame, "", 277, 160, 114, 34, 0, Id::kNone, ""},
    {Id::kNone, K::Frame, "", 107, 53, 61, 38, 0, Id::kNone, ""},
    {Id::kNone, K::Frame, "", 43, 54, 65, 14, 0, Id::kNone, ""},
    {Id::kNone, K::Frame, "", 181, 111, 106, 16, kHidden, Id::kNone, ""},
    {Id::kNone, K::Frame, "", 286, 96, 47, 32, kHidden, Id::kNone, ""},
    {Id::kNone, K::Label, QT_TRANSLATE_NOOP("CModuleTestDlg", "下传命令显示"), 42, 186, 52, 10, 0, Id::kCommandDisplay, ""},
    {Id::kNone, K::Label, QT_TRANSLATE_NOOP("CModuleTestDlg", "下传特征值选择"), 42, 166, 56, 8, 0, Id::kFeaturePath, ""},
    {Id::kNone, K::Label, QT_TRANSLATE_NOOP("CModuleTestDlg", "参数1"), 281, 166, 28, 10, 0, Id::kParam1, ""},
    {Id::kNone, K::Label, QT_TRANSLATE_NOOP("CModuleTestDlg", "参数2"), 281, 180, 28, 10, 0, Id::kParam2, ""},
    {Id::kNone, K::Label, QT_TRANSLATE_NOOP("CModuleTestDlg", "参数3"), 281, 194, 28, 10, 0, Id::kParam3, ""},
    {Id::kNone, K::Label, QT_TRANSLATE_NOOP("CModuleTestDlg", "参数1,2"), 351, 166, 38, 10, 0, Id::kParam12, ""},
    {Id::kNone, K::Label, QT_TRANSLATE_NOOP("CModuleTestDlg", "采集时间"), 293, 105, 33, 8, kHidden, Id::kCaptureTime, ""},
    {Id::kNone, K::Label, "ms", 320, 115, 10, 11, kHidden, Id::kNone, ""},
};
// clang-format on

CControlRow RadioRow(int index) {
    const COperation& operation = OperationAt(index);
    const CRadioLayout& at = kRadioLayout[index];
    const auto id = static_cast<ControlId>(operation.radioId);
    const unsigned style = at.style | (operation.visible ? 0u : kHidden);
    return {id, K::Radio, operation.caption, at.x, at.y, at.width, at.height, style, Id::kNone, ""};
}

const std::vector<CControlRow>& AllControls() {
    static const std::vector<CControlRow> all = [] {
        std::vector<CControlRow> rows;
        for (int i = 0; i < kRadioCount; ++i)
            rows.push_back(RadioRow(i));
        rows.insert(rows.end(), std::begin(kOtherControls), std::end(kOtherControls));
        rows.insert(rows.end(), std::begin(kStatics), std::end(kStatics));
        return rows;
    }();
    return all;
}
} // namespace

static_assert(kRadioCount == kOperationCount, "one radio button per operation");
static_assert(kRadioCount + std::size(kOtherControls) + std::size(kStatics) == kControlCount,
              "the layout holds 83 controls");

const CControlRow& ControlRowAt(int index) {
    return AllControls().at(static_cast<std::size_t>(index));
}
