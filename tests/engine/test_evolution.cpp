// The second and final evolutions by the order of the POW, DEX and MIND levels, through
// the per-item step: each line of second forms and each column of final forms once, with
// the ties of the order among the cases. (The first evolution, the levels at which each
// evolution is judged and whole runs from a new mag are in the toviran-sim scenarios
// evolution_*.sim.)
#include <gtest/gtest.h>

#include "test_support.h"

namespace toviran {
namespace {

using testing::FeedOne;
using testing::SetStats;

struct EvolutionCase {
    const char* from;
    int def, pow, dex, mind;  // one level short of 35 or 50, or at 50 for a name no table lists
    CharacterClass cls;
    SectionIdParity parity;
    const char* to;
};

TEST(Evolution, FormsFollowTheOrderOfPowDexAndMind) {
    using enum CharacterClass;
    constexpr auto even = SectionIdParity::Even;
    constexpr auto odd = SectionIdParity::Odd;
    const EvolutionCase cases[] = {
        // Second forms follow the name, whatever class is selected.
        {"ヴリトラ", 22, 5, 5, 2, HU, even, "ナムチ"},   // P = D > M
        {"カルキ", 25, 1, 4, 4, FO, even, "ミトラ"},     // D = M > P
        {"ヴァルナ", 25, 2, 2, 5, FO, odd, "ヴァーユ"},  // M > P = D
        // Final forms by class and parity; a force by DEF 45 (after the item) as well.
        {"ナラカ", 28, 7, 7, 7, HU, even, "ヴァラーハ"},  // all equal
        {"ナラカ", 25, 6, 8, 10, HU, odd, "ソーマ"},      // M > D > P
        {"ナラカ", 25, 9, 6, 9, RA, even, "カーマ"},      // P = M > D
        {"ナラカ", 25, 10, 6, 8, RA, odd, "カイタバ"},    // P > M > D
        {"ナラカ", 25, 8, 10, 6, FO, even, "リヴ"},       // D > P > M
        {"ナラカ", 26, 7, 9, 7, FO, odd, "バイラヴァ"},   // D > P = M
        {"ナラカ", 44, 2, 3, 0, FO, odd, "バーナ"},       // D > P > M with DEF 45
        // A name no table lists is not fed, but level 50 still takes the final form.
        {"ななし", 20, 20, 5, 5, HU, even, "ヴァラーハ"},  // P > D = M
    };
    for (const auto& c : cases) {
        MagState s;
        SetStats(s, c.def, c.pow, c.dex, c.mind);
        s.MagName = c.from;
        s.DefProgress = 99;
        // Either item lifts DEF alone, from table 2 (class forms) or table 7 (ナラカ).
        FeedOne(s, s.Level < 35 ? "モノメイト" : "ソルアトマイザー", c.cls, c.parity);
        EXPECT_TRUE(s.Level == 35 || s.Level == 50) << c.from << " " << s.Level;
        EXPECT_EQ(s.MagName, c.to) << c.from << " " << c.pow << "/" << c.dex << "/" << c.mind;
    }
}

}  // namespace
}  // namespace toviran
