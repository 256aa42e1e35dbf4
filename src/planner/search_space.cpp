#include "planner/search_space.h"

#include <algorithm>

namespace toviran::planner {
namespace {

std::uint8_t Byte(int value) {
    return static_cast<std::uint8_t>(std::clamp(value, 0, 255));
}

}  // namespace

PackedMag SearchSpace::Pack(const MagCore& m) const {
    PackedMag p;
    for (std::size_t k = 0; k < 4; ++k) {
        p.level[k] = Byte(m.statLevel[k]);
        p.progress[k] = Byte(m.progress[k]);
    }
    p.form = static_cast<std::uint8_t>(m.form);
    p.flags = static_cast<std::uint8_t>((m.rare ? 1 : 0) | (m.feedTableNo & 0xf) << 4);
    if (goal_.needsIqSynchro) {
        p.iq = Byte(m.iq);
        p.synchro = Byte(m.synchro);
    }
    return p;
}

MagCore SearchSpace::Unpack(const PackedMag& p) const {
    MagCore m;
    int level = 0;
    for (std::size_t k = 0; k < 4; ++k) {
        m.statLevel[k] = p.level[k];
        m.progress[k] = p.progress[k];
        level += p.level[k];
    }
    m.level = static_cast<std::int16_t>(level);
    m.form = static_cast<std::int8_t>(p.form);
    m.rare = (p.flags & 1) != 0;
    m.feedTableNo = static_cast<std::int8_t>(p.flags >> 4);
    m.iq = p.iq;
    m.synchro = p.synchro;
    return m;
}

std::uint64_t SearchSpace::Hash(const PackedMag& p) {
    std::uint64_t a = 0;
    std::uint32_t b = 0;
    std::memcpy(&a, &p, sizeof a);
    std::memcpy(&b, reinterpret_cast<const unsigned char*>(&p) + sizeof a, sizeof b);
    std::uint64_t h = a * 0x9e3779b97f4a7c15ull ^ (b + 0x632be59bd9b4e019ull);
    h ^= h >> 29;
    h *= 0xbf58476d1ce4e5b9ull;
    return h ^ (h >> 32);
}

}  // namespace toviran::planner
