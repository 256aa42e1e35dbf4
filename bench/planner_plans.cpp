// Speed of the feed planner, with its default budget: every final form of every class and ID
// at level 50 from a new mag, an exact build at level 200, and random reachable targets. The
// smoke runs under ctest plan one of each. Each benchmark runs once: one plan is the unit.
#include <benchmark/benchmark.h>
#include <sys/resource.h>

#include <algorithm>
#include <atomic>
#include <chrono>
#include <cstdio>
#include <random>
#include <string>
#include <thread>
#include <vector>

#include "engine/mag_forms.h"
#include "engine/rare_evolution.h"
#include "mag_of_core.h"
#include "planner/planner.h"
#include "planner/reach_table.h"
#include "planner/reachability.h"
#include "random_conditions.h"
#include "random_feeding.h"
#include "wording/reason_text.h"

namespace toviran::planner {
namespace {

double Quantile(std::vector<double> values, double q) {
    if (values.empty()) return 0;
    std::ranges::sort(values);
    return values[static_cast<std::size_t>(q * static_cast<double>(values.size() - 1))];
}

double PeakMiB() {
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return static_cast<double>(usage.ru_maxrss) / 1024.0;
}

std::string Describe(const PlanRequest& r) {
    constexpr const char* kClassNames[] = {"HU", "RA", "FO"};
    std::string text = std::string(kClassNames[static_cast<int>(r.characterClass)]) +
                       (r.parity == SectionIdParity::Even ? " even" : " odd") + " from Lv" +
                       std::to_string(r.start.Level) + " to " +
                       (r.target.form == kAnyForm ? std::string("*")
                                                  : std::string(kMagForms[r.target.form].name)) +
                       " Lv" + std::to_string(r.target.level);
    for (const StatRange& range : r.target.stats)
        text += " " + std::to_string(range.least) + ".." + std::to_string(range.most);
    return text;
}

// Times each plan and collects what the figures report.
struct Tally {
    std::vector<double> seconds;
    std::vector<double> boundShare;  // bound / items
    int proven = 0;
    int none = 0;
    int longer = 0;  // plans longer than a feeding known to reach the target
    int items = 0;   // of the last plan
    int bound = 0;
    int clocked = 0;  // searches the safety time limit ended
    std::uint64_t lpSolves = 0;
    double lpSeconds = 0;
    std::uint64_t raysChecked = 0;
    std::uint64_t raysDropped = 0;
    std::size_t peakCounted = 0;  // the most memory one search counted

