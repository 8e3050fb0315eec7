#pragma once
// The DSP program image: 128 KB in two 64 KB halves, the 0x28000 half first. Each half holds
// 32768 16-bit program values, high byte first. The two .dat loaders fill it, the .bin writer and
// the download read it. It lives for the whole run and is zero at start.
#include <cstdint>

constexpr int kProgramImageSize = 0x20000;
constexpr int kProgramHalfSize = 0x10000;
constexpr int kValuesPerHalf = kProgramHalfSize / 2;

extern uint8_t ProgramImage[kProgramImageSize];

// Back to the state at program start (all zero); tests call it between cases.
void ResetProgramImage();

enum class EProgramHalf { Half28000, Half38000 };

// The first byte of the half inside ProgramImage.
uint8_t* HalfBytes(EProgramHalf half);

// Value k (0..32767) of a half, high byte first.
uint16_t HalfValue(const uint8_t* halfBytes, int k);
void SetHalfValue(uint8_t* halfBytes, int k, uint16_t value);
