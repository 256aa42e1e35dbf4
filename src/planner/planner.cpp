#include "planner/planner.h"

#include <algorithm>
#include <memory>
#include <variant>

#include "engine/mag_forms.h"
#include "planner/beam_search.h"
#include "planner/best_first.h"
#include "planner/goal.h"
#include "planner/lower_bound.h"
#include "planner/presses.h"
#include "planner/reasons.h"
#include "planner/replay.h"

namespace toviran::planner {
namespace {

// Short targets get a wide first search, long ones a narrower one (width x bound^2 stays
// about this); later rounds widen it fourfold each.
constexpr double kBeamScale = 4e6;
constexpr int kMinBeamWidth = 256;
constexpr int kMaxFirstWidth = 16384;
constexpr int kMaxBeamWidth = 1 << 18;
// Once a plan is in hand, widening the search may cost this many times the work that found
// it (at least kLeastImprovement), so that quick targets stay quick.
constexpr std::uint64_t kImprovementFactor = 4;
constexpr std::uint64_t kLeastImprovement = 1'000'000;
// A proof is tried when the plan is at most this many items above the bound, with at most
// this much work beyond the second evolution.
constexpr int kProofGap = 3;
constexpr std::uint64_t kCloseProofWork = 12'000'000;

std::vector<int> AllowedItems(ItemSet set) {
    std::vector<int> items;
    for (int i = 0; i < kFeedItemCount; ++i)
        if (set & (1u << i)) items.push_back(i);
    return items;
}

int FirstWidth(const PlanOptions& options, int startBound) {
    if (options.beamWidth > 0) return options.beamWidth;
    const double b = std::max(1, startBound);
    return static_cast<int>(
        std::clamp(kBeamScale / (b * b), double{kMinBeamWidth}, double{kMaxFirstWidth}));
}

// A search past three times the bound and 200 items more has lost its way: at the target
// level a mag can take items for ever without levelling.
int MaxSteps(int startBound, int incumbent) {
    return std::min(incumbent - 1, 3 * startBound + 200);
}

std::string WhyNone(SearchEnd end, bool proven, const PlanRequest& request) {
    if (proven)
        return request.allowedItems == kAllItems ? reason::Impossible()
                                                 : reason::ItemsCannotReach();
    switch (end) {
        case SearchEnd::Time:
            return reason::OutOfTime();
        case SearchEnd::Memory:
            return reason::OutOfMemory();
        default:
            return reason::OutOfWork();
    }
}

PlanResult Cancelled() {
    PlanResult result;
    result.cancelled = true;
    return result;
}

Plan Assemble(const SearchSpace& space, const MagCore& start, const Path& path, int lowerBound) {
    Plan plan;
    Presses presses = PressesOf(space, start, path);
    plan.presses = std::move(presses.presses);
    plan.specialAfter = presses.specialAfter;
    plan.items = static_cast<int>(path.items.size());
    plan.lowerBound = std::min(lowerBound, plan.items);
    plan.specialItem = path.specialAt >= 0 ? space.goal().specialItem : -1;
    plan.final = start;
    if (!plan.presses.empty()) plan.final = plan.presses.back().after;
    if (path.specialAt == static_cast<int>(path.items.size()))
        plan.final = AfterSpecial(space.goal(), plan.final);
    return plan;
}

// One route to the goal (see Routes) with its own bound and searches.
struct Route {
    Route(Goal g, const PlanRequest& r)
        : goal(std::move(g)),
          bound(goal, r.characterClass, r.parity, r.allowedItems),
          space(goal, bound, r.characterClass, r.parity, AllowedItems(r.allowedItems)) {}
    Goal goal;
    LowerBound bound;
    SearchSpace space;
    int startBound = 0;
    int lower = 0;  // no plan along this route uses fewer items
};

// The rounds of searching: a wide search for a plan along each route, then a proof that the
// best is the shortest; while neither settles it and the work allows, both again, the wide
// one four times wider and the proof four times longer, each looking only for plans shorter
// than the best so far.
class Rounds {
  public:
    Rounds(std::vector<std::unique_ptr<Route>>& routes, const MagCore& start,
           const PlanOptions& options, SearchBudget& budget, ProgressFn progress)
        : routes_(routes),
          start_(start),
          options_(options),
          budget_(budget),
          progress_(std::move(progress)) {}

    // False when cancelled.
    bool Run() {
        int width = FirstWidth(options_, Lower());
        while (!Settled()) {
            const std::uint64_t before = budget_.Spent();
            for (Route* route : Open()) {
                if (best_ && Allowance() == 0) break;
                const BeamSettings beam{width, options_.threads, Allowance(),
                                        MaxSteps(route->startBound, length()), length()};
                if (!Take(*route, BeamSearch(route->space, start_, beam, budget_, Report()), true))
                    return false;
                if (Settled()) return true;
            }
            // A proof pays off where few states lie between the bound and the plan: up to the
            // second evolution, or with the plan close to the bound. It then has what is left
            // of the work. Without a plan the proof search looks for one too, as long as the
            // wide search did, before the wide search widens.
            if (best_ && !ProofPays()) {
                if (width >= kMaxBeamWidth) break;
                width = std::min(width * 4, kMaxBeamWidth);
                continue;
            }
            const std::uint64_t share = !best_    ? budget_.Spent() - before
                                        : Small() ? budget_.Left()
                                                  : std::min(budget_.Left(), kCloseProofWork);
            const std::vector<Route*> open = Open();
            for (std::size_t i = 0; i < open.size(); ++i) {
                const BestFirstSettings proof{length(),
                                              std::min(budget_.Left(), share / (open.size() - i))};
                if (!Take(*open[i], BestFirst(open[i]->space, start_, proof, budget_, Report()),
                          false))
                    return false;
                if (Settled()) return true;
            }
            if (best_ && ProofPays()) return true;
            if (width >= kMaxBeamWidth) break;
            width = std::min(width * 4, kMaxBeamWidth);
        }
        return true;
    }

