#pragma once
// The planner's page of every form a mag can still become. It lists the 57 forms for the
// main window's mag or a new one, with the main window's class and ID, and fills in each
// row as its search ends, two at a time; the player may stop it and go on later. It
// follows the mag as the planner does: rows from a mag that has changed are worked out
// again. A row opens its plan on the planner's own page.
#include <QObject>
#include <functional>

#include "ui/planner/planner_host.h"
#include "ui/planner/reach_controls.h"
#include "ui/planner/reach_rows.h"

namespace toviran {

class ReachTab final : public QObject {
  public:
    // Asked to plan the row of a form from a new mag or the main window's.
    using OpenFn = std::function<void(bool newMag, const planner::ReachRow& row)>;

    ReachTab(QWidget& page, PlannerHost& host, ReachRows& rows, OpenFn open, QObject* parent);

    const ReachControls& controls() const { return c_; }
    // The page came into view: the rows the player wants are worked out.
    void Shown();
    // The window closed: nothing more is worked out until the page is seen again.
    void Hidden();
    // After the rows of the changed mag have been forgotten.
    void MagChanged();
    void ClassOrIdChanged();
    // The rows known have been forgotten: those wanted are worked out again.
    void Refresh();

    // What the buttons do.
    void Run();
    void Stop();
    void SearchMore();
    void OpenCurrent();

  private:
    void Connect();
    ReachKey KeyFor(int form) const;
    bool OnView() const;
    void AskAll();
    void RowKnown(const ReachKey& key);
    void ShowRow(int form);
    void ShowAll();
    void ShowCurrent();
    void ShowProgress();

    PlannerHost& host_;
    ReachRows& rows_;
    OpenFn open_;
    QWidget& page_;
    ReachControls c_;
    // The player wants the table filled: from the start until 中止, and again after 調べる.
    bool wanted_ = true;
};

}  // namespace toviran
