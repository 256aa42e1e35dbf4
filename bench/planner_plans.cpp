// Speed of the feed planner: every final form HU even at level 50 from a new mag (median and
// slowest time, median and largest gap to the lower bound), and an exact build at level 200.
#include <benchmark/benchmark.h>
#include <sys/resource.h>

#include <algorithm>
#include <chrono>
#include <thread>
#include <vector>

#include "engine/mag_forms.h"
#include "planner/planner.h"
#include "planner/reachability.h"

namespace toviran::planner {
namespace {

double Median(std::vector<double> values) {
    std::ranges::sort(values);
    return values[values.size() / 2];
}

void BM_FinalFormsAtLevel50(benchmark::State& state) {
    std::vector<int> finals;
    for (const FormReach& r : ReachableForms(CharacterClass::HU, SectionIdParity::Even))
        if (r.reachable && r.specialItem < 0 && r.fromLevel == kFinalEvolutionLevel)
            finals.push_back(r.form);
    std::vector<double> seconds, gaps;
    for (auto _ : state) {
        for (const int form : finals) {
            PlanRequest request;
            request.target = {form, kFinalEvolutionLevel, std::nullopt};
            const auto start = std::chrono::steady_clock::now();
            const PlanResult result = FindPlan(request);
            seconds.push_back(
                std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count());
            if (!result.plan) state.SkipWithError("no plan for a reachable final form");
            if (result.plan) gaps.push_back(result.plan->items - result.plan->lowerBound);
        }
    }
    state.counters["forms"] = static_cast<double>(finals.size());
    state.counters["median_s"] = Median(seconds);
    state.counters["max_s"] = *std::ranges::max_element(seconds);
    state.counters["median_gap"] = Median(gaps);
    state.counters["max_gap"] = *std::ranges::max_element(gaps);
    state.counters["cores"] = std::thread::hardware_concurrency();
}
BENCHMARK(BM_FinalFormsAtLevel50)->Unit(benchmark::kMillisecond)->Iterations(1);

// ウシャス (MIND > DEX > POW) for HU even at level 200 with DEF 15, POW 25, DEX 70, MIND 90.
void BM_ExactBuildAtLevel200(benchmark::State& state) {
    PlanRequest request;
    request.target = {MagFormIndex("ウシャス"), 200, StatArray{15, 25, 70, 90}};
    int items = 0, bound = 0;
    for (auto _ : state) {
        const PlanResult result = FindPlan(request);
        if (!result.plan) state.SkipWithError(result.reason.c_str());
        if (result.plan) items = result.plan->items, bound = result.plan->lowerBound;
    }
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    state.counters["items"] = items;
    state.counters["bound"] = bound;
    state.counters["peak_MiB"] = static_cast<double>(usage.ru_maxrss) / 1024.0;
    state.counters["cores"] = std::thread::hardware_concurrency();
}
BENCHMARK(BM_ExactBuildAtLevel200)->Unit(benchmark::kMillisecond)->Iterations(1);

}  // namespace
}  // namespace toviran::planner
