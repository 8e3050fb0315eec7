#pragma once
// The checks and changes a half of the program image goes through once its .dat file is read:
// the signature check, then blanking, the XOR checksum and (0x38000 half) the masking.
#include "program_image.h"

#include <cstdint>

constexpr uint16_t kSignatureFirst = 0xD801;
constexpr uint16_t kSignature28000 = 0xAD28;
constexpr uint16_t kSignature38000 = 0xAD38;
constexpr uint16_t kMaskValue = 0x5AC3;

// Value 0 must be 0xD801 and value 1 the half's own mark (0xAD28 or 0xAD38).
bool HasValidSignature(EProgramHalf half, const uint8_t* halfBytes);

// XOR of values first..last (inclusive), starting from 0.
uint16_t XorValues(const uint8_t* halfBytes, int first, int last);

// Replaces each value of first..last by value XOR 0x5AC3 until the first value that is 0;
// that value and all after it stay as they are.
void MaskUntilFirstZero(uint8_t* halfBytes, int first, int last);

// Blanking, checksum and masking of an accepted half.
void PostProcessHalf(EProgramHalf half, uint8_t* halfBytes);
