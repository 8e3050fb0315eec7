#include "program_image.h"

#include <cstring>

uint8_t ProgramImage[kProgramImageSize];

void ResetProgramImage() {
    std::memset(ProgramImage, 0, sizeof ProgramImage);
}

uint8_t* HalfBytes(EProgramHalf half) {
    return ProgramImage + (half == EProgramHalf::Half28000 ? 0 : kProgramHalfSize);
}

uint16_t HalfValue(const uint8_t* halfBytes, int k) {
    return static_cast<uint16_t>(halfBytes[2 * k] << 8 | halfBytes[2 * k + 1]);
}

void SetHalfValue(uint8_t* halfBytes, int k, uint16_t value) {
    halfBytes[2 * k] = static_cast<uint8_t>(value >> 8);
    halfBytes[2 * k + 1] = static_cast<uint8_t>(value & 0xFF);
}
