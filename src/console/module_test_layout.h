#pragma once
// The test panel's layout as data: every control with its id, kind, caption, position in dialog
// units and initial state. The 27 operation radio buttons take their ids and captions from the
// operation table; only their positions live here.
#include <cstdint>

enum class EControlKind : uint8_t {
    Radio,         // operation radio button, one group
    Check,         // check box
    LineEdit,      // one-line edit field
    TextDisplay,   // multi-line, read-only edit field with a vertical scroll bar
    HexDump,       // read-only hex dump view with a vertical scroll bar
    PushButton,    // plain push button
    CoolButton,    // CCoolButton
    Label,         // static text
    Frame,         // group frame, titled or not
    ImageControl,  // the fingerprint image control
    SerialControl, // where the serial communications control sits; draws nothing
};

enum EControlStyle : unsigned {
    kStyleHidden = 1u << 0,      // created invisible and never shown
    kStyleDisabled = 1u << 1,    // created disabled
    kStyleUpperCase = 1u << 2,   // the field turns all of its text into upper case
    kStyleReadOnly = 1u << 3,    // only the program writes the field
    kStyleCentred = 1u << 4,     // centred text
    kStyleDefault = 1u << 5,     // the default push button
    kStyleWrapCaption = 1u << 6, // caption broken over several lines to fit
};

// The ids of the panel's controls; each control's object name is "ctl" + its number.
enum class ControlId : int {
    kNone = 0, // labels and frames without an id of their own

    // The operation radio buttons, named by their operation; their rows (index, caption) are in
    // the operation table.
    kRadioUserCount = 1018,
    kRadioEnrol = 1021,
    kRadioUserPrivilege = 1019,
    kRadioDeleteUser = 1022,
    kRadioDeleteAllUsers = 1023,
    kRadioCompareOne = 1030,
    kRadioCompareAll = 1026,
    kRadioCaptureImage = 1032,
    kRadioStoreFeature = 1027,
    kRadioDownloadCompare = 1031,
    kRadioDownloadCompareOne = 1029,
    kRadioDownloadCompareAll = 1020,
    kRadioUploadUser = 1028,
    kRadioCaptureUpload = 1025,
    kRadioUserList = 1043,
    kRadioSleep = 1044,
    kRadioVersion = 1035,
    kRadioCompareLevel = 1036,
    kRadioBrightness = 1046,
    kRadioAdjustBrightness = 1091,
    kRadioOneRecord = 1059,
    kRadioNewRecords = 1060,
    kRadioClearRecords = 1063,
    kRadioSetTime = 1061,
    kRadioReadTime = 1062,
    kRadioInitialValue = 1034,
    kRadioSerialTest = 1038,

    // Check boxes, named by what they ask for.
    kQueryCapacity = 1098,   // "取容量"
    kCaptureTwice = 1080,    // "采集两次"
    kUploadFeature = 1081,   // "特征值上传"
    kIdIncAfterEnrol = 1082, // "ID号自增1"
    kIdIncAfterStore = 1086, // "ID号自动加1"
    kTwoFingers = 1087,      // "2指纹"
    kHighResolution = 1088,  // "高分辨率原图"
    kBatchEnable = 1095,     // "有效"

    // Parameter fields, read as hexadecimal.
    kParam1 = 1000,  // "参数1"
    kParam2 = 1003,  // "参数2"
    kParam3 = 1004,  // "参数3"
    kParam12 = 1009, // "参数1,2": parameters 1 and 2 as one 16-bit value

    kFeaturePath = 1042,    // path of the chosen feature file
    kBrowse = 1041,         // "浏览"
    kCommandDisplay = 1002, // the eight command bytes in hexadecimal
    kSendCommand = 1005,    // "发送命令"
    kEnableSend = 1049,     // hidden; enables "发送命令"
    kSaveFeature = 1048,    // "上传特征值存储"
    kResult = 1007,         // the interpreted reply
    kDump = 1054,           // every received byte in hexadecimal
    kImage = 1011,          // the fingerprint image control
    kSerial = 1013,         // the serial communications control

    // Batch storage.
    kBatchStore = 1092,        // "批量存储指纹特征值"
    kBatchTotal = 1093,        // number of files in the batch
    kBatchCurrent = 1094,      // number of the item being stored
    kBatchTotalLabel = 1096,   // "总数"
    kBatchCurrentLabel = 1097, // "当前"

    // Hidden sensor adjustments and the capture time.
    kMoveRight = 1067,      // "右移"
    kMoveRightValue = 1069, // value for "右移"
    kMoveUp = 1068,         // "上移"
    kMoveUpValue = 1070,    // value for "上移"
    kBrightnessUp = 1071,   // "亮度增加"
    kBrightnessStep = 1072, // value beside "亮度增加"
    kCaptureTime = 1083,    // capture time in milliseconds
};

// The id as the number it stands for.
constexpr int IdNumber(ControlId id) {
    return static_cast<int>(id);
}

struct CControlRow {
    ControlId id;
    EControlKind kind;
    const char* caption; // UTF-8; empty for none
    int x, y, width, height;
    unsigned style;             // EControlStyle bits
    ControlId buddyId;          // for a label: the control it names; kNone for none
    const char* accessibleName; // UTF-8; set where neither caption nor label names the control
};

constexpr int kPanelWidthUnits = 643;
constexpr int kPanelHeightUnits = 444;
constexpr int kControlCount = 83;
constexpr int kRadioCount = 27;

// All 83 controls in creation order: the radio buttons first (index = operation index), then the
// other controls, then the labels and frames.
const CControlRow& ControlRowAt(int index);
