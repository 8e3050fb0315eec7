#pragma once
// The command codes the module answers and the result codes it puts into byte 4 of a reply.
#include <cstdint>

namespace sim {

namespace cmd {
constexpr uint8_t kEnrolFirst = 0x01;
constexpr uint8_t kEnrolSecond = 0x02;
constexpr uint8_t kEnrolLast = 0x03;
constexpr uint8_t kDeleteUser = 0x04;
constexpr uint8_t kDeleteAll = 0x05;
constexpr uint8_t kEnrolUpload = 0x06; // last enrolment step, returns the new feature value
constexpr uint8_t kUserCount = 0x09;   // also the start request of a download
constexpr uint8_t kPrivilege = 0x0A;
constexpr uint8_t kCompareUser = 0x0B;    // captured finger against one user
constexpr uint8_t kCompareAll = 0x0C;     // captured finger against every user
constexpr uint8_t kCalibrate = 0x0F;      // brightness self-adjustment
constexpr uint8_t kRate = 0x21;           // the module's own line rate
constexpr uint8_t kRegister = 0x22;       // set an initial value
constexpr uint8_t kCaptureFeature = 0x23; // capture, extract and upload a feature value
constexpr uint8_t kCaptureImage = 0x24;
constexpr uint8_t kLinkTest = 0x25;
constexpr uint8_t kVersion = 0x26;
constexpr uint8_t kCompareLevel = 0x28;
constexpr uint8_t kUserList = 0x2B;
constexpr uint8_t kSleep = 0x2C;
constexpr uint8_t kBrightness = 0x2F;
constexpr uint8_t kUploadFeature = 0x31;
constexpr uint8_t kOneRecord = 0x38;
constexpr uint8_t kNewRecords = 0x39;
constexpr uint8_t kClearRecords = 0x3B;
constexpr uint8_t kStoreFeature = 0x41;
constexpr uint8_t kCompareUserWith = 0x42;  // downloaded feature against one user
constexpr uint8_t kCompareAllWith = 0x43;   // downloaded feature against every user
constexpr uint8_t kCompareFinger = 0x44;    // downloaded feature against the captured finger
constexpr uint8_t kCompareFingerTwo = 0x46; // two downloaded features against the finger
constexpr uint8_t kDownload = 0xFF;         // download handshake and block acknowledgements
} // namespace cmd

namespace rc {
constexpr uint8_t kOk = 0x00;
constexpr uint8_t kFailed = 0x01;
constexpr uint8_t kUndefinedPrivilege = 0x04; // answer to 0x0A
constexpr uint8_t kDatabaseFull = 0x04;
constexpr uint8_t kNoUser = 0x05; // also: no matching fingerprint
constexpr uint8_t kUserExists = 0x06;
constexpr uint8_t kFingerExists = 0x07;
constexpr uint8_t kTimeout = 0x08;
constexpr uint8_t kFullImage = 0x20;
constexpr uint8_t kCapacity = 0xFF;
} // namespace rc

// Whether a command packet of this command is followed by a data packet.
constexpr bool CarriesData(uint8_t command) {
    return command == cmd::kStoreFeature || command == cmd::kCompareUserWith ||
           command == cmd::kCompareAllWith || command == cmd::kCompareFinger ||
           command == cmd::kCompareFingerTwo;
}

// The result a command fails with when its request is unusable (bad or truncated data packet,
// wrong payload size). The 1:N comparisons have no failure code of their own besides "no match".
constexpr uint8_t FailureResult(uint8_t command) {
    return (command == cmd::kCompareAll || command == cmd::kCompareAllWith) ? rc::kNoUser
                                                                            : rc::kFailed;
}

} // namespace sim
