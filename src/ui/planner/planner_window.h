#pragma once
// The feed planner window ("えさプランナー"), a tool window owned by the main window. It
// searches, on a thread of its own, for the feeding with the fewest items from the main
// window's mag (or a new one) to a chosen form and level, with the main window's class
// and ID; shows the plan step by step under what it answers; puts a press into the main
// window's feed inputs; follows the mag along the plan; and copies the plan as a
// toviran-sim script. It knows the main window only by its small face: the mag, the class
// and ID, their change signals, the feed inputs and the new-mag command.
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
    // The plan shown, if any, and whether it answers the inputs as they are now.
    const planner::Plan* ShownPlan() const { return shown_ ? &shown_->plan : nullptr; }
    bool PlanIsCurrent() const;
    // Room for the plan's table where the screen has it; narrower beside the main window
    // on a small screen, down to the controls' own width.
    QSize sizeHint() const override;

    // What the buttons do.
    void Search();
    void StopSearch();
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
    };

    void Connect();
    void ClassOrIdChanged();
    void ShowClassAndReach();
    void FormPicked();
    void LookForLowestLevel();
    void LowestLevelFound(const LowestLevel& found);
    void SearchEnded(planner::PlanResult result);
    void ShowPlan(planner::PlanResult& result);
    void SetSearching(bool on);
    PlanPlace PlaceNow() const;
    bool DueIsSet(std::size_t step) const;
    void MagChanged();
    void ShowPlanState();
    void SelectStep(const PlanPlace& place);
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
    std::optional<Shown> shown_;
    // The step この回をセット put into the main window, while the mag has not moved on.
    std::optional<std::size_t> setStep_;
    BackgroundJob<planner::PlanResult>* search_;
    BackgroundJob<LowestLevel>* lowestLevel_;
};

}  // namespace toviran
