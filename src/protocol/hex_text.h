#pragma once
// Hexadecimal text in both directions: the parameter fields the user types and the byte dumps
// the panels show.
#include <QString>
#include <cstdint>

// Reads the first keepChars characters of text (of at most 9) as hexadecimal, without
// validation: A-Z count from 10, a-z from 10, any other character as its code minus '0'.
// The value is taken modulo 65536, so "G" gives 16 and an empty text 0.
uint16_t ParseHexText(const QString& text, int keepChars);

// "F5 09 00 ..." : two upper-case digits per byte, one space between bytes, none after the last.
QString FormatHexDump(const uint8_t* bytes, int n);

// Two lower-case digits per byte, each followed by one space (the command display's builder).
QString FormatCommandBytes(const uint8_t* bytes, int n);

// Hexadecimal without leading zeros ("0" for zero), lower case as the builders write it.
QString HexNoLeadingZeros(unsigned value);
