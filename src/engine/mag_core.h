#pragma once
// The numbers the feeding rules work on, and the per-item step over them. The feeding run
// and the feed planner both feed through this one step; MagState holds the same values
// for the windows, with the form's name as text.
#include <array>
#include <cstdint>
#include <span>

#include "feed_tables.h"
#include "mag_forms.h"
#include "mag_state.h"
#include "types.h"

namespace toviran {

using StatArray = std::array<std::int16_t, 4>;  // indexed by StatKind: DEF, POW, DEX, MIND

struct MagCore {
    std::int16_t level = kNewMagLevel;
    std::int16_t iq = 0;
    std::int16_t synchro = 40;
    StatArray statLevel{kNewMagLevel, 0, 0, 0};
    StatArray progress{};
    std::int8_t form = 0;  // index into kMagForms, kNoForm for any other name
    std::int8_t feedTableNo = 0;
    bool rare = false;
    friend bool operator==(const MagCore&, const MagCore&) = default;
};

// What feeding one item did, so that a window redraws exactly that.
struct ItemEffect {
    bool fed = false;                // a table row was applied: every stat's progress redrawn
    std::uint8_t levelledStats = 0;  // bit k: stat k gained a level (and so did the mag)
};

inline constexpr int kLevelCap = 200;
// A stat gains a level for every 100 points of progress; below that it holds at most 99.
inline constexpr int kProgressPerLevel = 100;
inline constexpr int kMostProgress = kProgressPerLevel - 1;
// One press of the feed button feeds at most this many items.
inline constexpr std::int32_t kMaxItemsPerRun = 10000;
// In the game a mag takes one item per feeding interval of this many seconds, which the
// feed timer counts down.
inline constexpr int kFeedIntervalSeconds = 200;
// The levels at which the first, second and (every five levels from here) final
// evolutions are judged.
inline constexpr int kFirstEvolutionLevel = 10;
inline constexpr int kSecondEvolutionLevel = 35;
inline constexpr int kFinalEvolutionLevel = 50;
inline constexpr int kFinalEvolutionStep = 5;

// The final evolution is judged whenever an item leaves the level at one of these.
constexpr bool IsFinalEvolutionLevel(int level) {
    return level >= kFinalEvolutionLevel && level % kFinalEvolutionStep == 0;
}

// The evolutions in the order a mag meets them; None for the form none of them gives (マグ).
enum class Evolution { None, First, Second, Final };

// The lowest level at which an evolution can give its form (0 for None).
constexpr int EarliestLevelOf(Evolution evolution) {
    switch (evolution) {
        case Evolution::First:
            return kFirstEvolutionLevel;
        case Evolution::Second:
            return kSecondEvolutionLevel;
        case Evolution::Final:
            return kFinalEvolutionLevel;
        case Evolution::None:
            break;
    }
    return 0;
}

// The level of the last evolution judged at or below `level` (0 when none is): a mag fed up to
// `level` has its form there from this level on.
constexpr int LastEvolutionLevelAtOrBelow(int level) {
    if (level >= kFinalEvolutionLevel) return level / kFinalEvolutionStep * kFinalEvolutionStep;
    if (level >= kSecondEvolutionLevel) return kSecondEvolutionLevel;
    if (level >= kFirstEvolutionLevel) return kFirstEvolutionLevel;
    return 0;
}

// Which table a mag is fed from is decided by its stage, from the level before the item:
// below 10 table 1 whatever the name; 10 to 34 table 2 (table 1 once more for a マグ,
// which then takes its class form); from 35, and for a rare mag at any level, the table
// its name is listed in.
enum class FeedStage { First, Class, Named };
inline constexpr int kMagFeedTable = 1;
inline constexpr int kClassFeedTable = 2;

// The levels before the item, [lo, hi), at which a mag that is not rare is at a stage.
struct LevelRange {
    int lo = 0;
    int hi = 0;
};
constexpr LevelRange StageLevels(FeedStage stage) {
    switch (stage) {
        case FeedStage::First:
            return {0, kFirstEvolutionLevel};
        case FeedStage::Class:
            return {kFirstEvolutionLevel, kSecondEvolutionLevel};
        case FeedStage::Named:
            break;
    }
    return {kSecondEvolutionLevel, kLevelCap + 1};
}

constexpr FeedStage StageOf(int level, bool rare) {
    if (rare) return FeedStage::Named;
    if (level < StageLevels(FeedStage::First).hi) return FeedStage::First;
    return level < StageLevels(FeedStage::Class).hi ? FeedStage::Class : FeedStage::Named;
}

// The table a mag of `form` is fed from at `stage` (0 when no table lists the name).
int StageFeedTable(FeedStage stage, int form);

// A マグ at level 10 or more (set there in the parameter window) takes its class form with
// its next item, fed from the マグ's own table.
constexpr bool EvolvesWithNextItem(const MagCore& m) {
    return m.form == kMagForm && StageOf(m.level, m.rare) == FeedStage::Class;
}

// An item gives each stat one level at most (the feed tables are checked for it), so the mag
// gains at most one level per stat.
inline constexpr int kMostLevelsPerItem = static_cast<int>(std::tuple_size_v<StatArray>);

// A FO whose DEF level is this or more takes its final form from a column of its own.
inline constexpr int kFoDefColumnLevel = 45;
inline constexpr int kIqMax = 200;
inline constexpr int kSynchroMax = 120;

// One stat's carry: the floor rule, at most one level, the level-200 cap. `backup` is the
// progress before the item. Returns true when the stat gained a level. Inline: the feed
// planner runs it billions of times.
inline bool CarryProgress(std::int16_t& statLevel, std::int16_t& progress, std::int16_t backup,
                          std::int16_t& level) {
    // A delta that would empty the stat is cancelled: it falls back to the value before
    // the item.
    if (progress <= 0) progress = backup;
    if (progress < kProgressPerLevel) return false;
    if (level >= kLevelCap) {
        progress = kMostProgress;
        return false;
    }
    ++statLevel;
    ++level;
    progress = static_cast<std::int16_t>(progress - kProgressPerLevel);
    // The stat that reaches the cap loses the rest of its points.
    if (level == kLevelCap) progress = kMostProgress;
    return true;
}

// IQ to 0..200 and synchro to 0..120, in this order of tests.
inline void ClampIqSynchro(std::int16_t& iq, std::int16_t& synchro) {
    if (iq >= kIqMax) iq = kIqMax;
    if (synchro >= kSynchroMax) synchro = kSynchroMax;
    if (iq <= 0) iq = 0;
    if (synchro <= 0) synchro = 0;
}

// One table row: each stat's delta and carry in the order DEF, POW, DEX, MIND, then IQ
// and synchro (not yet clamped). Returns the levelled-stats bits.
std::uint8_t ApplyDeltas(MagCore& m, const FeedDelta& delta, const StatArray& backup);

// The feed-and-evolve step for item 0..10 of the feed lists (-1 feeds nothing but still
// evolves as due), with `backup` the progress before the item.
ItemEffect FeedAndEvolve(MagCore& m, int item, const StatArray& backup, CharacterClass cls,
                         SectionIdParity parity);

// One whole item as the feeding run feeds it: backup, feed-and-evolve, clamp.
inline ItemEffect FeedItem(MagCore& m, int item, CharacterClass cls, SectionIdParity parity) {
    const StatArray backup = m.progress;
    const ItemEffect effect = FeedAndEvolve(m, item, backup, cls, parity);
    ClampIqSynchro(m.iq, m.synchro);
    return effect;
}

// POW, DEX and MIND levels.
using PdmLevels = std::array<std::int16_t, 3>;
// One example of levels for each of the 13 orderings of POW, DEX and MIND that the
// evolution tables tell apart (P > D > M, ..., P = D = M), in the tables' row order.
std::span<const PdmLevels> OrderingExamples();
// Stat levels with these POW, DEX and MIND levels and this DEF level.
inline StatArray WithPdm(int def, const PdmLevels& pdm) {
    return {static_cast<std::int16_t>(def), pdm[0], pdm[1], pdm[2]};
}
// Which of the 13 orderings (the index into OrderingExamples) the levels are in.
int OrderingIndexOf(const StatArray& statLevel);

// The evolutions as form indices; each returns `form` itself when the name stays.
int FirstEvolutionForm(CharacterClass cls);
int SecondEvolutionForm(int form, const StatArray& statLevel);
int FinalEvolutionForm(int form, const StatArray& statLevel, CharacterClass cls,
                       SectionIdParity parity);

MagCore CoreOf(const MagState& s);
// Writes the numbers back (levels, progress, IQ, synchro, table number), not the name.
void StoreNumbers(MagState& s, const MagCore& m);

}  // namespace toviran
