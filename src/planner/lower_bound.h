#pragma once
// A lower bound on the items still needed to reach a goal, for ranking the search's states,
// cutting those that cannot do better than a plan in hand, and telling the player how far
// a plan can be from the best.
#include <array>
#include <vector>

#include "planner/goal.h"

namespace toviran::planner {

class LowerBound {
  public:
    LowerBound(const Goal& goal, const MagCore& start, CharacterClass cls, SectionIdParity parity,
               ItemSet items);

    // At least this many more items (not rounded); infinity when the goal is out of reach.
    float Items(const MagCore& m) const;
    // The same, tighter where a build or a special item's stats are asked for, and slower:
    // for the bound a plan reports. The searches rank by Items, which leads them to
    // shorter plans.
    float Tightest(const MagCore& m) const;

  private:
    using Vec4 = std::array<float, 4>;
    // What the items fed while the level is in [lo, hi) can give at most.
    struct Band {
        int lo = 0;
        int hi = 0;
        float gain = 0;  // points of progress per item, all stats together
    };
    // What the items of a band and every later band can give: the vertices of the dual of
    // "fewest items whose points cover each stat's need", and the most per stat, IQ, synchro.
    struct Reach {
        std::vector<Vec4> vertices;
        Vec4 statMax{};
        float iqMax = 0;
        float synchroMax = 0;
    };

    float Estimate(const MagCore& m, bool inBands) const;
    int BandOf(int level) const;
    // Items to bring the mag from m up to `level`, band by band.
    float ByLevels(const MagCore& m, int band, int level) const;
    float ByStatNeeds(const Vec4& need, const Reach& reach) const;
    // The same with the last band apart: the items before it reach its first level and
    // bring at most what a mag can hold there towards the needs; the rest is the last
    // band's to give.
    float ByStatNeedsInBands(const MagCore& m, int band, const Vec4& need) const;
    // Stops early once an ordering needs no more than `enough` items.
    float ByOrdering(const MagCore& m, const Reach& reach, float enough) const;
    float ByRequirement(const MagCore& m, int band, bool inBands) const;

    Goal goal_;
    std::vector<Band> bands_;
    std::vector<Reach> reach_;  // indexed like bands_
};

}  // namespace toviran::planner
