#include "sim_random.h"

#include "sim_packets.h"

namespace sim {

uint64_t CSimRandom::Next() {
    uint64_t z = (m_nState += 0x9E3779B97F4A7C15ull);
    z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
    z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
    return z ^ (z >> 31);
}

uint64_t MixSeed(uint64_t seed, uint64_t salt) {
    CSimRandom random(seed ^ (salt * 0xD6E8FEB86659FD93ull));
    return random.Next();
}

QByteArray FeatureValueOf(uint64_t seed, uint64_t fingerId) {
    CSimRandom random(MixSeed(seed, fingerId));
    QByteArray feature(kFeatureSize, '\0');
    for (char& b : feature)
        b = char(random.NextByte());
    return feature;
}

} // namespace sim