    void Plan(const PlanRequest& request, int knownItems = -1) {
        const auto start = std::chrono::steady_clock::now();
        const PlanResult result = FindPlan(request);
        seconds.push_back(
            std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count());
        if (!result.plan) {
            // A reachable target the budget did not find: a figure of its own, named on the
            // error stream so that it can be looked at.
            ++none;
            std::fprintf(stderr, "no plan for %s: %s\n", Describe(request).c_str(),
                         wording::ReasonText(result.reason).c_str());
            return;
        }
        if (result.end == SearchEnd::Time) ++clocked;
        lpSolves += result.stats.lpSolves;
        lpSeconds += result.stats.lpSeconds;
        raysChecked += result.stats.raysChecked;
        raysDropped += result.stats.raysDropped;
        peakCounted = std::max(peakCounted, result.stats.peakBytes);
        if (result.plan->items == result.plan->lowerBound) ++proven;
        if (knownItems >= 0 && result.plan->items > knownItems) ++longer;
        items = result.plan->items;
        bound = result.plan->lowerBound;
        if (result.plan->items > 0)
            boundShare.push_back(static_cast<double>(result.plan->lowerBound) / result.plan->items);
    }
    void Report(benchmark::State& state) const {
        state.counters["plans"] = static_cast<double>(seconds.size());
        state.counters["none"] = none;
        if (seconds.size() == 1) {
            state.counters["items"] = items;
            state.counters["bound"] = bound;
        }
        state.counters["median_s"] = Quantile(seconds, 0.5);
        state.counters["max_s"] = Quantile(seconds, 1.0);
        state.counters["proven"] = proven;
        state.counters["longer_than_known"] = longer;
        state.counters["bound_share_median"] = Quantile(boundShare, 0.5);
        state.counters["bound_share_p10"] = Quantile(boundShare, 0.1);
        state.counters["peak_MiB"] = PeakMiB();
        state.counters["counted_MiB"] = static_cast<double>(peakCounted) / (1 << 20);
        state.counters["clock_ended"] = clocked;
        state.counters["lp_solves"] = static_cast<double>(lpSolves);
        state.counters["lp_s"] = lpSeconds;
        state.counters["rays_checked"] = static_cast<double>(raysChecked);
        state.counters["rays_dropped"] = static_cast<double>(raysDropped);
        state.counters["cores"] = std::thread::hardware_concurrency();
    }
};

// Every final form that the evolution tables allow at 50, for every class and ID (the FO
// forms that need DEF 45 cannot be had at 50 and are left out); state.range(0) limits the
// count for the smoke run.
void BM_FinalFormsAtLevel50(benchmark::State& state) {
    std::vector<PlanRequest> requests;
    for (const CharacterClass cls : {CharacterClass::HU, CharacterClass::RA, CharacterClass::FO}) {
        for (const SectionIdParity parity : {SectionIdParity::Even, SectionIdParity::Odd}) {
            for (const FormReach& r : ReachableForms(cls, parity)) {
                if (!r.reachable || r.specialItem >= 0 || r.fromLevel != kFinalEvolutionLevel ||
                    r.NeedsHighDef())
                    continue;
                PlanRequest request;
                request.characterClass = cls;
                request.parity = parity;
                request.target = {r.form, kFinalEvolutionLevel};
                requests.push_back(request);
            }
        }
    }
    requests.resize(std::min<std::size_t>(requests.size(), state.range(0)));
    Tally tally;
    for (auto _ : state)
        for (const PlanRequest& request : requests) tally.Plan(request);
    tally.Report(state);
}
BENCHMARK(BM_FinalFormsAtLevel50)->Arg(1000)->Unit(benchmark::kMillisecond)->Iterations(1);
BENCHMARK(BM_FinalFormsAtLevel50)->Name("Smoke_FinalForms")->Arg(1)->Iterations(1);

// ウシャス (MIND > DEX > POW) for HU even at level 200 with DEF 15, POW 25, DEX 70, MIND 90.
void BM_ExactBuildAtLevel200(benchmark::State& state) {
    PlanRequest request;
    request.target = {MagFormIndex("ウシャス"), kLevelCap, Target::Exactly({15, 25, 70, 90})};
    Tally tally;
    for (auto _ : state) tally.Plan(request);
    tally.Report(state);
}
BENCHMARK(BM_ExactBuildAtLevel200)->Unit(benchmark::kMillisecond)->Iterations(1);

// Random reachable targets: a random start (a new mag, or one fed before by any class), then a
// random, lopsided feeding with the plan's class, sometimes using a special item on the way;
// the target is where the feeding ends, its build asked half the time.
struct KnownTarget {
    PlanRequest request;
    int feedingItems = 0;
};

// `loosen`: the end's stats loosened into conditions, its form sometimes any.
KnownTarget RandomTarget(std::mt19937& rng, bool loosen = false) {
    PlanRequest request;
    request.characterClass = testing::kClasses[rng() % 3];
    request.parity = testing::kParities[rng() % 2];
    MagCore start;
    if (rng() % 2) start = testing::RandomlyFedMag(rng, request.parity, 40);
    const int level = std::min(150, start.level + 10 + static_cast<int>(rng() % 140));
    const int special = rng() % 4 == 0 ? static_cast<int>(rng() % SpecialItemInfos().size()) : -1;
    const testing::Feeding feeding =
        testing::RandomFeeding(rng, start, request.characterClass, request.parity, level, special);
    const MagCore& end = feeding.mags.back();
    request.start = testing::StateOf(start);
    request.target = {end.form, end.level};
    if (loosen) {
        request.target.stats = testing::Loosened(rng, end.statLevel);
        if (rng() % 4 == 0 && special < 0) request.target.form = kAnyForm;
    } else if (rng() % 2) {
        request.target.stats = Target::Exactly(end.statLevel);
    }
    return {request, feeding.Items()};
}

// state.range(1): conditions instead of the form alone or the exact build.
void BM_RandomTargets(benchmark::State& state) {
    std::mt19937 rng(20261207);
    std::vector<KnownTarget> targets;
    while (targets.size() < static_cast<std::size_t>(state.range(0)))
        targets.push_back(RandomTarget(rng, state.range(1) != 0));
    Tally tally;
    for (auto _ : state)
        for (const KnownTarget& t : targets) tally.Plan(t.request, t.feedingItems);
    tally.Report(state);
}
BENCHMARK(BM_RandomTargets)->Args({100, 0})->Unit(benchmark::kMillisecond)->Iterations(1);
BENCHMARK(BM_RandomTargets)
    ->Name("BM_Conditions")
    ->Args({100, 1})
    ->Unit(benchmark::kMillisecond)
    ->Iterations(1);
BENCHMARK(BM_RandomTargets)->Name("Smoke_RandomTargets")->Args({1, 0})->Iterations(1);
BENCHMARK(BM_RandomTargets)->Name("Smoke_Conditions")->Args({1, 1})->Iterations(1);

// The table of every form a new mag can become, for a class and ID: its rows on two threads
// (each row alone is worked by its own budget, so the table is the same in any order).
void BM_ReachTable(benchmark::State& state) {
    ReachRequest request;
    request.characterClass = testing::kClasses[state.range(0) % 3];
    request.parity = testing::kParities[state.range(0) / 3];
    const int forms = static_cast<int>(state.range(1));
    int settled = 0;
    int reachable = 0;
    const auto start = std::chrono::steady_clock::now();
    for (auto _ : state) {
        std::vector<ReachRow> rows(static_cast<std::size_t>(forms));
        std::atomic<int> next{0};
        const auto work = [&] {
            for (int form; (form = next++) < forms;)
                rows[static_cast<std::size_t>(form)] = ReachOf(request, form);
        };
        std::thread other(work);
        work();
        other.join();
        for (const ReachRow& row : rows) {
            settled += row.status != ReachRow::Status::Unsettled;
            reachable += row.status == ReachRow::Status::Reachable;
        }
    }
    state.counters["table_s"] =
        std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    state.counters["settled"] = settled;
    state.counters["reachable"] = reachable;
    state.counters["forms"] = forms;
    state.counters["peak_MiB"] = PeakMiB();
}
BENCHMARK(BM_ReachTable)->Args({0, kMagFormCount})->Unit(benchmark::kMillisecond)->Iterations(1);
BENCHMARK(BM_ReachTable)
    ->Name("BM_ReachTableFO")
    ->Args({2, kMagFormCount})
    ->Unit(benchmark::kMillisecond)
    ->Iterations(1);
BENCHMARK(BM_ReachTable)->Name("Smoke_ReachTable")->Args({1, 4})->Iterations(1);

}  // namespace
}  // namespace toviran::planner
