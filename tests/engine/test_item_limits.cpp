// The most one item can do to a mag, which the feed planner's bounds rest on: how far a row
// moves a stat's progress, and how many levels one item brings.
#include <gtest/gtest.h>

#include <cstdlib>
#include <random>

#include "engine/feed_tables.h"
#include "engine/mag_core.h"
#include "engine/mag_forms.h"

namespace toviran {
namespace {

TEST(ItemLimits, LargestStatDeltaIsReachedAndNeverPassed) {
    bool reached = false;
    for (int t = 1; t <= kFeedTableCount; ++t) {
        for (const FeedDelta& row : FeedTableByNo(t)) {
            for (const int delta : {row.def, row.pow, row.dex, row.mind}) {
                EXPECT_LE(std::abs(delta), LargestStatDelta()) << "table " << t;
                reached = reached || std::abs(delta) == LargestStatDelta();
            }
        }
    }
    EXPECT_TRUE(reached);
}

// Random mags of every kind (any form, level and progress, rare or not) fed any item: each
// stat gains one level at most, and so the mag at most kMostLevelsPerItem.
TEST(ItemLimits, OneItemGivesAStatOneLevelAtMost) {
    std::mt19937 rng(29);
    const CharacterClass classes[] = {CharacterClass::HU, CharacterClass::RA, CharacterClass::FO};
    for (int i = 0; i < 20000; ++i) {
        MagCore m;
        m.form = static_cast<std::int8_t>(rng() % kMagFormCount);
        m.rare = FeedTableNoForForm(m.form) == kRareFeedTable;
        m.level = 0;
        for (std::size_t k = 0; k < m.statLevel.size(); ++k) {
            m.statLevel[k] = static_cast<std::int16_t>(rng() % 51);
            m.progress[k] = static_cast<std::int16_t>(rng() % kProgressPerLevel);
            m.level = static_cast<std::int16_t>(m.level + m.statLevel[k]);
        }
        const MagCore before = m;
        const auto parity = rng() % 2 ? SectionIdParity::Odd : SectionIdParity::Even;
        FeedItem(m, static_cast<int>(rng() % kFeedItemCount), classes[rng() % 3], parity);
        for (std::size_t k = 0; k < m.statLevel.size(); ++k)
            ASSERT_LE(m.statLevel[k] - before.statLevel[k], 1) << "mag " << i << " stat " << k;
        ASSERT_LE(m.level - before.level, kMostLevelsPerItem) << "mag " << i;
    }
}

}  // namespace
}  // namespace toviran
