#pragma once
// The test console's operations: one row of data per radio button, and the pure builder that
// turns a row plus the panel's inputs into the bytes of the command packet.
#include <cstdint>

// Input fields and buttons that a build enables; all others of these six are disabled.
enum EEnabledField : unsigned {
    kFieldParam1 = 1u << 0,      // 1000 "参数1"
    kFieldParam2 = 1u << 1,      // 1003 "参数2"
    kFieldParam3 = 1u << 2,      // 1004 "参数3"
    kFieldParam12 = 1u << 3,     // 1009 "参数1,2"
    kFieldFeaturePath = 1u << 4, // 1042 feature file path
    kFieldBrowse = 1u << 5,      // 1041 "浏览"
};

// Where a packet byte comes from.
enum class EByteSource : uint8_t { Zero, Param1, Param2, Param3, Fixed };

// How the command byte of a row is chosen.
enum class ECommandRule : uint8_t {
    Fixed,    // always the row's command
    Enrol,    // 0x01 on the first step, else the byte the enrolment sequence left
    NoChange, // the previous packet stays; only head, reserved, check and tail are renewed
};

// The option that changes a row's bytes.
enum class ERowOption : uint8_t {
    None,
    QueryCapacity, // p3 = 0xFF when "取容量" is ticked
    HighRes,       // p3 = 0x20 when "高分辨率原图" is ticked
    TwoFingers,    // command 0x46 with 389 payload bytes when "2指纹" is ticked
};

struct COperation {
    int radioId;
    const char* caption; // UTF-8
    ECommandRule rule;
    uint8_t command;
    EByteSource p1, p2, p3;
    uint8_t fixedP1, fixedP2; // for EByteSource::Fixed
    bool carriesFeature;      // payload bytes 0..2 then feature value(s)
    EByteSource payload[3];
    ERowOption option;
    unsigned fields; // EEnabledField bits
    bool visible;    // indices 20..26 are never shown
};

// The operations by their row in the table (the index the panel's radio group uses).
enum class EOperation : int {
    UserCount,
    Enrol,
    UserPrivilege,
    DeleteUser,
    DeleteAllUsers,
    CompareOne,
    CompareAll,
    CaptureImage,
    StoreFeature,
    DownloadCompare,
    DownloadCompareOne,
    DownloadCompareAll,
    UploadUser,
    CaptureUpload,
    UserList,
    Sleep,
    Version,
    CompareLevel,
    Brightness,
    AdjustBrightness,
    OneRecord,
    NewRecords,
    ClearRecords,
    SetTime,
    ReadTime,
    InitialValue,
    SerialTest,
};

// The operation's row in the table, the number the panel's radio group and m_nOperation use.
constexpr int OperationIndex(EOperation operation) {
    return static_cast<int>(operation);
}

constexpr int kOperationCount = 27;
static_assert(OperationIndex(EOperation::SerialTest) == kOperationCount - 1, "one operation a row");
const COperation& OperationAt(int index); // index 0..26

struct CBuildInputs {
    int operation = 0;
    uint16_t param1 = 0, param2 = 0, param3 = 0; // ParseHexField of 1000, 1003, 1004
    bool queryCapacity = false;
    bool highResolution = false;
    bool twoFingers = false;
    bool enrolFirstStep = false;
    uint8_t previousCommand = 0; // byte 1 of the packet before this build
};

struct CBuildResult {
    bool noChange = true; // the row keeps the previous packet (and its length and enables)
    uint8_t command = 0, p1 = 0, p2 = 0, p3 = 0;
    bool hasPayloadHeader = false;
    uint8_t payload[3] = {0, 0, 0};
    int txLength = 8;
    bool needFeatureFile = false;
    unsigned fields = 0;
};

CBuildResult BuildOperation(const CBuildInputs& in);
