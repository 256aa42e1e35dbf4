#include "planner/reach_table.h"

#include <algorithm>
#include <map>
#include <new>
#include <variant>

#include "planner/goal.h"
#include "planner/planner.h"
#include "planner/reachability.h"

namespace toviran::planner {
namespace {

PlanRequest RequestFor(const ReachRequest& r, int form, int level) {
    PlanRequest request;
    request.start = r.start;
    request.characterClass = r.characterClass;
    request.parity = r.parity;
    request.startIsNewMag = r.startIsNewMag;
    request.options = r.options;
    request.target.form = form;
    request.target.level = level;
    return request;
}

// The levels worth trying, lowest first: from where the evolution tables allow the form, in
// the steps at which it can be given; the mag's own level when it has the form already.
std::vector<int> Candidates(const ReachRequest& r, const MagCore& start, int form) {
    const FormReach reach =
        ReachableForms(r.characterClass, r.parity)[static_cast<std::size_t>(form)];
    std::vector<int> levels;
    if (start.form == form) levels.push_back(start.level);
    const int step = std::max(1, reach.levelStep);
    int level =
        std::max(reach.fromLevel, static_cast<int>(start.level) + (start.form == form ? 1 : 0));
    if (step > 1) level = (level + step - 1) / step * step;
    for (; level <= kLevelCap; level += step) levels.push_back(level);
    return levels;
}

}  // namespace

PlanRequest ReachRow::PlanAt(const ReachRequest& request) const {
    PlanRequest plan = RequestFor(request, form, level);
    plan.options = PlanOptions{};
    plan.options.effort = request.options.effort;
    return plan;
}

namespace {

// What is known of one level worth trying.
enum class Known { Open, None, Plan };
// The coarse look for a plan tries one open level in this many, each with this share of the
// work left.
constexpr std::size_t kCoarseStep = 5;
constexpr std::uint64_t kCoarseShare = 3;
// The first width of a search that only asks whether there is a plan.
constexpr int kQuickWidth = 128;

class RowSearch {
  public:
    RowSearch(const ReachRequest& r, int form, const MagCore& start, std::stop_token stop)
        : request_(r),
          form_(form),
          levels_(Candidates(r, start, form)),
          known_(levels_.size(), Known::Open),
          budget_(r.options.work *
                  static_cast<std::uint64_t>(std::clamp(r.options.effort, 1, kMostEffort))),
          stop_(std::move(stop)) {}

    ReachRow Run() {
        ReachRow row;
        row.form = form_;
        // What the pre-checks and the bound rule out with no search at all.
        for (std::size_t i = 0; i < levels_.size() && !Stopped(); ++i) Ask(i, 0, true);
        // The lowest level with a plan, looked for coarsely first: every fifth open level, with
        // a share of the work each, asking only whether there is one. A plan at a higher
        // level is often quick to find where the levels just below need long searches.
        std::size_t found = static_cast<std::size_t>(
            std::find(known_.begin(), known_.end(), Known::Plan) - known_.begin());
        std::size_t tried = 0;
        for (std::size_t i = 0; i < found && !Stopped() && Left() > 0; ++i) {
            if (known_[i] != Known::Open || tried++ % kCoarseStep != 0) continue;
            if (Ask(i, Left() / kCoarseShare, true).plan) found = i;
        }
        // The levels below it still open, each with a share of what is left: settled there
        // is either none or a lower plan.
        for (std::size_t i = 0; i < found && !Stopped(); ++i) {
            if (known_[i] != Known::Open) continue;
            const std::size_t open = static_cast<std::size_t>(std::count(
                known_.begin(), known_.begin() + static_cast<std::ptrdiff_t>(found), Known::Open));
            if (Ask(i, Left() / std::max<std::size_t>(open, 1) / 2, true).plan) found = i;
        }
        if (Stopped()) return Unsettled(row);
        if (found == levels_.size()) {
            if (std::count(known_.begin(), known_.end(), Known::Open) > 0) return Unsettled(row);
            return Impossible(row);
        }
        // The fewest items there, with all the work left.
        PlanResult best = Ask(found, std::max<std::uint64_t>(Left(), 1), false);
        if (!best.plan) best = firstPlans_[found];
        row.level = levels_[found];
        row.items = best.plan->items;
        row.bound = best.plan->lowerBound;
        const bool lowerOpen =
            std::count(known_.begin(), known_.begin() + static_cast<std::ptrdiff_t>(found),
                       Known::Open) > 0;
        if (!lowerOpen) {
            row.status = ReachRow::Status::Reachable;
            return row;
        }
        row.reason.kind = cut_;
        return row;
    }

