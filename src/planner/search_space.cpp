#include "planner/search_space.h"

#include <cstring>

namespace toviran::planner {

// Levels stay below 256 and progress below 128, so each 16-bit lane of the levels takes
// its stat's progress in its high byte: one word for all eight numbers.
StateKey SearchSpace::KeyOf(const MagCore& m) const {
    std::uint64_t levels = 0;
    std::uint64_t progress = 0;
    std::memcpy(&levels, m.statLevel.data(), sizeof levels);
    std::memcpy(&progress, m.progress.data(), sizeof progress);
    StateKey key{levels | progress << 8, static_cast<std::uint8_t>(m.form)};
    if (goal.needsIqSynchro)
        key.rest |= std::uint64_t{static_cast<std::uint16_t>(m.iq)} << 8 |
                    std::uint64_t{static_cast<std::uint16_t>(m.synchro)} << 24;
    return key;
}

std::uint64_t SearchSpace::Hash(const StateKey& k) const {
    std::uint64_t h = k.levels * 0x9e3779b97f4a7c15ull ^ (k.rest + 0x632be59bd9b4e019ull);
    h ^= h >> 29;
    h *= 0xbf58476d1ce4e5b9ull;
    return h ^ (h >> 32);
}

bool SearchSpace::OutOfTime() const {
    return std::chrono::steady_clock::now() >= deadline;
}

}  // namespace toviran::planner
