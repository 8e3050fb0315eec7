#include "dat_writer.h"

#include <QFile>

QVector<uint16_t> SignedProgramValues(uint16_t mark, uint32_t seed) {
    QVector<uint16_t> values(kDatValueCount);
    values[0] = kDatFirstValue;
    values[1] = mark;
    uint32_t state = seed * 2654435761u + 1u;
    for (int k = 2; k < kDatValueCount; ++k) {
        state = state * 1664525u + 1013904223u; // a plain linear congruential sequence
        values[k] = uint16_t(state >> 16);
    }
    return values;
}

bool WriteDatFile(const QString& path, const QVector<uint16_t>& values) {
    QByteArray bytes = "DSP program data, end-to-end test\r\n";
    bytes.reserve(bytes.size() + values.size() * 8);
    for (uint16_t value : values)
        bytes += "0x" + QByteArray::number(value, 16).rightJustified(4, '0').toUpper() + "\r\n";
    QFile file(path);
    return file.open(QIODevice::WriteOnly | QIODevice::Truncate) &&
           file.write(bytes) == bytes.size();
}

void EmbedText(QVector<uint16_t>& values, int at, const QByteArray& text) {
    const QByteArray ended = text + QByteArray(2, '\0');
    for (int i = 0; i + 1 < ended.size(); i += 2)
        values[at + i / 2] = uint16_t(uint8_t(ended[i]) << 8 | uint8_t(ended[i + 1]));
}
