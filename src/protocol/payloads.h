#pragma once
// Layouts of the replies that carry data: event records, user entries and the sensor image sizes.
#include <QString>
#include <cstdint>
#include <vector>

constexpr int kPayloadOffset = 9;
constexpr int kListOffset = 11; // first entry of a user or record list
constexpr int kRecordEntrySize = 8;
constexpr int kUserEntrySize = 3;

struct CRecordEntry {
    uint32_t recordNumber = 0; // 22 bits
    uint32_t userNumber = 0;   // 10 bits
    int eventType = 0;         // b7 AND 0x0F
    bool empty = false;        // all eight bytes 0xFF
};
CRecordEntry DecodeRecordEntry(const uint8_t* b);

struct CUserEntry {
    uint32_t userNumber = 0;
    uint32_t privilege = 0;
};
CUserEntry DecodeUserEntry(const uint8_t* b);

// The number of entries a user or record list reply announces (0 when its count did not
// arrive), and the entries of the first `count` reply bytes that arrived whole, in order.
unsigned ListedEntryCount(const uint8_t* reply, int count);
std::vector<CUserEntry> DecodeUserList(const uint8_t* reply, int count);
std::vector<CRecordEntry> DecodeRecordList(const uint8_t* reply, int count);

// The text of a record's event; empty for a type outside 1..7.
QString RecordEventText(const CRecordEntry& record);

struct CImageGeometry {
    int width;
    int height;
};
constexpr int kImageGeometryCount = 13;
extern const CImageGeometry ImageGeometryTable[kImageGeometryCount];
constexpr int kSmallImageLength = 6400; // an 80 x 80 image, one byte per pixel

// First entry with W x H = 8 x L, or -1.
int FindImageGeometry(int lengthField);

// The result codes of an image reply at half and at full resolution.
constexpr uint8_t kHalfResolutionCode = 0x00;
constexpr uint8_t kFullResolutionCode = 0x20;
// The bytes of a whole image reply by its header (bytes 2 to 4): the command packet, the data
// head, the pixel bytes (8 x L at full resolution, L at half resolution and for the 80 x 80
// image), the check and the tail.
int ImageReplySize(const uint8_t* reply);

// The most bytes the module answers `command` with: a command packet, one record, a feature
// value, or, where the reply itself says how long it is (an image, a list, a version text),
// the test console's collection limit.
int LongestReplyLength(uint8_t command);
