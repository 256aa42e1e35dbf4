// The plan's script lines read back by the script reader and run by the simulator end where
// the plan says, whatever the plan holds: several slots, a level-mode press, the special item
// between presses, a mag set up first.
#include <gtest/gtest.h>

#include <sstream>
#include <variant>

#include "cli/command_parser.h"
#include "cli/simulator.h"
#include "engine/mag_forms.h"
#include "plan_script/plan_script.h"
#include "planner/planner.h"

namespace toviran::sim {
namespace {

MagState RunScript(const std::string& script) {
    std::ostringstream out;
    Simulator simulator(out);
    std::istringstream lines(script);
    for (std::string line; std::getline(lines, line);) {
        const ParsedLine parsed = ParseLine(line);
        EXPECT_FALSE(std::holds_alternative<ParseError>(parsed)) << line;
        if (const auto* command = std::get_if<Command>(&parsed)) simulator.Execute(*command);
    }
    return simulator.State();
}

planner::PlanRequest Request(CharacterClass cls, SectionIdParity parity, const char* form,
                             int level, std::optional<StatArray> build = std::nullopt) {
    planner::PlanRequest r;
    r.characterClass = cls;
    r.parity = parity;
    r.target = {MagFormIndex(form), level};
    if (build) r.target.stats = planner::Target::Exactly(*build);
    r.options.timeLimit = std::chrono::milliseconds{0};
    r.options.work = 3'000'000;
    return r;
}

TEST(PlanScript, ReadsBackToThePlansEnd) {
    MagState fed;  // a mag fed before: the script sets it up with "set"
    {
        std::ostringstream out;
        Simulator simulator(out);
        for (const char* line : {"class RA", "id odd", "feed アンティパラライズ 20"})
            simulator.Execute(std::get<Command>(ParseLine(line)));
        fed = simulator.State();
    }
    std::vector<planner::PlanRequest> requests{
        Request(CharacterClass::HU, SectionIdParity::Even, "マルト", 35, StatArray{8, 5, 15, 7}),
        Request(CharacterClass::HU, SectionIdParity::Even, "ピアン", 60),
        Request(CharacterClass::RA, SectionIdParity::Odd, "カルキ", 44),
    };
    requests[2].start = fed;
    for (const planner::PlanRequest& r : requests) {
        const planner::PlanResult result = planner::FindPlan(r);
        ASSERT_TRUE(result.plan) << static_cast<int>(result.reason.kind);
        const MagState end = RunScript(PlanScript(r, *result.plan));
        EXPECT_EQ(CoreOf(end), result.plan->final) << kMagForms[r.target.form].name;
        EXPECT_EQ(end.MagName, kMagForms[r.target.form].name);
    }
}

// The lines themselves: one per press, "rare" where the special item comes, a level-mode press
// as "feedto".
TEST(PlanScript, WritesEachStepAsTheReaderReadsIt) {
    planner::Plan plan;
    plan.presses.resize(2);
    plan.presses[0].feedSlots = {{10, 10000}, {0, 3}};
    plan.presses[1].feedSlots = {{2, 12}};
    plan.presses[1].levelMode = true;
    plan.presses[1].targetLevel = 60;
    plan.specialItem = 3;
    plan.specialAfter = 1;
    const std::vector<std::string> lines = PlanScriptLines(plan);
    ASSERT_EQ(lines.size(), 3u);
    EXPECT_EQ(lines[0], "feed スターアトマイザー 10000 モノメイト 3");
    EXPECT_EQ(lines[1], "rare ピアンの心");
    EXPECT_EQ(lines[2], "feedto トリメイト 60");
    const auto first = std::get<FeedByCount>(std::get<Command>(ParseLine(lines[0])));
    ASSERT_EQ(first.pairs.size(), 2u);
    EXPECT_EQ(first.pairs[0].countText, "10000");
    EXPECT_TRUE(std::holds_alternative<PickRareEntry>(std::get<Command>(ParseLine(lines[1]))));
    const auto last = std::get<FeedToLevel>(std::get<Command>(ParseLine(lines[2])));
    EXPECT_EQ(last.levelText, "60");
}

}  // namespace
}  // namespace toviran::sim
