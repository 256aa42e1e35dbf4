#pragma once
// The feed planner's question and answer: from a mag, with a class and section ID fixed,
// which feed-button presses reach a chosen form at a chosen level (and, when asked, an
// exact set of stat levels) with the fewest items.
#include <chrono>
#include <cstddef>
#include <cstdint>
#include <functional>
#include <optional>
#include <stop_token>
#include <string>
#include <vector>

#include "engine/feed_tables.h"
#include "engine/mag_core.h"
#include "engine/mag_state.h"
#include "planner/reasons.h"
#include "planner/search_limits.h"

namespace toviran::planner {

// Bit i stands for item i of the feed lists.
using ItemSet = std::uint16_t;
inline constexpr ItemSet kAllItems = (1u << kFeedItemCount) - 1;

// The form of a target that any form meets.
inline constexpr int kAnyForm = -2;

// What one stat's level must be at the target level: from `least` to `most`, both included.
struct StatRange {
    int least = 0;
    int most = kLevelCap;
    bool Any() const { return least <= 0 && most >= kLevelCap; }
    bool Exact() const { return least == most; }
    bool Holds(int level) const { return least <= level && level <= most; }
    friend bool operator==(const StatRange&, const StatRange&) = default;
};
using StatRanges = std::array<StatRange, 4>;  // DEF, POW, DEX, MIND

struct Target {
    int form = 0;  // index into kMagForms, or kAnyForm
    int level = 0;
    StatRanges stats{};  // every stat any level unless asked
    // Four exact numbers: a build, whose levels must sum to the target level.
    bool IsBuild() const {
        for (const StatRange& r : stats)
            if (!r.Exact()) return false;
        return true;
    }
    StatArray Build() const {
        StatArray build{};
        for (std::size_t k = 0; k < 4; ++k) build[k] = static_cast<std::int16_t>(stats[k].least);
        return build;
    }
    bool AsksStats() const {
        for (const StatRange& r : stats)
            if (!r.Any()) return true;
        return false;
    }
    static StatRanges Exactly(const StatArray& build) {
        StatRanges ranges{};
        for (std::size_t k = 0; k < 4; ++k) ranges[k] = {build[k], build[k]};
        return ranges;
    }
};

struct PlanOptions {
    // States the searches may make in all, at effort 1. The searches are bounded by this,
    // never by the clock, so the same request gets the same plan on any machine.
    std::uint64_t work = kDefaultWork;
    // The work and every share of it are multiplied by this (1 to 64): 「もっと探す」 asks
    // four times the work of the search before.
    int effort = 1;
    std::size_t memoryBytes = kDefaultMemoryBytes;
    // A safety net only, for a machine many times slower than any the work was measured on;
    // zero switches it off. It grows with the effort.
    std::chrono::milliseconds timeLimit{kSafetyLimit};
    int threads = 2;
    // States kept per step of the first wide search; 0 lets the planner choose from the target.
    int beamWidth = 0;
    // Stop at the first plan found: for asking whether a target can be reached, not how best.
    bool firstPlan = false;
    // Work out which of the request's demands cannot hold together when the bound proves the
    // target out of reach (a few more linear programs); otherwise only say that it is.
    bool explain = true;
};

struct PlanRequest {
    MagState start;
    CharacterClass characterClass = CharacterClass::HU;
    SectionIdParity parity = SectionIdParity::Even;
    Target target;
    ItemSet allowedItems = kAllItems;
    // The start is a freshly made mag (the player chose to begin anew), not the mag in the
    // main window: the reasons name the start the player chose.
    bool startIsNewMag = false;
    PlanOptions options;
};

// What the searches did, for the benchmarks.
struct SearchStats {
    std::uint64_t lpSolves = 0;
    double lpSeconds = 0;
    std::uint64_t raysChecked = 0;
    std::uint64_t raysDropped = 0;
    std::size_t peakBytes = 0;  // the most memory the searches counted at once
};

struct Slot {
    int item = 0;  // index into the feed lists
    std::int32_t count = 0;
};

// One press of the feed button: count mode with one to four slots, or level mode (slot 1's
// item until the target level, which the count of its one slot then equals in items).
struct Press {
    std::vector<Slot> feedSlots;
    bool levelMode = false;
    int targetLevel = 0;  // level mode only
    MagCore after;        // the mag after the press
};

struct Plan {
    std::vector<Press> presses;
    int items = 0;
    int lowerBound = 0;    // proven: no plan for this target uses fewer items
    int specialItem = -1;  // a rare form: index into SpecialItemInfos()
    // A rare form: the special item is used after this many presses (0: before the first);
    // the presses after it feed the rare form to the target.
    std::size_t specialAfter = 0;
    MagCore final;  // the mag at the end
};

// A reason of this kind about the request: its start, class and ID, form and level.
Reason ReasonAbout(ReasonKind kind, const PlanRequest& request);

// How a search ended: settled (the plan proven shortest, or no plan proven), or stopped
// first by its budget of work or memory, by the safety time limit, or by the player.
enum class SearchEnd { Found, Exhausted, Work, Memory, Time, Cancelled };

struct PlanResult {
    std::optional<Plan> plan;
    Reason reason;  // without a plan: why
    // Found or Exhausted when settled; otherwise what stopped the search, with or without a
    // plan (a plan it stopped with may not be the shortest).
    SearchEnd end = SearchEnd::Exhausted;
    std::uint64_t workSpent = 0;   // states made
    std::uint64_t workBudget = 0;  // states the searches could have made
    SearchStats stats;
    bool Cancelled() const { return end == SearchEnd::Cancelled; }
    bool Proven() const { return end == SearchEnd::Found || end == SearchEnd::Exhausted; }
    // Searching with more work might find more: a shorter plan, a proof, or a plan at all.
    bool MoreWorkMayHelp() const { return end == SearchEnd::Work || end == SearchEnd::Memory; }
};

// Called now and then from the searching thread with the share of the work done (0..1).
using ProgressFn = std::function<void(double)>;

}  // namespace toviran::planner
