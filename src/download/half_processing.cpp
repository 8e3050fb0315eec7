#include "half_processing.h"

#include <cstring>

namespace {
// Value ranges of the 0x28000 half.
constexpr int kBlank28000End = 767;
constexpr int kSum28000First = 768;
constexpr int kSum28000Last = 30718;
constexpr int kSum28000At = 30719;

// Value ranges of the 0x38000 half.
constexpr int kBlank38000End = 127;
constexpr int kSecondBlank38000First = 29696;
constexpr int kSecondBlank38000Last = 29703;
constexpr int kSum38000First = 128;
constexpr int kSum38000Last = 29694;
constexpr int kSum38000At = 29695;
constexpr int kMask38000First = 29704;
constexpr int kMask38000Last = 30719;

void BlankValues(uint8_t* halfBytes, int first, int last) {
    std::memset(halfBytes + 2 * first, 0xFF, static_cast<size_t>(2 * (last - first + 1)));
}

void PostProcess28000(uint8_t* halfBytes) {
    BlankValues(halfBytes, 0, kBlank28000End);
    SetHalfValue(halfBytes, kSum28000At, XorValues(halfBytes, kSum28000First, kSum28000Last));
}

void PostProcess38000(uint8_t* halfBytes) {
    BlankValues(halfBytes, 0, kBlank38000End);
    BlankValues(halfBytes, kSecondBlank38000First, kSecondBlank38000Last);
    SetHalfValue(halfBytes, kSum38000At, XorValues(halfBytes, kSum38000First, kSum38000Last));
    MaskUntilFirstZero(halfBytes, kMask38000First, kMask38000Last);
}
} // namespace

bool HasValidSignature(EProgramHalf half, const uint8_t* halfBytes) {
    const uint16_t mark = half == EProgramHalf::Half28000 ? kSignature28000 : kSignature38000;
    return HalfValue(halfBytes, 0) == kSignatureFirst && HalfValue(halfBytes, 1) == mark;
}

uint16_t XorValues(const uint8_t* halfBytes, int first, int last) {
    uint16_t sum = 0;
    for (int k = first; k <= last; ++k)
        sum ^= HalfValue(halfBytes, k);
    return sum;
}

void MaskUntilFirstZero(uint8_t* halfBytes, int first, int last) {
    for (int k = first; k <= last; ++k) {
        const uint16_t value = HalfValue(halfBytes, k);
        if (value == 0)
            return;
        SetHalfValue(halfBytes, k, static_cast<uint16_t>(value ^ kMaskValue));
    }
}

void PostProcessHalf(EProgramHalf half, uint8_t* halfBytes) {
    if (half == EProgramHalf::Half28000)
        PostProcess28000(halfBytes);
    else
        PostProcess38000(halfBytes);
}
