#pragma once
// What the planner tests share: random feedings to make targets with a known plan, the
// player's own way of carrying a plan out, and an exhaustive search of the test's own.
#include <gtest/gtest.h>

#include <functional>
#include <random>
#include <string>
#include <unordered_map>
#include <vector>

#include "engine/feeding.h"
#include "engine/mag_forms.h"
#include "engine/rare_evolution.h"
#include "mag_of_core.h"
#include "planner/plan.h"
#include "random_conditions.h"
#include "random_feeding.h"

namespace toviran::planner::checks {

// Built with the sanitizers every search runs many times slower; fewer random cases still
// walk every path they check.
#ifdef TOVIRAN_SANITIZED
inline constexpr int kCaseDivisor = 4;
#else
inline constexpr int kCaseDivisor = 1;
#endif

using testing::Feeding;
using testing::kClasses;
using testing::kParities;
using testing::Loosened;
using testing::RandomFeeding;
using testing::RandomlyFedMag;
using testing::StateOf;

// Tells apart the states that feed differently: the form, stat levels (below 128 in these
// tests) and progress.
inline std::uint64_t StateKey(const MagCore& m) {
    std::uint64_t k = static_cast<std::uint8_t>(m.form);
    for (int i = 0; i < 4; ++i)
        k = k << 14 | static_cast<std::uint64_t>(m.statLevel[i]) << 7 | m.progress[i];
    return k;
}

class Silent final : public Prompter {
  public:
    bool Show(const Message& m) override {
        refused = refused || m.icon != MessageIcon::None;
        return true;
    }
    bool refused = false;
};

// Carries the plan out as a player would: each press typed into the slots by name, the
// special item picked between the presses where the plan says. The test's own reading of a
// press, not the planner's.
inline MagState Replay(MagState s, const Plan& plan, CharacterClass cls, SectionIdParity parity) {
    Silent prompter;
    NullDisplay display;
    const auto special = [&] {
        EXPECT_TRUE(UseSpecialItem(s, SpecialItemInfos()[plan.specialItem].entry, parity, prompter,
                                   display));
    };
    for (std::size_t i = 0; i < plan.presses.size(); ++i) {
        if (plan.specialItem >= 0 && plan.specialAfter == i) special();
        const Press& press = plan.presses[i];
        FeedRequest r;
        r.characterClass = cls;
        r.parity = parity;
        r.mode = press.levelMode ? FeedMode::Level : FeedMode::Count;
        EXPECT_LE(press.feedSlots.size(), 4u);
        for (std::size_t k = 0; k < press.feedSlots.size(); ++k) {
            const int count = press.levelMode ? press.targetLevel : press.feedSlots[k].count;
            r.feedSlots[k] = {std::string(FeedItemNames()[press.feedSlots[k].item]),
                              std::to_string(count), true};
        }
        EXPECT_EQ(RunFeeding(s, r, prompter, display), FeedOutcome::Fed);
    }
    if (plan.specialItem >= 0 && plan.specialAfter >= plan.presses.size()) special();
    EXPECT_FALSE(prompter.refused);
    return s;
}

inline StatArray Stats(const MagState& s) {
    return {s.DefLevel, s.PowLevel, s.DexLevel, s.MindLevel};
}

// Tests never let the clock decide: only the work budget ends a search.
inline PlanOptions NoClock(std::uint64_t work = kDefaultWork) {
    PlanOptions o;
    o.work = work;
    o.timeLimit = std::chrono::milliseconds{0};
    return o;
}

// Whether the mag meets the target: its level, its form (unless any) and every condition.
inline bool Meets(const Target& target, const MagState& s) {
    const StatArray stats = Stats(s);
    for (std::size_t k = 0; k < 4; ++k)
        if (!target.stats[k].Holds(stats[k])) return false;
    return s.Level == target.level &&
           (target.form == kAnyForm || s.MagName == kMagForms[target.form].name);
}

// Breadth first over every state the mag can be in with these items, up to the target
// level: the fewest items that reach `reached`, or -1. States with a stat above its most in
// `stats` are not followed. IQ and synchro never change how an item
// feeds or evolves the mag, so states differing only in them are one.
inline int FewestItems(const MagCore& start, CharacterClass cls, SectionIdParity parity,
                       const std::vector<int>& items, int level,
                       const std::function<bool(const MagCore&)>& reached,
                       const StatRanges& stats = {}) {
    std::unordered_map<std::uint64_t, bool> seen;
    std::vector<MagCore> layer{start};
    for (int depth = 1; !layer.empty(); ++depth) {
        std::vector<MagCore> next;
        for (const MagCore& m : layer) {
            for (const int item : items) {
                MagCore c = m;
                FeedItem(c, item, cls, parity);
                if (c.level > level) continue;
                if (reached(c)) return depth;
                // A stat never falls: one above its most stays there.
                bool above = false;
                for (std::size_t k = 0; k < 4; ++k) above = above || c.statLevel[k] > stats[k].most;
                if (above) continue;
                if (seen.emplace(StateKey(c), true).second) next.push_back(c);
            }
        }
        layer = std::move(next);
    }
    return -1;
}

}  // namespace toviran::planner::checks
