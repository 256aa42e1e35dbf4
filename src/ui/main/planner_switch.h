#pragma once
// The planner window as the main window switches it: the hidden check box chkPlanner holds
// the on/off state and the menu entry mnuPlanner follows it. The window is made on first
// use and kept while switched off, hidden with its plan; switching it off or closing it
// stops its search. It opens beside the main window each time, unless the player has put
// it somewhere else: that place is kept while the program runs.
#include <QObject>
#include <QPoint>
#include <QPointer>

namespace toviran {

class frmMain;
class MagDataWindows;
class PlannerWindow;

class PlannerSwitch final : public QObject {
  public:
    PlannerSwitch(frmMain& main, const MagDataWindows& magData, QObject* parent);

    // えさプランナーの表示: shows the window beside the main window, or closes it, as
    // chkPlanner says.
    void えさプランナーの表示();

    // The window if it has been made, else nullptr.
    PlannerWindow* Existing() const { return window_; }

  private:
    PlannerWindow& Window();
    void Place(PlannerWindow& window);
    bool MovedByPlayer(const PlannerWindow& window) const;

    frmMain& main_;
    const MagDataWindows& magData_;
    QPointer<PlannerWindow> window_;
    // Where the window was put, and the main window then. A drag of the main window moves
    // both; the player's own move of the planner moves it alone.
    QPoint placedAt_;
    QPoint mainAt_;
    bool playersPlace_ = false;
};

}  // namespace toviran
