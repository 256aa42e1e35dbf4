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

namespace toviran::planner {

// Bit i stands for item i of the feed lists.
using ItemSet = std::uint16_t;
inline constexpr ItemSet kAllItems = (1u << kFeedItemCount) - 1;

struct Target {
    int form = 0;  // index into kMagForms
    int level = 0;
    std::optional<StatArray> build;  // DEF, POW, DEX, MIND levels at the target level
};

#ifdef TOVIRAN_SANITIZED
// Built with the sanitizers everything runs about ten times slower; the limit follows, so
// that it stays far above what the work takes.
inline constexpr std::chrono::milliseconds kSafetyLimit{200000};
#else
inline constexpr std::chrono::milliseconds kSafetyLimit{20000};
#endif

struct PlanOptions {
    // States the searches may make in all. The searches are bounded by this, never by the
    // clock, so the same request gets the same plan on any machine.
    std::uint64_t work = 80'000'000;
    std::size_t memoryBytes = std::size_t{512} << 20;
    // The player's safety limit only: on an ordinary machine the work ends long before it.
    std::chrono::milliseconds timeLimit{kSafetyLimit};
    int threads = 2;
    // States kept per step of the first wide search; 0 lets the planner choose from the target.
    int beamWidth = 0;
    // Stop at the first plan found: for asking whether a target can be reached, not how best.
    bool firstPlan = false;
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

struct PlanResult {
    std::optional<Plan> plan;
    std::string reason;  // why there is none, in Japanese
    bool cancelled = false;
};

// Called now and then from the searching thread with the share of the work done (0..1).
using ProgressFn = std::function<void(double)>;

}  // namespace toviran::planner
