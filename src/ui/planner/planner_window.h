#pragma once
// The feed planner window ("えさプランナー"), a tool window owned by the main window. On
// its first page it searches, on a thread of its own, for the feeding with the fewest items
// from the main window's mag (or a new one) to a chosen form (or any form) at a chosen
// level, with conditions on the stats if asked, with the main window's class and ID; shows
// the plan step by step under what it answers; puts the step due next into the main
// window's feed inputs; follows the mag along the plan; and copies the plan as a
// toviran-sim script. A search that ran out of its budget offers 「もっと探す」. On its
// second page it lists every form the mag can still become, and a row there opens its plan
// on the first. It knows the main window only as a PlannerHost.
//
// From the keyboard: Enter in the level and stat boxes searches, Escape closes the window,
// each button has a mnemonic, and Tab passes through each table in one step.
#include <QTabWidget>
#include <QWidget>
#include <functional>
#include <memory>
#include <optional>
#include <vector>

#include "planner/plan.h"
#include "planner/reachability.h"
#include "ui/planner/background_job.h"
#include "ui/planner/default_level.h"
#include "ui/planner/plan_follow.h"
#include "ui/planner/planner_controls.h"
#include "ui/planner/planner_host.h"
#include "ui/planner/reach_rows.h"
#include "ui/planner/reach_tab.h"

namespace toviran {

class PlannerWindow final : public QWidget {
    Q_OBJECT
  public:
    // Closing the window stops its search and calls `onClosed`; the window stays, hidden,
    // with its plan. `owner` is the window it stays above.
    PlannerWindow(PlannerHost& host, QWidget& owner, std::function<void()> onClosed);
    // Stops the searches and waits for them before the controls they report to go.
    ~PlannerWindow() override;

    const PlannerControls& controls() const { return c_; }
    const ReachControls& reachControls() const { return reachTab_->controls(); }
    QTabWidget& pages() const { return *pages_; }
    // The planner's budgets for the searches that follow (the program keeps the defaults).
    void SetPlanOptions(const planner::PlanOptions& options) { options_ = options; }
    // The budget of a row of the table of every form, at effort 1, for the rows not yet
    // known (the program keeps the planner's own).
    void SetReachOptions(const planner::PlanOptions& options);
    bool Searching() const { return search_->Running(); }
    // The plan shown, if any, and whether it answers the inputs as they are now.
    const planner::Plan* ShownPlan() const { return shown_ ? &shown_->plan : nullptr; }
    bool PlanIsCurrent() const;
    // Room for ten steps of the plan, and for a press's four slots on one line; the least
    // room is for five steps and every column.
    QSize sizeHint() const override;

    // What the buttons do.
    void Search();
    void StopSearch();
    // The last search's request again, with four times its work.
    void SearchMore();
    void SetSelectedPress();
    void CopyScript();

  protected:
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

  private:
    struct Shown {
        planner::PlanRequest request;
        planner::Plan plan;
        std::vector<PlanStep> steps;
        planner::SearchEnd end = planner::SearchEnd::Found;
    };
    // How the last search ended, for what it asked.
    struct Outcome {
        planner::PlanRequest request;
        planner::SearchEnd end = planner::SearchEnd::Found;
        bool planFound = false;
        planner::Reason reason;  // without a plan: why
    };

    void Connect();
    void ClassOrIdChanged();
    void ShowClassAndReach();
    const planner::FormReach* PickedReach() const;
    void FormPicked();
    void RowKnown(const ReachKey& key);
    void StartSearch(planner::PlanRequest request);
    void SearchEnded(planner::PlanResult result);
    void ShowSpent(const planner::PlanResult& result);
    void ShowPlan(planner::PlanResult& result);
    void OpenReachRow(bool newMag, const planner::ReachRow& row);
    void SetSearching(bool on);
    PlanPlace PlaceNow() const;
    bool DueIsSet(std::size_t step) const;
    bool OutcomeIsCurrent() const;
    bool MoreOffered() const;
    void MagChanged();
    void ShowPlanState();
    void ShowSetButton();
    void SelectStep(const PlanPlace& place);
    void ShowStatus(const QString& text, bool offerAgain = false);

    PlannerHost& host_;
    std::function<void()> onClosed_;
    QTabWidget* pages_;
    QWidget* planPage_;
    PlannerControls c_;
    planner::PlanOptions options_;
    std::vector<planner::FormReach> reach_;  // for the main window's class and ID
    bool searchWhenLevelKnown_ = false;      // 探す came while that level was being looked for
    planner::PlanRequest asked_;             // the running search's request
    std::optional<Shown> shown_;
    std::optional<Outcome> outcome_;
    BackgroundJob<planner::PlanResult>* search_;
    ReachRows* rows_;
    std::unique_ptr<DefaultLevel> level_;
    ReachTab* reachTab_ = nullptr;
};

}  // namespace toviran
