#pragma once
// Builders for the download tests: .dat files of any shape, program values with a chosen
// signature, and the halves a loaded file must turn into, built value by value.
#include <QByteArray>
#include <QString>
#include <QVector>
#include <cstdint>

constexpr int kFixtureValueCount = 32768;

struct CDatFileLayout {
    QByteArray header = "DSP program data\r\n";
    QVector<uint16_t> values;    // one record each
    QByteArray lineEnd = "\r\n"; // after every record
    bool lowerCase = false;      // digits a-f instead of A-F
    int cutFromEnd = 0;          // bytes taken off the end of the file
};

QByteArray DatFileBytes(const CDatFileLayout& layout);

// 32768 values: 0xD801, mark, then a reproducible pseudo-random sequence.
QVector<uint16_t> ProgramValues(uint16_t mark, uint32_t seed);

// What a half must hold after its file was loaded, built from the file's values.
QByteArray ExpectedHalf28000(QVector<uint16_t> values);
QByteArray ExpectedHalf38000(QVector<uint16_t> values);
// The values as they lie in the image, high byte first, without any processing.
QByteArray BigEndianBytes(const QVector<uint16_t>& values);

// Writes bytes to dir/name and returns the full path (empty on failure).
QString WriteFixtureFile(const QString& dir, const QString& name, const QByteArray& bytes);
