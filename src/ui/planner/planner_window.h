#pragma once
// The feed planner window ("えさプランナー"), a tool window owned by the main window. It
// searches, on a thread of its own, for the feeding with the fewest items from the main
// window's mag (or a new one) to a chosen form and level, with the main window's class
// and ID; shows the plan step by step under what it answers; puts the step due next into
// the main window's feed inputs; follows the mag along the plan; and copies the plan as a
// toviran-sim script. It knows the main window only as a PlannerHost.
//
// From the keyboard: Enter in the level and stat boxes searches, Escape closes the window,
// each button has a mnemonic, and Tab passes through the plan's table in one step.
#include <QWidget>
#include <functional>
#include <map>
#include <optional>
#include <tuple>
#include <vector>

#include "planner/plan.h"
#include "planner/reachability.h"
#include "ui/planner/background_job.h"
#include "ui/planner/plan_follow.h"
#include "ui/planner/planner_controls.h"
#include "ui/planner/planner_host.h"

namespace toviran {

// The lowest level at which the planner finds a form, for a class, ID and form.
struct LowestLevel {
    std::tuple<int, int, int> key;  // class, ID, form
    std::optional<int> level;
};

class PlannerWindow final : public QWidget {
    Q_OBJECT
  public:
    // Closing the window stops its search and calls `onClosed`; the window stays, hidden,
    // with its plan. `owner` is the window it stays above.
    PlannerWindow(PlannerHost& host, QWidget& owner, std::function<void()> onClosed);
    // Stops the searches and waits for them before the controls they report to go.
    ~PlannerWindow() override;

    const PlannerControls& controls() const { return c_; }
    // The planner's budgets for the searches that follow (the program keeps the defaults).
    void SetPlanOptions(const planner::PlanOptions& options) { options_ = options; }
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
    void SetSelectedPress();
    void CopyScript();

  protected:
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

  private:
    struct Shown {
        planner::PlanRequest request;
        planner::Plan plan;
        std::vector<PlanStep> steps;
    };

    void Connect();
    void ClassOrIdChanged();
    void ShowClassAndReach();
    void FormPicked();
    void LookForLowestLevel();
    void LowestLevelFound(const LowestLevel& found);
    void ShowLevelNote(const QString& note);
    void SearchEnded(planner::PlanResult result);
    void ShowPlan(planner::PlanResult& result);
    void SetSearching(bool on);
    PlanPlace PlaceNow() const;
    bool DueIsSet(std::size_t step) const;
    void MagChanged();
    void ShowPlanState();
    void ShowSetButton();
    void SelectStep(const PlanPlace& place);
    void ShowStatus(const QString& text, bool offerAgain = false);

    PlannerHost& host_;
    std::function<void()> onClosed_;
    PlannerControls c_;
    planner::PlanOptions options_;
    std::vector<planner::FormReach> reach_;  // for the main window's class and ID
    // What was found for each class, ID and form, so that it is looked for once.
    std::map<std::tuple<int, int, int>, std::optional<int>> lowestLevels_;
    bool levelIsDefault_ = true;  // the level box holds the level this window chose
    planner::PlanRequest asked_;  // the running search's request
    std::optional<Shown> shown_;
    BackgroundJob<planner::PlanResult>* search_;
    BackgroundJob<LowestLevel>* lowestLevel_;
};

}  // namespace toviran