  private:
    std::uint64_t Left() const { return budget_ > spent_ ? budget_ - spent_ : 0; }
    bool Stopped() const { return stop_.stop_requested(); }

    PlanResult Ask(std::size_t i, std::uint64_t work, bool firstPlan) {
        PlanRequest request = RequestFor(request_, form_, levels_[i]);
        request.options.explain = false;
        request.options.effort = 1;
        request.options.work = work;
        request.options.firstPlan = firstPlan;
        // Whether there is a plan at all: a narrow search first, which widens as it must.
        if (firstPlan) request.options.beamWidth = kQuickWidth;
        PlanResult result = FindPlan(request, stop_);
        spent_ += result.workSpent;
        if (result.plan) {
            known_[i] = Known::Plan;
            if (firstPlan) firstPlans_[i] = result;
        } else if (!Proves(result.reason.kind)) {
            // The limit that left this level open; memory or time outweigh the work.
            if (result.reason.kind == ReasonKind::OutOfMemory ||
                result.reason.kind == ReasonKind::OutOfTime)
                cut_ = result.reason.kind;
        } else {
            known_[i] = Known::None;
            // The highest level proven keeps its reason, whatever order the levels are asked in.
            if (!last_.set || i >= last_.level)
                last_ = {true, i, result.workSpent == 0, result.reason};
        }
        return result;
    }

    ReachRow Unsettled(ReachRow row) const {
        row.status = ReachRow::Status::Unsettled;
        row.reason.kind = cut_;
        return row;
    }

    // No level has a plan: the reason is the one for the highest level, where the fewest
    // demands are left to conflict. Refused there before any search, it is asked again with
    // the demands that conflict worked out.
    ReachRow Impossible(ReachRow row) {
        row.status = ReachRow::Status::Impossible;
        row.reason = last_.reason;
        if (last_.unsearched) {
            PlanRequest request =
                RequestFor(request_, form_, levels_.empty() ? kLevelCap : levels_[last_.level]);
            request.options.work = 0;
            // A level proven by a search that made no state is not refused before the search:
            // asked again with no work it only runs out, and the proof's own reason stands.
            const Reason explained = FindPlan(request, stop_).reason;
            if (Proves(explained.kind)) row.reason = explained;
        }
        return row;
    }

    const ReachRequest& request_;
    int form_;
    std::vector<int> levels_;
    std::vector<Known> known_;
    std::map<std::size_t, PlanResult> firstPlans_;
    struct Last {
        bool set = false;
        std::size_t level = 0;
        bool unsearched = true;
        Reason reason;
    } last_;
    std::uint64_t budget_;
    std::uint64_t spent_ = 0;
    ReasonKind cut_ = ReasonKind::OutOfWork;
    std::stop_token stop_;
};

}  // namespace

ReachRow ReachOf(const ReachRequest& r, int form, std::stop_token stop) {
    try {
        return RowSearch(r, form, CoreOf(r.start), std::move(stop)).Run();
    } catch (const std::bad_alloc&) {
        ReachRow row;
        row.form = form;
        row.reason.kind = ReasonKind::OutOfMemory;
        return row;
    }
}

}  // namespace toviran::planner
