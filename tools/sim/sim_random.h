#pragma once
// A small deterministic generator (splitmix64), so that a given --seed gives the same feature
// values, images and noise on every run and every platform.
#include <QByteArray>
#include <cstdint>

namespace sim {

class CSimRandom {
public:
    explicit CSimRandom(uint64_t seed) : m_nState(seed) {}
    uint64_t Next();
    uint8_t NextByte() { return uint8_t(Next() >> 56); }
    // A value in [0, 1).
    double NextUnit() { return double(Next() >> 11) / 9007199254740992.0; }

private:
    uint64_t m_nState;
};

// Mixes two numbers into one seed.
uint64_t MixSeed(uint64_t seed, uint64_t salt);

// The 193-byte feature value of a finger; the same finger always has the same value.
QByteArray FeatureValueOf(uint64_t seed, uint64_t fingerId);

} // namespace sim
