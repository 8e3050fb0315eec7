#pragma once
// Writes DSP program data files (.dat) for the end-to-end download: a header line, then one
// record "0x" + four upper-case hexadecimal digits + CR LF per program value.
#include <QString>
#include <QVector>
#include <cstdint>

constexpr int kDatValueCount = 32768;
constexpr uint16_t kDatFirstValue = 0xD801;
constexpr uint16_t kDatMark28000 = 0xAD28;
constexpr uint16_t kDatMark38000 = 0xAD38;

// 32768 values: the signature (0xD801, then the half's mark), then a reproducible sequence of
// the seed.
QVector<uint16_t> SignedProgramValues(uint16_t mark, uint32_t seed);

// Writes the values as a .dat file; false when the file cannot be written.
bool WriteDatFile(const QString& path, const QVector<uint16_t>& values);

// Puts `text` into the values from value `at` on, two characters a value (high byte first), as
// the program carries its version text.
void EmbedText(QVector<uint16_t>& values, int at, const QByteArray& text);
