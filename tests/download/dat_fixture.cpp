#include "dat_fixture.h"

#include <QFile>

QByteArray DatFileBytes(const CDatFileLayout& layout) {
    QByteArray bytes = layout.header;
    bytes.reserve(layout.header.size() + layout.values.size() * (6 + layout.lineEnd.size()));
    for (uint16_t value : layout.values) {
        QByteArray digits = QByteArray::number(value, 16).rightJustified(4, '0');
        digits = layout.lowerCase ? digits.toLower() : digits.toUpper();
        bytes += "0x" + digits + layout.lineEnd;
    }
    bytes.chop(layout.cutFromEnd);
    return bytes;
}

QVector<uint16_t> ProgramValues(uint16_t mark, uint32_t seed) {
    QVector<uint16_t> values(kFixtureValueCount);
    uint32_t state = seed;
    for (uint16_t& value : values) {
        state = state * 1103515245u + 12345u;
        value = static_cast<uint16_t>(state >> 16);
    }
    values[0] = 0xD801;
    values[1] = mark;
    return values;
}

QByteArray BigEndianBytes(const QVector<uint16_t>& values) {
    QByteArray bytes;
    for (uint16_t value : values) {
        bytes.append(static_cast<char>(value >> 8));
        bytes.append(static_cast<char>(value & 0xFF));
    }
    return bytes;
}

// The checksum as the XOR of the high bytes and the XOR of the low bytes.
static uint16_t SplitXor(const QVector<uint16_t>& values, int first, int last) {
    unsigned high = 0, low = 0;
    for (int k = first; k <= last; ++k) {
        high ^= values[k] >> 8;
        low ^= values[k] & 0xFFu;
    }
    return static_cast<uint16_t>(high << 8 | low);
}

QByteArray ExpectedHalf28000(QVector<uint16_t> values) {
    std::fill(values.begin(), values.begin() + 768, uint16_t(0xFFFF));
    values[30719] = SplitXor(values, 768, 30718);
    return BigEndianBytes(values);
}

QByteArray ExpectedHalf38000(QVector<uint16_t> values) {
    std::fill(values.begin(), values.begin() + 128, uint16_t(0xFFFF));
    std::fill(values.begin() + 29696, values.begin() + 29704, uint16_t(0xFFFF));
    values[29695] = SplitXor(values, 128, 29694);
    bool masking = true;
    for (int k = 29704; k <= 30719; ++k) {
        masking = masking && values[k] != 0;
        if (masking)
            values[k] ^= 0x5AC3;
    }
    return BigEndianBytes(values);
}

QString WriteFixtureFile(const QString& dir, const QString& name, const QByteArray& bytes) {
    const QString path = dir + QLatin1Char('/') + name;
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) || file.write(bytes) != bytes.size())
        return QString();
    return path;
}
