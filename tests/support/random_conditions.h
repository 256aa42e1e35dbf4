#pragma once
// Random stat conditions for the planner's tests and benchmarks: loosened from levels a
// feeding ended at, so that the feeding is a plan for them.
#include <algorithm>
#include <random>

#include "planner/plan.h"

namespace toviran::testing {

using planner::StatRanges;

// Conditions that the levels meet, loosened at random: each stat exactly, at least some
// levels below, at most some above, between, or any.
inline StatRanges Loosened(std::mt19937& rng, const StatArray& levels) {
    StatRanges ranges{};
    for (std::size_t k = 0; k < 4; ++k) {
        const int level = levels[k];
        const int below = std::max(0, level - static_cast<int>(rng() % 20));
        const int above = std::min(kLevelCap, level + static_cast<int>(rng() % 20));
        switch (rng() % 5) {
            case 0:
                ranges[k] = {level, level};
                break;
            case 1:
                ranges[k] = {below, kLevelCap};
                break;
            case 2:
                ranges[k] = {0, above};
                break;
            case 3:
                ranges[k] = {below, above};
                break;
            default:
                break;
        }
    }
    return ranges;
}

}  // namespace toviran::testing
