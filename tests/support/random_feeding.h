#pragma once
// Random feedings for the planner's tests and benchmarks: each is a plan by construction, so
// where it ends is a target that a plan of at most its length reaches.
#include <cstdint>
#include <random>
#include <vector>

#include "engine/feed_tables.h"
#include "engine/mag_core.h"
#include "engine/mag_forms.h"
#include "engine/rare_evolution.h"

namespace toviran::testing {

inline constexpr CharacterClass kClasses[] = {CharacterClass::HU, CharacterClass::RA,
                                              CharacterClass::FO};
inline constexpr SectionIdParity kParities[] = {SectionIdParity::Even, SectionIdParity::Odd};

// A feeding: the mags it passes through, the items, and where the special item was used
// (-1: not).
struct Feeding {
    std::vector<MagCore> mags;  // mags[i] before item i; the last one at the end
    std::vector<int> items;
    int specialAt = -1;
    int special = -1;
    int Items() const { return static_cast<int>(items.size()); }
};

// Random items from a few favourites (lopsided, like a player with a plan of their own), up to
// `level`. With `special` >= 0 the special item is used at a random point where it can be.
inline Feeding RandomFeeding(std::mt19937& rng, MagCore from, CharacterClass cls,
                             SectionIdParity parity, int level, int special = -1) {
    std::vector<int> favourites(1 + rng() % 4);
    for (int& f : favourites) f = static_cast<int>(rng() % kFeedItemCount);
    Feeding f;
    f.special = special;
    f.mags.push_back(from);
    MagCore m = from;
    while (m.level < level) {
        const int item = rng() % 4 == 0 ? static_cast<int>(rng() % kFeedItemCount)
                                        : favourites[rng() % favourites.size()];
        FeedItem(m, item, cls, parity);
        f.items.push_back(item);
        if (special >= 0 && f.specialAt < 0 && !m.rare && rng() % 3 == 0) {
            const SpecialItemInfo& info = SpecialItemInfos()[special];
            if (RequirementMet(info.requirement, m)) {
                m = AfterSpecialItem(m, MagFormIndex(info.NameFor(parity)));
                f.specialAt = f.Items();
            }
        }
        f.mags.push_back(m);
    }
    return f;
}

// A mag that a random class fed at random to a level in [5, 5 + spread).
inline MagCore RandomlyFedMag(std::mt19937& rng, SectionIdParity parity, int spread) {
    const CharacterClass cls = kClasses[rng() % 3];
    const int level = 5 + static_cast<int>(rng() % static_cast<unsigned>(spread));
    return RandomFeeding(rng, MagCore{}, cls, parity, level).mags.back();
}

}  // namespace toviran::testing
