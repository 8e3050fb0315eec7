#pragma once
// The rates the PC and the module talk at, indexed from 1.
#include <QString>

constexpr int kRateCount = 5;

// "19200,n,8,1" for index 2; any index outside 1..5 gives "19200,n,8,1".
QString RateSettings(int index);
// The bit rate of the index's settings: 19200 for index 2 (and outside 1..5).
QString RateBitsText(int index);
// The rate index (1..5) of "9600" .. "115200"; 0 for any other text.
int RateIndexOf(const QString& rate);
// The time `bytes` take on the line at the index's rate, 10 bits a byte (start, 8 data, stop),
// in whole milliseconds.
int LineTimeMs(int index, int bytes);
// "19,200" for list position 1 (index 2).
QString RateListText(int position);
