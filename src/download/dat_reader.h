#pragma once
// The reader of DSP program data files (.dat): a header line, then 32768 fixed records of
// 8 bytes each: 2 ignored bytes ("0x"), 4 hexadecimal digits, 2 ignored bytes (CR LF).
// The reader never looks for line breaks after the header and never reads past the records.
#include <QString>
#include <cstdint>

class QIODevice;

constexpr int kDatRecordCount = 32768;
constexpr int kDatRecordSize = 8;
constexpr int kDatRecordPrefix = 2; // skipped before the digits
constexpr int kDatRecordRead = 6;   // read after the prefix; the first 4 are the digits

enum class EDatReadResult {
    Loaded,
    OpenFailed, // the file could not be opened
    ReadFailed, // the file ended before its header line or its 32768 records did, its header
                // line is longer than 1 MiB, or the path is a FIFO or a device
};

// Four characters read as a hexadecimal number, most significant first, without validation:
// A-Z count from 10, a-z from 10, any other byte as its code minus '0', modulo 65536.
uint16_t HexToWord(const char* fourChars);

// Skips the header line (every byte up to and including the first line feed) and stores the 32768
// record values into the half (high byte first). On a short file the values of the complete records
// stay stored. Reads nothing beyond the records. A failed read puts its reason into `reason`
// (the header line too long, the records that came).
EDatReadResult ReadDatRecords(QIODevice& device, uint8_t* halfBytes, QString* reason = nullptr);

// Opens the file as raw, unbuffered bytes and reads it as above.
EDatReadResult ReadDatFile(const QString& path, uint8_t* halfBytes, QString* reason = nullptr);
