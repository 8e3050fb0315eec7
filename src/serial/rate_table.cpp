#include "rate_table.h"

namespace {
struct CRate {
    const char* listText;
    const char* settings;
};
const CRate kRates[kRateCount] = {
    {"9,600", "9600,n,8,1"},   {"19,200", "19200,n,8,1"},   {"38,400", "38400,n,8,1"},
    {"57,600", "57600,n,8,1"}, {"115,200", "115200,n,8,1"},
};
} // namespace

QString RateSettings(int index) {
    if (index < 1 || index > kRateCount)
        return QStringLiteral("19200,n,8,1");
    return QString::fromLatin1(kRates[index - 1].settings);
}

QString RateBitsText(int index) {
    return RateSettings(index).section(QLatin1Char(','), 0, 0);
}

int RateIndexOf(const QString& rate) {
    for (int index = 1; index <= kRateCount; ++index)
        if (RateBitsText(index) == rate.trimmed())
            return index;
    return 0;
}

int LineTimeMs(int index, int bytes) {
    constexpr qint64 kBitsPerByte = 10;
    return static_cast<int>(bytes * kBitsPerByte * 1000 / RateBitsText(index).toInt());
}

QString RateListText(int position) {
    if (position < 0 || position >= kRateCount)
        return QString();
    return QString::fromLatin1(kRates[position].listText);
}
