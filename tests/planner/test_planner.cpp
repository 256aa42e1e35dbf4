// The feed planner: every plan replayed through the feeding run reaches its target, the
// plans are shortest where a full search can tell, and impossible targets say why.
#include <gtest/gtest.h>

#include <chrono>
#include <thread>
#include <unordered_set>

#include "engine/feeding.h"
#include "engine/mag_forms.h"
#include "engine/rare_evolution.h"
#include "planner/planner.h"
#include "planner/reachability.h"

namespace toviran::planner {
namespace {

constexpr CharacterClass kClasses[] = {CharacterClass::HU, CharacterClass::RA, CharacterClass::FO};
constexpr SectionIdParity kParities[] = {SectionIdParity::Even, SectionIdParity::Odd};

class Silent final : public Prompter {
  public:
    bool Show(const Message& m) override {
        refused = refused || m.icon != MessageIcon::None;
        return true;
    }
    bool refused = false;
};

// Carries the plan out as a player would: each press typed into the slots by name, then
// the special item; the test's own reading of a press, not the planner's.
MagState Replay(MagState s, const Plan& plan, CharacterClass cls, SectionIdParity parity) {
    Silent prompter;
    NullDisplay display;
    for (const Press& press : plan.presses) {
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
    if (plan.specialItem >= 0) {
        EXPECT_TRUE(UseSpecialItem(s, SpecialItemInfos()[plan.specialItem].entry, parity, prompter,
                                   display));
    }
    EXPECT_FALSE(prompter.refused);
    return s;
}

PlanRequest Request(CharacterClass cls, SectionIdParity parity, const char* form, int level) {
    PlanRequest r;
    r.characterClass = cls;
    r.parity = parity;
    r.target = {MagFormIndex(form), level, std::nullopt};
    return r;
}

// A narrow search on one thread keeps the loop over every form quick; wider searches only
// shorten plans.
PlanOptions Quick() {
    PlanOptions o;
    o.beamWidth = 256;
    o.proofNodes = 1000;
    o.threads = 1;
    return o;
}

TEST(Planner, EveryReachableFormIsPlannedFromANewMag) {
    for (const CharacterClass cls : kClasses) {
        for (const SectionIdParity parity : kParities) {
            for (const FormReach& reach : ReachableForms(cls, parity)) {
                const std::string_view name = kMagForms[reach.form].name;
                if (!reach.reachable) continue;
                const auto found = LowestPlannedLevel(reach, cls, parity, Quick());
                ASSERT_TRUE(found) << name;
                const auto& [level, plan] = *found;
                const MagState end = Replay(MagState{}, plan, cls, parity);
                EXPECT_EQ(end.MagName, name);
                EXPECT_EQ(end.Level, level) << name;
                EXPECT_GE(plan.items, plan.lowerBound);
                // The evolution tables' own level holds, unless FO must first push DEF to 45.
                if (reach.specialItem < 0 && reach.how.find("DEF45以上") == std::string::npos) {
                    EXPECT_EQ(level, reach.fromLevel) << name;
                }
            }
        }
    }
}

TEST(Planner, ExactBuildsWithAndWithoutRestrictedItems) {
    constexpr ItemSet kMatesAndFluids = 0x3f;
    constexpr ItemSet kNoStars = kAllItems & ~(1u << 10);
    struct Case {
        const char* form;
        int level;
        StatArray build;
        ItemSet items;
    };
    const Case cases[] = {
        {"ヴァラーハ", 50, {8, 20, 12, 10}, kAllItems},
        {"ヴァラーハ", 50, {15, 23, 7, 5}, kMatesAndFluids},
        {"カバンダ", 100, {19, 15, 13, 53}, kNoStars},
        {"ウシャス", 200, {15, 25, 70, 90}, kAllItems},
    };
    for (const Case& c : cases) {
        PlanRequest r = Request(CharacterClass::HU, SectionIdParity::Even, c.form, c.level);
        r.target.build = c.build;
        r.allowedItems = c.items;
        const PlanResult result = FindPlan(r);
        ASSERT_TRUE(result.plan) << c.form << c.level << result.reason;
        const MagState end = Replay(MagState{}, *result.plan, r.characterClass, r.parity);
        EXPECT_EQ(end.MagName, c.form);
        EXPECT_EQ((StatArray{end.DefLevel, end.PowLevel, end.DexLevel, end.MindLevel}), c.build);
        for (const Press& p : result.plan->presses)
            for (const Slot& s : p.feedSlots) EXPECT_TRUE(c.items & (1u << s.item));
    }
}

TEST(Planner, ImpossibleTargetsSayWhy) {
    struct Case {
        const char* form;
        int level;
        std::optional<StatArray> build;
        CharacterClass cls;
        const char* reason;
    };
    const Case cases[] = {
        {"カバンダ", 100, StatArray{5, 0, 45, 50}, CharacterClass::HU,
         "その能力値だと、Lv100の進化でウシャスになります。"},
        {"カバンダ", 100, StatArray{4, 30, 20, 46}, CharacterClass::HU,
         "DEFは今5で、4には下がりません。能力値は上がるだけです。"},
        {"カバンダ", 201, std::nullopt, CharacterClass::HU,
         "目標レベル201は200を超えています。レベルは200までです。"},
        {"カバンダ", 40, std::nullopt, CharacterClass::HU, "カバンダになれるのはLv50からです。"},
        {"カルキ", 20, std::nullopt, CharacterClass::HU,
         "カルキにはHU・偶数IDでは、今のマグから育ちません。"},
        {"プレタ", 100, std::nullopt, CharacterClass::HU,
         "プレタは奇数IDだけのレアマグです。今のIDではチュレルになります。"},
        {"エルノア", 100, std::nullopt, CharacterClass::HU,
         "エルノアはえさでもレアマグ進化でもなれない姿です（パラメータ設定でだけなれます）。"},
        {"チュレル", 90, std::nullopt, CharacterClass::HU, "マグ細胞213はLv100から使えます。"},
        {"マグ", 12, std::nullopt, CharacterClass::HU,
         "マグはLv10で進化するので、Lv10からはマグのままでいられません。"},
        {"カバンダ", 100, StatArray{10, 30, 20, 41}, CharacterClass::HU,
         "能力値の合計101が目標レベル100と違います。"},
    };
    for (const Case& c : cases) {
        PlanRequest r = Request(c.cls, SectionIdParity::Even, c.form, c.level);
        r.target.build = c.build;
        const PlanResult result = FindPlan(r);
        EXPECT_FALSE(result.plan) << c.form;
        EXPECT_EQ(result.reason, c.reason);
    }
    // Only star atomizers: the stats stay equal, so DEX can never lead.
    PlanRequest r = Request(CharacterClass::HU, SectionIdParity::Even, "イラー", 50);
    r.allowedItems = 1u << 10;
    EXPECT_FALSE(FindPlan(r).plan);
}

// Breadth first over every state the mag can be in: the fewest items there are. IQ and
// synchro never change how an item feeds or evolves the mag, so states differing only in
// them are one.
int FewestItems(const PlanRequest& r) {
    struct Key {
        std::uint64_t a, b;
        bool operator==(const Key&) const = default;
    };
    struct Hash {
        std::size_t operator()(const Key& k) const { return k.a * 0x9e3779b97f4a7c15ull ^ k.b; }
    };
    std::unordered_set<Key, Hash> seen;
    std::vector<MagCore> layer{CoreOf(r.start)};
    for (int items = 1; !layer.empty(); ++items) {
        std::vector<MagCore> next;
        for (const MagCore& m : layer) {
            for (int item = 0; item < kFeedItemCount; ++item) {
                MagCore c = m;
                FeedItem(c, item, r.characterClass, r.parity);
                if (c.level > r.target.level) continue;
                if (c.level == r.target.level && c.form == r.target.form &&
                    (!r.target.build || c.statLevel == *r.target.build))
                    return items;
                Key key{0, static_cast<std::uint64_t>(c.form)};
                for (int k = 0; k < 4; ++k)
                    key.a = key.a << 16 | c.statLevel[k] << 8 | c.progress[k];
                if (seen.insert(key).second) next.push_back(c);
            }
        }
        layer = std::move(next);
    }
    return -1;
}

TEST(Planner, ShortestOnSmallTargets) {
    struct Case {
        CharacterClass cls;
        const char* form;
        int level;
        std::optional<StatArray> build;
    };
    const Case cases[] = {
        {CharacterClass::HU, "ヴァルナ", 10, std::nullopt},
        {CharacterClass::RA, "カルキ", 12, std::nullopt},
        {CharacterClass::FO, "ヴリトラ", 11, StatArray{6, 1, 1, 3}},
        {CharacterClass::HU, "ヴァルナ", 12, StatArray{6, 3, 2, 1}},
    };
    for (const Case& c : cases) {
        PlanRequest r = Request(c.cls, SectionIdParity::Odd, c.form, c.level);
        r.target.build = c.build;
        const PlanResult result = FindPlan(r);
        ASSERT_TRUE(result.plan) << c.form << c.level;
        EXPECT_EQ(result.plan->items, FewestItems(r)) << c.form << c.level;
        EXPECT_EQ(result.plan->lowerBound, result.plan->items);
    }
}

TEST(Planner, CancellingStopsPromptlyWithNoPlan) {
    PlanRequest r = Request(CharacterClass::FO, SectionIdParity::Even, "ウシャス", 200);
    r.target.form = MagFormIndex("カバンダ");
    r.options.beamWidth = 32768;
    std::stop_source stop;
    PlanResult result;
    std::jthread search([&] { result = FindPlan(r, stop.get_token()); });
    std::this_thread::sleep_for(std::chrono::milliseconds(200));
    const auto asked = std::chrono::steady_clock::now();
    stop.request_stop();
    search.join();
    EXPECT_LT(std::chrono::steady_clock::now() - asked, std::chrono::seconds(2));
    EXPECT_TRUE(result.cancelled);
    EXPECT_FALSE(result.plan);
}

}  // namespace
}  // namespace toviran::planner
