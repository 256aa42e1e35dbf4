// What the toviran-sim scenarios cannot see of rare evolution and the parameter apply:
// redraws, and values typed beyond 16 bits. (The conditions of each special item, undo,
// the new-mag command, the plausibility checks and the conversion are in rare.sim,
// undo.sim, new_mag.sim, parameters.sim and convert.sim.)
#include <gtest/gtest.h>

#include "engine/parameters.h"
#include "engine/rare_evolution.h"
#include "test_support.h"

namespace toviran {
namespace {

using testing::CountRun;
using testing::RecordingDisplay;
using testing::RecordingPrompter;

TEST(RareEvolution, RefusalRedrawsNothingAndEvolutionKeepsUndoAsItWas) {
    MagState s;
    RecordingPrompter p;
    RecordingDisplay d;
    EXPECT_FALSE(UseSpecialItem(s, "オパオパの心", SectionIdParity::Even, p, d));
    EXPECT_TRUE(d.changes.empty());
    testing::SetStats(s, 40, 30, 20, 10);
    ASSERT_TRUE(UseSpecialItem(s, "マグ細胞502", SectionIdParity::Odd, p, d));
    EXPECT_TRUE(d.Saw(DisplayItem::Name) && d.Saw(DisplayItem::NameColour));
    EXPECT_FALSE(s.UndoEnabled);  // a snapshot, but the button stays as it was
    EXPECT_EQ(s.UndoMagName, "マグ");
}

ParameterInput Levels(std::string def, std::string pow) {
    ParameterInput in;
    in.levelText = {std::move(def), std::move(pow), "0", "0"};
    return in;
}

TEST(Parameters, ValuesBeyond16BitsAreRefused) {
    ParameterInput iq = Levels("5", "0"), synchro = Levels("5", "0");
    iq.iqText = "99999999999999999999";
    synchro.synchroText = "40000";
    for (const ParameterInput& in : {Levels("5", "32768"), iq, synchro}) {
        MagState s;
        RecordingPrompter p;
        NullDisplay d;
        EXPECT_FALSE(ApplyParameters(s, in, p, d));
        ASSERT_EQ(p.shown.size(), 1u);
        EXPECT_EQ(p.shown[0].title, "数値が大きすぎるYO");
        EXPECT_FALSE(s.UndoEnabled);
    }
    // A sum that would wrap in 16 bits is still far above 200.
    MagState s;
    RecordingPrompter p;
    NullDisplay d;
    EXPECT_FALSE(ApplyParameters(s, Levels("32767", "32767"), p, d));
    EXPECT_EQ(p.shown.at(0).title, "おかしいねおかしいさ");
    // The largest 16-bit IQ is accepted and the next item clamps it.
    ParameterInput largest = Levels("5", "0");
    largest.iqText = "32767";
    ASSERT_TRUE(ApplyParameters(s, largest, p, d));
    RunFeeding(s, CountRun({{"モノメイト", "1"}}), p, d);
    EXPECT_EQ(s.IQ, 200);
    EXPECT_EQ(ProgressBoxText("123456789012345678901234"), "99");
    EXPECT_EQ(ProgressBoxText("00099"), "00099");
}

}  // namespace
}  // namespace toviran
