#include "planner/planner.h"

#include <algorithm>
#include <map>
#include <memory>
#include <new>
#include <variant>

#include "engine/mag_forms.h"
#include "planner/beam_search.h"
#include "planner/best_first.h"
#include "planner/conflicts.h"
#include "planner/goal.h"
#include "planner/lower_bound.h"
#include "planner/presses.h"
#include "planner/replay.h"
#include "planner/worker_pool.h"

namespace toviran::planner {
namespace {

std::vector<int> AllowedItems(ItemSet set) {
    std::vector<int> items;
    for (int i = 0; i < kFeedItemCount; ++i)
        if (set & (1u << i)) items.push_back(i);
    return items;
}

void Add(SearchStats& to, const SearchStats& from) {
    to.lpSolves += from.lpSolves;
    to.lpSeconds += from.lpSeconds;
    to.raysChecked += from.raysChecked;
    to.raysDropped += from.raysDropped;
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

// One route to the goal (see Routes) with its own bound, refinements and searches.
struct Route {
    Route(Goal g, const PlanRequest& r)
        : goal(std::move(g)),
          bound(goal, r.characterClass, r.parity, r.allowedItems),
          space(goal, bound, refinements, r.characterClass, r.parity,
                AllowedItems(r.allowedItems)) {}
    Goal goal;
    LowerBound bound;
    RefinementStore refinements;
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
    // `reserve`: work left unspent for what follows; `incumbent`: a plan of this many items
    // is in hand already, so only shorter ones are looked for.
    Rounds(std::vector<std::unique_ptr<Route>>& routes, const MagCore& start,
           const PlanOptions& options, SearchBudget& budget, WorkerPool& pool, ProgressFn progress,
           std::uint64_t reserve, int incumbent)
        : routes_(routes),
          start_(start),
          options_(options),
          limits_(RoundLimits::ForEffort(options.effort)),
          budget_(budget),
          pool_(pool),
          progress_(std::move(progress)),
          reserve_(reserve),
          incumbent_(incumbent) {
        // Each route's bound, one evaluator per thread, kept for all the route's searches:
        // what an evaluator solves for a key is the same whoever asks.
        for (const auto& route : routes_) {
            auto& evaluators = bounds_[route.get()];
            for (int i = 0; i < pool.Threads(); ++i)
                evaluators.push_back(
                    std::make_unique<BoundEvaluator>(route->bound, route->refinements, budget));
        }
    }

    // False when cancelled.
    bool Run() {
        int width = FirstWidth();
        while (!Settled()) {
            const std::uint64_t before = budget_.Spent();
            for (Route* route : Open()) {
                if (best_ && Allowance() == 0) break;
                const BeamSettings beam{width, Allowance(), MaxSteps(*route), length()};
                if (!Take(*route,
                          BeamSearch(route->space, start_, beam, budget_, pool_, bounds_[route],
                                     Report()),
                          true))
                    return false;
                if (Settled()) return true;
            }
            // A proof pays off where few states lie between the bound and the plan: up to the
            // second evolution, or with the plan close to the bound. It then has what is left
            // of the work. Without a plan the proof search looks for one too, as long as the
            // wide search did, before the wide search widens.
            if (best_ && !ProofPays()) {
                if (width >= MaxWidth()) break;
                width = std::min(width * 4, MaxWidth());
                continue;
            }
            // Up to the second evolution every state fits: the proof has all the work left,
            // and settles whether there is a plan at all.
            // A search that only asks whether there is a plan gives the proof as much as the
            // wide search took, and widens.
            const bool all = Small() && !options_.firstPlan;
            const std::uint64_t share = all      ? Left()
                                        : !best_ ? budget_.Spent() - before
                                                 : std::min(Left(), limits_.closeProofWork);
            const std::vector<Route*> open = Open();
            for (std::size_t i = 0; i < open.size(); ++i) {
                const BestFirstSettings proof{length(),
                                              std::min(Left(), share / (open.size() - i))};
                if (!Take(*open[i],
                          BestFirst(open[i]->space, start_, proof, budget_,
                                    *bounds_[open[i]].front(), Report()),
                          false))
                    return false;
                if (Settled()) return true;
            }
            if (best_ && ProofPays()) return true;
            if (width >= MaxWidth()) break;
            width = std::min(width * 4, MaxWidth());
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
    // Settled, or what stopped the searches.
    SearchEnd End() const {
        if (Lower() >= length()) return best_ ? SearchEnd::Found : SearchEnd::Exhausted;
        if (lastEnd_ == SearchEnd::Memory || lastEnd_ == SearchEnd::Time) return lastEnd_;
        return wideOutOfMemory_ ? SearchEnd::Memory : SearchEnd::Work;
    }
    SearchStats stats() const {
        SearchStats stats;
        for (const auto& [route, evaluators] : bounds_)
            for (const auto& evaluator : evaluators) Add(stats, evaluator->stats());
        return stats;
    }

  private:
    int length() const { return best_ ? static_cast<int>(best_->items.size()) : incumbent_; }
    // The reserve is kept only once there is a plan to use it on.
    std::uint64_t Left() const {
        const std::uint64_t reserve = best_ ? reserve_ : 0;
        return budget_.Left() > reserve ? budget_.Left() - reserve : 0;
    }
    // The widest search the memory holds: each state kept makes a child per item, and a
    // step holds its children about twice over.
    int MaxWidth() const {
        const std::size_t items = std::max<std::size_t>(1, routes_.front()->space.items().size());
        const std::size_t fits = options_.memoryBytes / (items * limits_.bytesPerChild);
        return static_cast<int>(std::min<std::size_t>(limits_.maxBeamWidth, fits));
    }
    // Up to the second evolution the whole state space is small enough to prove in.
    bool Small() const { return routes_.front()->goal.level <= kSecondEvolutionLevel; }
    bool ProofPays() const { return Small() || length() - Lower() <= limits_.proofGap; }
    bool Settled() const {
        if (best_ && options_.firstPlan) return true;
        if (Lower() >= length() || wideOutOfMemory_ || lastEnd_ == SearchEnd::Time || Left() == 0)
            return true;
        return best_ && !ProofPays() && Allowance() == 0;
    }

    int FirstWidth() const {
        if (options_.beamWidth > 0) return options_.beamWidth;
        const double b = std::max(1, Lower());
        const double width =
            std::clamp(limits_.beamScale / (b * b), static_cast<double>(limits_.minBeamWidth),
                       static_cast<double>(limits_.maxFirstWidth));
        return std::min(static_cast<int>(width), MaxWidth());
    }

    // A search past three times the bound and some items more has lost its way: at the
    // target level a mag can take items for ever without levelling.
    int MaxSteps(const Route& route) const {
        return std::min(length() - 1, 3 * route.startBound + limits_.strayItems);
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
        std::uint64_t left = Left();
        if (best_) {
            const std::uint64_t improving =
                std::max(limits_.leastImprovement, limits_.improvementFactor * foundAt_);
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

    // The share of the whole budget spent: a bar that stops half full means half the
    // budget, not half the answer.
    ProgressFn Report() const {
        if (!progress_) return {};
        return [this](double) {
            const double total = static_cast<double>(budget_.Work());
            progress_(total > 0 ? static_cast<double>(budget_.Spent()) / total : 1.0);
        };
    }

    std::vector<std::unique_ptr<Route>>& routes_;
    const MagCore& start_;
    const PlanOptions& options_;
    RoundLimits limits_;
    SearchBudget& budget_;
    WorkerPool& pool_;
    ProgressFn progress_;
    std::optional<Path> best_;
    const Route* bestRoute_ = nullptr;
    std::uint64_t foundAt_ = 0;
    SearchEnd lastEnd_ = SearchEnd::Work;
    bool wideOutOfMemory_ = false;
    std::map<const Route*, std::vector<std::unique_ptr<BoundEvaluator>>> bounds_;
    std::uint64_t reserve_;
    int incumbent_;
};

Reason WhyNone(SearchEnd end, const PlanRequest& request) {
    return ReasonAbout(end == SearchEnd::Time     ? ReasonKind::OutOfTime
                       : end == SearchEnd::Memory ? ReasonKind::OutOfMemory
                                                  : ReasonKind::OutOfWork,
                       request);
}

std::chrono::milliseconds SafetyLimit(const PlanOptions& options) {
    return options.timeLimit * std::clamp(options.effort, 1, kMostEffort);
}

std::uint64_t WorkOf(const PlanOptions& options) {
    return options.work * static_cast<std::uint64_t>(std::clamp(options.effort, 1, kMostEffort));
}

using RouteList = std::vector<std::unique_ptr<Route>>;

// The goal's routes, each with its bound from the start.
RouteList RoutesOf(const Goal& goal, const PlanRequest& request, const MagCore& start) {
    RouteList routes;
    for (Goal& g : TargetRoutes(goal, request, start)) {
        auto route = std::make_unique<Route>(std::move(g), request);
        route->startBound = route->lower = route->bound.Solve(start).items;
        routes.push_back(std::move(route));
    }
    return routes;
}

int StartBound(const RouteList& routes) {
    int bound = kUnreachable;
    for (const auto& route : routes) bound = std::min(bound, route->startBound);
    return bound;
}

// What one set of rounds found.
struct Searched {
    std::optional<Plan> plan;
    SearchEnd end = SearchEnd::Work;
    int lower = 0;
    bool cancelled = false;
};

Searched SearchRoutes(RouteList& routes, const MagCore& start, const PlanOptions& options,
                      SearchBudget& budget, WorkerPool& pool, const ProgressFn& progress,
                      std::uint64_t reserve, int incumbent, SearchStats& stats) {
    Rounds rounds(routes, start, options, budget, pool, progress, reserve, incumbent);
    Searched searched;
    searched.cancelled = !rounds.Run();
    Add(stats, rounds.stats());
    if (searched.cancelled) return searched;
    searched.end = rounds.End();
    searched.lower = rounds.Lower();
    if (rounds.best()) {
        const Route& used = rounds.bestRoute();
        const Path path = WithFewerRuns(used.space, start, *rounds.best());
        searched.plan = Assemble(used.space, start, path, rounds.Lower());
    }
    return searched;
}

// A target that leaves the stats some freedom (or asks none) may be reached by many builds.
// The searches see a build the plan ends at far more sharply than the freedom around it, so
// a plan not proven shortest is polished: the build it ends at, asked exactly, is searched
// for a shorter plan, and again from that one's build, while one is found and work is left.
// Any plan so found meets the request too; the request's own bound stays the bound.
constexpr int kPolishRounds = 3;

bool Polishes(const PlanRequest& request) {
    return !request.target.IsBuild();
}

// True when cancelled.
bool Polish(const PlanRequest& request, const MagCore& start, SearchBudget& budget,
            WorkerPool& pool, const ProgressFn& progress, Plan& plan, SearchStats& stats) {
    for (int round = 0; round < kPolishRounds && budget.Left() > 0; ++round) {
        PlanRequest exact = request;
        exact.target.form = plan.final.form;
        exact.target.stats = Target::Exactly(plan.final.statLevel);
        auto made = MakeGoal(exact, start);
        if (!std::holds_alternative<Goal>(made)) return false;
        RouteList routes = RoutesOf(std::get<Goal>(made), exact, start);
        const Searched polished = SearchRoutes(routes, start, exact.options, budget, pool, progress,
                                               0, plan.items, stats);
        if (polished.cancelled) return true;
        if (!polished.plan || polished.plan->items >= plan.items) return false;
        const int lower = plan.lowerBound;
        plan = *polished.plan;
        plan.lowerBound = std::min(lower, plan.items);
    }
    return false;
}

// The searches, once the goal is known and the start is not already at it.
PlanResult Search(const PlanRequest& request, const MagCore& start, RouteList& routes,
                  std::stop_token stop, const ProgressFn& progress) {
    PlanResult result;
    result.workBudget = WorkOf(request.options);
    SearchBudget budget(result.workBudget, request.options.memoryBytes,
                        SafetyLimit(request.options), std::move(stop));
    try {
        WorkerPool pool(std::max(1, request.options.threads));
        // A quarter of the work is kept for polishing, when the plan can be.
        const std::uint64_t reserve =
            Polishes(request) && !request.options.firstPlan ? result.workBudget / 4 : 0;
        Searched searched = SearchRoutes(routes, start, request.options, budget, pool, progress,
                                         reserve, kUnreachable, result.stats);
        bool cancelled = searched.cancelled;
        if (!cancelled && searched.plan && reserve > 0 &&
            searched.plan->items > searched.plan->lowerBound)
            cancelled =
                Polish(request, start, budget, pool, progress, *searched.plan, result.stats);
        result.workSpent = budget.Spent();
        result.stats.peakBytes = budget.PeakBytes();
        if (cancelled) {
            result.end = SearchEnd::Cancelled;
            return result;
        }
        result.end = searched.end;
        if (searched.plan && searched.plan->items <= searched.plan->lowerBound)
            result.end = SearchEnd::Found;
        result.plan = std::move(searched.plan);
        if (!result.plan)
            result.reason = result.end == SearchEnd::Exhausted ? WhyExhausted(request, start)
                                                               : WhyNone(result.end, request);
    } catch (const std::bad_alloc&) {
        // The system had less memory than the budget allowed: the answer says memory ran
        // out, as when the budget's own count does.
        result = {};
        result.workBudget = WorkOf(request.options);
        result.end = SearchEnd::Memory;
        result.reason = WhyNone(SearchEnd::Memory, request);
        result.workSpent = budget.Spent();
    }
    return result;
}

PlanResult PlanOnce(const PlanRequest& request, std::stop_token stop, const ProgressFn& progress) {
    const MagCore start = CoreOf(request.start);
    auto made = MakeGoal(request, start);
    if (auto* why = std::get_if<Reason>(&made)) {
        PlanResult refused;
        refused.reason = std::move(*why);
        return refused;
    }
    const Goal goal = std::get<Goal>(std::move(made));
    RouteList routes = RoutesOf(goal, request, start);
    const int startBound = StartBound(routes);
    const auto report = [&progress](double share) {
        if (progress) progress(std::clamp(share, 0.0, 1.0));
    };

    PlanResult result;
    if (SpecialUsable(goal, start) && Reached(goal, AfterSpecial(goal, start))) {
        Path path;
        path.specialAt = 0;
        result.plan = Assemble(routes.front()->space, start, path, 0);
        result.end = SearchEnd::Found;
    } else if (Reached(goal, start)) {
        result.plan = Assemble(routes.front()->space, start, Path{}, 0);
        result.end = SearchEnd::Found;
    } else if (startBound >= kUnreachable) {
        result.reason =
            request.options.explain ? WhyUnreachable(request, start) : WhyExhausted(request, start);
        result.end = SearchEnd::Exhausted;
        return result;
    } else {
        result = Search(request, start, routes, std::move(stop), report);
        if (!result.plan) return result;
    }
    if (!ReplayConfirms(request, *result.plan)) {
        result.plan.reset();
        result.reason.kind = ReasonKind::ReplayDisagrees;
        return result;
    }
    report(1.0);
    return result;
}

}  // namespace

PlanResult FindPlan(const PlanRequest& request, std::stop_token stop, const ProgressFn& progress) {
    // Memory the system would not give, anywhere on the way, is the memory answer: the
    // program and the player's history go on.
    try {
        return PlanOnce(request, std::move(stop), progress);
    } catch (const std::bad_alloc&) {
        PlanResult result;
        result.end = SearchEnd::Memory;
        result.reason = WhyNone(SearchEnd::Memory, request);
        return result;
    }
}

}  // namespace toviran::planner
