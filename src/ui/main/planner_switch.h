#pragma once
// The planner window as the main window switches it: the hidden check box chkPlanner holds
// the on/off state and the menu entry mnuPlanner follows it. The window is made on first
// use and kept while switched off, hidden with its plan; switching it off or closing it
// stops its search. It opens beside the main window each time, unless the player has put
// it somewhere else: that place is kept while the program runs. A mag data window or the
// history window that opens over it later moves it out of the way, where the screen has room.
#include <QObject>
#include <QPoint>
#include <QPointer>
#include <QRect>
#include <vector>

namespace toviran {

class frmMain;
class FrameWait;
class MagDataWindows;
class PlannerWindow;

class PlannerSwitch final : public QObject {
  public:
    PlannerSwitch(frmMain& main, MagDataWindows& magData, QObject* parent);

    // えさプランナーの表示: shows the window beside the main window, or closes it, as
    // chkPlanner says.
    void えさプランナーの表示();

    // The window if it has been made, else nullptr.
    PlannerWindow* Existing() const { return window_; }

  private:
    PlannerWindow& Window();
    std::vector<QRect> OpenSideFrames() const;
    void Place(PlannerWindow& window);
    void MakeWay();
    bool MovedByPlayer(const PlannerWindow& window) const;

    frmMain& main_;
    const MagDataWindows& magData_;
    QPointer<PlannerWindow> window_;
    FrameWait* frameWait_;  // places the window again once the window manager has framed it
    // Where the window was put, and the main window then. A drag of the main window moves
    // both; the player's own move of the planner moves it alone.
    QPoint placedAt_;
    QPoint mainAt_;
    bool playersPlace_ = false;
};

}  // namespace toviran
