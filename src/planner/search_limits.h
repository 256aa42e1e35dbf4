#pragma once
// Every limit the planner's searches keep, in one place: the budgets a request starts with,
// how they are shared between the searches of a plan, and how the effort scales them.
#include <chrono>
#include <cstddef>
#include <cstdint>

namespace toviran::planner {

// States the searches may make for one request at effort 1. Measured so that the slowest
// requests end well inside the safety limit on a busy two-core machine.
inline constexpr std::uint64_t kDefaultWork = 60'000'000;
// The work for one row of the table of every form a mag can become, at effort 1: the
// lowest level and the fewest items there, over all the levels tried.
inline constexpr std::uint64_t kReachWork = 4'000'000;
inline constexpr std::size_t kDefaultMemoryBytes = std::size_t{512} << 20;
// The most effort a request may ask: 「もっと探す」 four times over, three times.
inline constexpr int kMostEffort = 64;

#ifdef TOVIRAN_SANITIZED
// Built with the sanitizers everything runs about ten times slower.
inline constexpr std::chrono::milliseconds kSafetyLimit{1'200'000};
#else
inline constexpr std::chrono::milliseconds kSafetyLimit{120'000};
#endif

// How the work of one request is shared between its searches.
struct RoundLimits {
    // Short targets get a wide first search, long ones a narrower one (width x bound^2 stays
    // about this); later rounds widen it fourfold each.
    double beamScale = 4e6;
    int minBeamWidth = 256;
    int maxFirstWidth = 16384;
    int maxBeamWidth = 1 << 18;
    // What one child of a wide search's step takes in memory, all its copies counted.
    std::size_t bytesPerChild = 200;
    // Once a plan is in hand, widening the search may cost this many times the work that
    // found it (at least leastImprovement), so that quick targets stay quick. Both grow
    // with the effort, or 「もっと探す」 could stop where the search before it stopped.
    std::uint64_t improvementFactor = 16;
    std::uint64_t leastImprovement = 8'000'000;
    // A proof is tried when the plan is at most this many items above the bound, with at
    // most this much work beyond the second evolution.
    int proofGap = 3;
    std::uint64_t closeProofWork = 12'000'000;
    // A wide search past three times the bound and this many items more has lost its way.
    int strayItems = 200;

    // The same with every amount of work scaled by the effort.
    static RoundLimits ForEffort(int effort) {
        RoundLimits limits;
        const auto e = static_cast<std::uint64_t>(effort < 1 ? 1 : effort);
        limits.leastImprovement *= e;
        limits.improvementFactor *= e;
        limits.closeProofWork *= e;
        limits.maxBeamWidth *= static_cast<int>(e < 16 ? e : 16);
        return limits;
    }
};

}  // namespace toviran::planner