    const std::optional<Path>& best() const { return best_; }
    const Route& bestRoute() const { return *bestRoute_; }
    // No plan uses fewer items than this.
    int Lower() const {
        int lower = kUnreachable;
        for (const auto& route : routes_) lower = std::min(lower, route->lower);
        return lower;
    }
    SearchEnd lastEnd() const { return lastEnd_; }

  private:
    int length() const { return best_ ? static_cast<int>(best_->items.size()) : kUnreachable; }
    // Up to the second evolution the whole state space is small enough to prove in.
    bool Small() const { return routes_.front()->goal.level <= kSecondEvolutionLevel; }
    bool ProofPays() const { return Small() || length() - Lower() <= kProofGap; }
    bool Settled() const {
        if (best_ && options_.firstPlan) return true;
        if (Lower() >= length() || wideOutOfMemory_ || lastEnd_ == SearchEnd::Time ||
            budget_.Left() == 0)
            return true;
        return best_ && !ProofPays() && Allowance() == 0;
    }
    // The routes that may still hold a shorter plan, most promising first.
    std::vector<Route*> Open() const {
        std::vector<Route*> open;
        for (const auto& route : routes_)
            if (route->lower < length()) open.push_back(route.get());
        std::ranges::stable_sort(open, {}, &Route::lower);
        return open;
    }

    // The work the next search may still do.
    std::uint64_t Allowance() const {
        std::uint64_t left = budget_.Left();
        if (best_) {
            const std::uint64_t improving =
                std::max(kLeastImprovement, kImprovementFactor * foundAt_);
            const std::uint64_t spentSince = budget_.Spent() - foundAt_;
            left = std::min(left, improving > spentSince ? improving - spentSince : 0);
        }
        return left;
    }

    bool Take(Route& route, const SearchOutcome& outcome, bool wide) {
        if (outcome.end == SearchEnd::Cancelled) return false;
        lastEnd_ = outcome.end;
        // A wide search out of memory cannot widen further; a proof out of memory leaves the
        // wide search to go on.
        if (wide && outcome.end == SearchEnd::Memory) wideOutOfMemory_ = true;
        if (outcome.path && static_cast<int>(outcome.path->items.size()) < length()) {
            if (!best_) foundAt_ = budget_.Spent();
            best_ = outcome.path;
            bestRoute_ = &route;
        }
        route.lower = std::max(route.lower, std::min(outcome.lowerBound, length()));
        if (outcome.end == SearchEnd::Exhausted)
            route.lower = std::max(route.lower, outcome.lowerBound);
        return true;
    }

    ProgressFn Report() const {
        if (!progress_) return {};
        return [this](double) {
            const double total = static_cast<double>(budget_.Spent() + Allowance());
            progress_(total > 0 ? static_cast<double>(budget_.Spent()) / total : 1.0);
        };
    }

    std::vector<std::unique_ptr<Route>>& routes_;
    const MagCore& start_;
    const PlanOptions& options_;
    SearchBudget& budget_;
    ProgressFn progress_;
    std::optional<Path> best_;
    const Route* bestRoute_ = nullptr;
    std::uint64_t foundAt_ = 0;
    SearchEnd lastEnd_ = SearchEnd::Work;
    bool wideOutOfMemory_ = false;
};

}  // namespace

PlanResult FindPlan(const PlanRequest& request, std::stop_token stop, const ProgressFn& progress) {
    const MagCore start = CoreOf(request.start);
    auto made = MakeGoal(request, start);
    if (const auto* why = std::get_if<std::string>(&made)) return {std::nullopt, *why};
    const Goal goal = std::get<Goal>(std::move(made));
    std::vector<std::unique_ptr<Route>> routes;
    for (Goal& g : Routes(goal, start, request.characterClass)) {
        auto route = std::make_unique<Route>(std::move(g), request);
        route->startBound = route->lower = route->bound.Items(start);
        routes.push_back(std::move(route));
    }
    const auto report = [&progress](double share) {
        if (progress) progress(std::clamp(share, 0.0, 1.0));
    };

    const Route* used = routes.front().get();
    Path path;
    int lower = 0;
    if (SpecialUsable(goal, start) && Reached(goal, AfterSpecial(goal, start))) {
        path.specialAt = 0;
    } else if (!Reached(goal, start)) {
        SearchBudget budget(request.options.work, request.options.memoryBytes,
                            request.options.timeLimit, stop);
        Rounds rounds(routes, start, request.options, budget, report);
        if (rounds.Lower() >= kUnreachable)
            return {std::nullopt, WhyNone(SearchEnd::Exhausted, true, request)};
        if (!rounds.Run()) return Cancelled();
        if (!rounds.best())
            return {std::nullopt,
                    WhyNone(rounds.lastEnd(), rounds.Lower() >= kUnreachable, request)};
        used = &rounds.bestRoute();
        path = WithFewerRuns(used->space, start, *rounds.best());
        lower = rounds.Lower();
    }
    Plan plan = Assemble(used->space, start, path, lower);
    if (!ReplayConfirms(request, plan)) return {std::nullopt, reason::ReplayDisagrees()};
    report(1.0);
    return {std::move(plan), {}};
}

}  // namespace toviran::planner
