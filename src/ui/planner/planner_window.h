#pragma once
// The feed planner window ("えさプランナー"), a tool window owned by the main window. It
// searches, on a thread of its own, for the feeding with the fewest items from the main
// window's mag (or a new one) to a chosen form and level, with the main window's class
// and ID; shows the plan press by press; puts a press into the main window's controls;
// follows the player's presses; and copies the plan as a toviran-sim script.
#include <QWidget>
#include <functional>
#include <map>
#include <optional>
#include <tuple>
#include <vector>

#include "planner/plan.h"
#include "planner/reachability.h"
#include "ui/planner/background_job.h"
#include "ui/planner/planner_controls.h"

namespace toviran {

class frmMain;

// The lowest level at which the planner finds a form, for a class, ID and form.
struct LowestLevel {
    std::tuple<int, int, int> key;  // class, ID, form
    std::optional<int> level;
};

class PlannerWindow final : public QWidget {
    Q_OBJECT
  public:
    // Closing the window stops its search and calls `onClosed`; the window stays, hidden,
    // with its plan.
    PlannerWindow(frmMain& main, std::function<void()> onClosed);
    // Stops the searches and waits for them before the controls they report to go.
    ~PlannerWindow() override;

    const PlannerControls& controls() const { return c_; }
    // The planner's budgets for the searches that follow (the program keeps the defaults).
    void SetPlanOptions(const planner::PlanOptions& options) { options_ = options; }
    bool Searching() const { return search_->Running(); }
    // The plan shown, if any.
    const std::optional<planner::Plan>& ShownPlan() const { return plan_; }

    // What the buttons do.
    void Search();
    void StopSearch();
    void SetSelectedPress();
    void CopyScript();

  protected:
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

  private:
    void Connect();
    void ShowClassAndReach();
    void FormPicked();
    void LookForLowestLevel();
    void LowestLevelFound(const LowestLevel& found);
    void SearchEnded(planner::PlanResult result);
    void SetSearching(bool on);
    void Follow();
    void ShowStatus(const QString& text, bool offerAgain = false);

    frmMain& main_;
    std::function<void()> onClosed_;
    PlannerControls c_;
    planner::PlanOptions options_;
    std::vector<planner::FormReach> reach_;  // for the main window's class and ID
    // What was found for each class, ID and form, so that it is looked for once.
    std::map<std::tuple<int, int, int>, std::optional<int>> lowestLevels_;
    bool levelIsDefault_ = true;  // the level box holds the level this window chose
    planner::PlanRequest asked_;  // the running search's request
    std::optional<planner::PlanRequest> planRequest_;
    std::optional<planner::Plan> plan_;
    bool following_ = false;  // a press has been set: the player's presses are followed
    BackgroundJob<planner::PlanResult>* search_;
    BackgroundJob<LowestLevel>* lowestLevel_;
};

}  // namespace toviran
