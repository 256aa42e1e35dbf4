// The lower bound is a promise to the player: no feeding reaches the target with fewer
// items. Checked against true distances over whole small state spaces, and along random
// feedings, which are plans whose length is known, from new and from fed mags, with rare
// forms whose special item comes in the middle.
#include <gtest/gtest.h>

#include <deque>
#include <unordered_map>
#include <variant>

#include "planner/bound_cache.h"
#include "planner/goal.h"
#include "planner/lower_bound.h"
#include "planner_checks.h"

namespace toviran::planner {
namespace {

using namespace checks;

Goal GoalFor(const PlanRequest& r, const MagCore& start) {
    auto made = MakeGoal(r, start);
    EXPECT_TRUE(std::holds_alternative<Goal>(made))
        << static_cast<int>(std::get<Reason>(made).kind);
    return std::get<Goal>(made);
}

// A bound as the searches ask it, with its own store of refinements and a budget of its own.
struct Evaluator {
    explicit Evaluator(const LowerBound& bound)
        : budget(kDefaultWork, kDefaultMemoryBytes, std::chrono::milliseconds{0}, {}),
          evaluator(bound, store, budget) {}
    int Items(const MagCore& m) { return evaluator.Items(m); }
    // Solved for the mag itself, as a search refines a state it is about to expand.
    void Refine(const MagCore& m, bool iqSynchro) {
        const std::uint64_t key = BoundKeyOf(m, iqSynchro);
        if (store.Wants(key)) store.Add(key, evaluator.Refinement(m));
    }
    SearchBudget budget;
    RefinementStore store;
    BoundEvaluator evaluator;
};

// The route (second form) a feeding took, among the goal's routes.
Goal RouteOf(const Goal& goal, const MagCore& start, CharacterClass cls, const Feeding& f) {
    int second = kNoForm;
    for (const MagCore& m : f.mags) {
        if (!m.rare && m.level >= kSecondEvolutionLevel && m.level < kFinalEvolutionLevel) {
            second = m.form;
            break;
        }
    }
    for (const Goal& route : Routes(goal, start, cls))
        if (route.secondForm == kNoForm || route.secondForm == second) return route;
    ADD_FAILURE() << "no route for the feeding's second form";
    return goal;
}

// Every state the items can bring a new mag to, up to `level`, with the items leading out.
struct Space {
    std::vector<MagCore> states;
    std::vector<std::vector<int>> next;  // per state, the states one item away
};

Space Enumerate(CharacterClass cls, SectionIdParity parity, const std::vector<int>& items,
                int level) {
    Space space;
    std::unordered_map<std::uint64_t, int> index;
    space.states.push_back(MagCore{});
    index[StateKey(MagCore{})] = 0;
    for (std::size_t i = 0; i < space.states.size(); ++i) {
        space.next.emplace_back();
        for (const int item : items) {
            MagCore c = space.states[i];
            FeedItem(c, item, cls, parity);
            if (c.level > level) continue;
            const auto [it, added] =
                index.emplace(StateKey(c), static_cast<int>(space.states.size()));
            if (added) space.states.push_back(c);
            space.next[i].push_back(it->second);
        }
    }
    return space;
}

// Items from each state to the nearest state the goal accepts; -1 where none is reachable.
std::vector<int> Distances(const Space& space, const Goal& goal) {
    std::vector<std::vector<int>> previous(space.states.size());
    for (std::size_t i = 0; i < space.states.size(); ++i)
        for (const int j : space.next[i]) previous[j].push_back(static_cast<int>(i));
    std::vector<int> distance(space.states.size(), -1);
    std::deque<int> queue;
    for (std::size_t i = 0; i < space.states.size(); ++i) {
        if (Reached(goal, space.states[i])) {
            distance[i] = 0;
            queue.push_back(static_cast<int>(i));
        }
    }
    while (!queue.empty()) {
        const int j = queue.front();
        queue.pop_front();
        for (const int i : previous[j]) {
            if (distance[i] >= 0) continue;
            distance[i] = distance[j] + 1;
            queue.push_back(i);
        }
    }
    return distance;
}

TEST(LowerBound, NeverAboveTheTrueDistanceOverWholeSmallSpaces) {
    struct Case {
        CharacterClass cls;
        SectionIdParity parity;
        std::vector<int> items;
        int level;
    };
    const Case cases[] = {
        {CharacterClass::HU, SectionIdParity::Even, {0, 3, 10}, 14},  // mates, fluids, stars
        {CharacterClass::RA, SectionIdParity::Odd, {2, 6, 8}, 14},  // トリメイト, アンティ, ソル
        {CharacterClass::FO,
         SectionIdParity::Even,
         {4, 7, 9},
         13},  // ディフルイド, パラライズ, ムーン
    };
    for (const Case& c : cases) {
        const Space space = Enumerate(c.cls, c.parity, c.items, c.level);
        ItemSet allowed = 0;
        for (const int item : c.items) allowed |= static_cast<ItemSet>(1u << item);
        // Targets: the form alone, and the builds of some of the states at the level.
        std::vector<PlanRequest> targets;
        PlanRequest formOnly;
        formOnly.characterClass = c.cls;
        formOnly.parity = c.parity;
        formOnly.allowedItems = allowed;
        formOnly.target = {FirstEvolutionForm(c.cls), c.level};
        targets.push_back(formOnly);
        int picked = 0;
        for (std::size_t i = 0; i < space.states.size() && picked < 4; i += 97) {
            if (space.states[i].level != c.level) continue;
            PlanRequest build = formOnly;
            build.target.stats = Target::Exactly(space.states[i].statLevel);
            targets.push_back(build);
            // The same loosened into conditions, and for any form.
            std::mt19937 rng(static_cast<unsigned>(i));
            PlanRequest loose = formOnly;
            loose.target.stats = Loosened(rng, space.states[i].statLevel);
            if (picked % 2) loose.target.form = kAnyForm;
            targets.push_back(loose);
            ++picked;
        }
        for (const PlanRequest& r : targets) {
            const Goal goal = GoalFor(r, MagCore{});
            const std::vector<int> distance = Distances(space, goal);
            const LowerBound bound(goal, c.cls, c.parity, allowed);
            Evaluator evaluator(bound);
            for (std::size_t i = 0; i < space.states.size(); ++i) {
                if (distance[i] < 0) continue;
                // Solved for the mag alone is slower: a sample of them, which also refine
                // the bound of the states after them.
                if (i % 11 == 0) {
                    evaluator.Refine(space.states[i], goal.needsIqSynchro);
                    ASSERT_LE(bound.Solve(space.states[i]).items, distance[i]) << "state " << i;
                }
                ASSERT_LE(evaluator.Items(space.states[i]), distance[i]) << "state " << i;
            }
            EXPECT_GE(distance[0], 0);
        }
    }
}

// Random feedings: from a new mag and from mags fed before with another class; to the form
// alone or the exact build; sometimes to a rare form whose special item is used on the way.
// Along each, the bound never exceeds the items still to come.
TEST(LowerBound, NeverAboveWhatARandomFeedingTakes) {
    std::mt19937 rng(20261207);
    int checked = 0;
    for (int round = 0; round < 240 / kCaseDivisor; ++round) {
        const CharacterClass cls = kClasses[rng() % 3];
        const SectionIdParity parity = kParities[rng() % 2];
        MagCore start;
        if (rng() % 2) start = RandomlyFedMag(rng, parity, 50);
        const int special =
            rng() % 3 == 0 ? static_cast<int>(rng() % SpecialItemInfos().size()) : -1;
        const int level = std::min(kLevelCap, start.level + 5 + static_cast<int>(rng() % 150));
        const Feeding f = RandomFeeding(rng, start, cls, parity, level, special);
        if (special >= 0 && f.specialAt < 0) continue;
        PlanRequest r;
        r.characterClass = cls;
        r.parity = parity;
        r.start = StateOf(start);
        r.target = {f.mags.back().form, f.mags.back().level};
        switch (rng() % 3) {
            case 0:
                r.target.stats = Target::Exactly(f.mags.back().statLevel);
                break;
            case 1:
                r.target.stats = Loosened(rng, f.mags.back().statLevel);
                if (rng() % 2 && special < 0) r.target.form = kAnyForm;
                break;
            default:
                break;
        }
        const Goal goal = RouteOf(GoalFor(r, start), start, cls, f);
        const LowerBound bound(goal, cls, parity, kAllItems);
        Evaluator evaluator(bound);
        for (int i = 0; i <= f.Items(); ++i) {
            const int left = f.Items() - i;
            const MagCore& m = f.mags[static_cast<std::size_t>(i)];
            if (i % 7 == 0) evaluator.Refine(m, goal.needsIqSynchro);
            ASSERT_LE(evaluator.Items(m), left) << "round " << round << " item " << i;
            ASSERT_LE(bound.Solve(m).items, left) << "round " << round << " item " << i;
        }
        ++checked;
    }
    EXPECT_GT(checked, 150 / kCaseDivisor);
}

}  // namespace
}  // namespace toviran::planner
