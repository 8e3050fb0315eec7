#include "hex_text.h"

namespace {
constexpr char kUpperDigits[] = "0123456789ABCDEF";
constexpr char kLowerDigits[] = "0123456789abcdef";

int HexDigitValue(char16_t c) {
    if (c >= u'A' && c <= u'Z')
        return c - 55;
    if (c >= u'a' && c <= u'z')
        return c - 87;
    return static_cast<int>(c) - 48;
}
} // namespace

uint16_t ParseHexText(const QString& text, int keepChars) {
    const int kept = std::min<int>({static_cast<int>(text.size()), 9, keepChars});
    uint32_t value = 0;
    for (int i = 0; i < kept; ++i)
        value =
            (value * 16u + static_cast<uint32_t>(HexDigitValue(text.at(i).unicode()))) & 0xFFFFu;
    return static_cast<uint16_t>(value);
}

QString FormatHexDump(const uint8_t* bytes, int n) {
    if (n <= 0)
        return QString();
    QString text(3 * n - 1, QChar(u' '));
    QChar* out = text.data();
    for (int i = 0; i < n; ++i) {
        out[3 * i] = QLatin1Char(kUpperDigits[bytes[i] >> 4]);
        out[3 * i + 1] = QLatin1Char(kUpperDigits[bytes[i] & 0x0F]);
    }
    return text;
}

QString FormatCommandBytes(const uint8_t* bytes, int n) {
    QString text;
    text.reserve(3 * n);
    for (int i = 0; i < n; ++i) {
        text += QLatin1Char(kLowerDigits[bytes[i] >> 4]);
        text += QLatin1Char(kLowerDigits[bytes[i] & 0x0F]);
        text += QLatin1Char(' ');
    }
    return text;
}

QString HexNoLeadingZeros(unsigned value) {
    return QString::number(value, 16);
}
