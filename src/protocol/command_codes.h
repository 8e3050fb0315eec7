#pragma once
// The module's command codes, named by what they ask for: the one table that the program's
// packet building and reply reading share. (The module simulator keeps a table of its own.)
#include <cstdint>

namespace ModuleCommand {
constexpr uint8_t kEnrolFirst = 0x01;  // first capture of an enrolment
constexpr uint8_t kEnrolSecond = 0x02; // second capture
constexpr uint8_t kEnrolLast = 0x03;   // last capture, the user is stored
constexpr uint8_t kDeleteUser = 0x04;
constexpr uint8_t kDeleteAllUsers = 0x05;
constexpr uint8_t kEnrolLastUpload = 0x06; // last capture, the new feature value comes back
constexpr uint8_t kUserCount = 0x09;       // also the download's start request
constexpr uint8_t kUserPrivilege = 0x0A;
constexpr uint8_t kCompareOne = 0x0B; // 1:1 comparison with a stored user
constexpr uint8_t kCompareAll = 0x0C; // 1:N search of the stored users
constexpr uint8_t kAdjustBrightness = 0x0F;
constexpr uint8_t kSetRate = 0x21;       // the module's own line rate
constexpr uint8_t kSetRegister = 0x22;   // sensor register; also the image-move buttons
constexpr uint8_t kCaptureUpload = 0x23; // capture and send back the feature value
constexpr uint8_t kCaptureImage = 0x24;
constexpr uint8_t kSerialTest = 0x25;
constexpr uint8_t kVersion = 0x26;
constexpr uint8_t kCompareLevel = 0x28;
constexpr uint8_t kOtherUpload = 0x29; // sent by no operation here; its reply enables saving
constexpr uint8_t kUserList = 0x2B;
constexpr uint8_t kSleep = 0x2C;
constexpr uint8_t kSetValue = 0x2D;
constexpr uint8_t kBrightness = 0x2F;
constexpr uint8_t kUploadUser = 0x31; // send back a stored user's feature value
constexpr uint8_t kOneRecord = 0x38;
constexpr uint8_t kNewRecords = 0x39;
constexpr uint8_t kClearRecords = 0x3B;
constexpr uint8_t kStoreFeature = 0x41;
constexpr uint8_t kDownloadCompareOne = 0x42;
constexpr uint8_t kDownloadCompareAll = 0x43;
constexpr uint8_t kDownloadCompare = 0x44; // a sent feature value against a capture
constexpr uint8_t kTwoFingerCompare = 0x46;
constexpr uint8_t kHandshake = 0xFF; // the download's handshake and acknowledgements
} // namespace ModuleCommand
