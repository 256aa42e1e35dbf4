#include "planner/planner.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <variant>

#include "engine/mag_forms.h"
#include "planner/beam_search.h"
#include "planner/goal.h"
#include "planner/lower_bound.h"
#include "planner/presses.h"
#include "planner/proof_search.h"
#include "planner/reasons.h"
#include "planner/replay.h"

namespace toviran::planner {
namespace {

constexpr int kNoPlan = std::numeric_limits<int>::max();
// Short targets get a wide search and a long proof, since both end quickly there; long
// ones a narrow search, which finds plans about as short, in a fraction of the time.
constexpr double kBeamScale = 4e6;  // width x bound^2
constexpr int kMinBeamWidth = 2048;
constexpr int kMaxBeamWidth = 65536;
constexpr double kProofScale = 2e8;  // states x bound^2
constexpr std::size_t kMinProofStates = 20000;
constexpr std::size_t kMaxProofStates = 2000000;
// The wide search reports the first 80% of the progress, the proof the rest.
constexpr double kBeamShare = 0.8;

double Squared(float bound) {
    const double b = std::max(1.0, static_cast<double>(bound));
    return b * b;
}

std::vector<int> AllowedItems(ItemSet set) {
    std::vector<int> items;
    for (int i = 0; i < kFeedItemCount; ++i)
        if (set & (1u << i)) items.push_back(i);
    return items;
}

int BeamWidth(const PlanOptions& options, float startBound) {
    if (options.beamWidth > 0) return options.beamWidth;
    const double width = kBeamScale / Squared(startBound);
    return static_cast<int>(std::clamp(width, double{kMinBeamWidth}, double{kMaxBeamWidth}));
}

// Most plans run to 1.1 to 1.5 times the bound, lopsided builds to over twice; a search
// past three times the bound and 200 items more has lost its way.
int MaxSteps(float startBound) {
    const int bound = static_cast<int>(std::ceil(startBound));
    return 3 * bound + 200;
}

std::size_t ProofStates(const PlanOptions& options, float startBound) {
    if (options.proofNodes > 0) return options.proofNodes;
    const double states = std::clamp(kProofScale / Squared(startBound), double(kMinProofStates),
                                     double(kMaxProofStates));
    return std::min(static_cast<std::size_t>(states), options.memoryBytes / kProofBytesPerState);
}

std::string WhyNone(SearchEnd end, bool proven) {
    if (proven) return reason::Impossible();
    switch (end) {
        case SearchEnd::Time:
            return reason::OutOfTime();
        case SearchEnd::Memory:
            return reason::OutOfMemory();
        default:
            return reason::SearchExhausted();
    }
}

PlanResult Cancelled() {
    PlanResult result;
    result.cancelled = true;
    return result;
}

Plan Assemble(const SearchSpace& space, const MagCore& start, const Goal& goal,
              const std::vector<int>& items, int lowerBound, int targetForm) {
    Plan plan;
    plan.presses = PressesOf(space, start, items);
    plan.items = static_cast<int>(items.size());
    plan.lowerBound = std::min(lowerBound, plan.items);
    plan.specialItem = goal.specialItem;
    plan.specialAfter = plan.presses.size();
    plan.final = plan.presses.empty() ? start : plan.presses.back().after;
    if (goal.specialItem >= 0) {
        plan.final.form = static_cast<std::int8_t>(targetForm);
        plan.final.rare = true;
    }
    return plan;
}

}  // namespace

PlanResult FindPlan(const PlanRequest& request, std::stop_token stop, const ProgressFn& progress) {
    const auto deadline = std::chrono::steady_clock::now() + request.options.timeLimit;
    const MagCore start = CoreOf(request.start);
    auto made = MakeGoal(request, start);
    if (const auto* why = std::get_if<std::string>(&made)) return {std::nullopt, *why};
    const Goal goal = std::get<Goal>(std::move(made));
    const LowerBound bound(goal, start, request.characterClass, request.parity,
                           request.allowedItems);
    const SearchSpace space{
        goal,     bound, request.characterClass, request.parity, AllowedItems(request.allowedItems),
        deadline, stop};
    const auto report = [&progress](double share) {
        if (progress) progress(std::clamp(share, 0.0, 1.0));
    };

    std::vector<int> best;
    int lower = 0;
    bool proven = false;
    SearchEnd beamEnd = SearchEnd::Found;
    if (!Reached(goal, start)) {
        const float startBound = bound.Items(start);
        if (std::isinf(startBound)) return {std::nullopt, reason::ItemsCannotReach()};
        lower = static_cast<int>(std::ceil(bound.Tightest(start) - 1e-3f));
        const BeamSettings settings{BeamWidth(request.options, startBound), request.options.threads,
                                    request.options.memoryBytes, MaxSteps(startBound)};
        const SearchOutcome beam =
            BeamSearch(space, start, settings, [&](double f) { report(kBeamShare * f); });
        if (beam.end == SearchEnd::Cancelled) return Cancelled();
        beamEnd = beam.end;
        if (beam.end == SearchEnd::Found || beam.end == SearchEnd::Exhausted)
            lower = std::max(lower, beam.lowerBound);
        if (beam.end == SearchEnd::Found) best = beam.items;
        const int incumbent = best.empty() ? kNoPlan : static_cast<int>(best.size());
        if (lower < incumbent && !space.OutOfTime()) {
            const SearchOutcome proof =
                ProveShortest(space, start, incumbent, ProofStates(request.options, startBound),
                              [&](double f) { report(kBeamShare + (1 - kBeamShare) * f); });
            if (proof.end == SearchEnd::Cancelled) return Cancelled();
            if (proof.end == SearchEnd::Found) best = proof.items;
            if (proof.end == SearchEnd::Exhausted) proven = true;
            lower = std::max(lower, proof.lowerBound);
        }
        if (best.empty()) return {std::nullopt, WhyNone(beamEnd, proven || lower == kNoPlan)};
        best = WithFewerRuns(space, start, std::move(best));
    }
    Plan plan = Assemble(space, start, goal, best, lower, request.target.form);
    if (!ReplayConfirms(request, plan)) return {std::nullopt, reason::ReplayDisagrees()};
    report(1.0);
    return {std::move(plan), {}};
}

}  // namespace toviran::planner
