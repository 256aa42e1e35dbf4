#pragma once
// The planner's default level for the form picked: the lowest level at which the start
// chosen can be that form, as the table of every form knows it. The level box is empty
// while the row is worked out and stays empty when there is no level with a plan, the form
// note saying why. The box holds the default only until the player types another level or
// searches; after that the mag may change along the plan without the level changing.
#include <QString>
#include <optional>

#include "planner/reachability.h"
#include "ui/planner/planner_controls.h"
#include "ui/planner/planner_host.h"
#include "ui/planner/reach_rows.h"

namespace toviran {

class DefaultLevel {
  public:
    // `window` is the planner window, which looks only while it is open.
    DefaultLevel(const PlannerControls& c, const PlannerHost& host, ReachRows& rows,
                 const QWidget& window);

    // A form picked, with its entry of the evolution tables (none for any form, which
    // keeps the level typed).
    void Pick(const planner::FormReach* reach);
    // The level box holds the default, or is empty waiting for it.
    bool Holds() const;
    // The default is being worked out.
    bool Looking() const;
    // The window opened: the level of the form picked is looked for, if it was not.
    void LookWhenShown(const planner::FormReach* reach);
    // A row came: true when it was the one looked for, and the box shows its level.
    bool Take(const ReachKey& key);
    // The player typed a level or closed the window: nothing more is looked for.
    void StopLooking();
    // The player searched: the level is the player's now.
    void Release();

  private:
    ReachKey Key() const;
    void Look();
    void Show(const QString& level);
    void ShowRow(const planner::ReachRow& row);
    void ShowNote(const QString& note);

    const PlannerControls& c_;
    const PlannerHost& host_;
    ReachRows& rows_;
    const QWidget& window_;
    // The level this window put into the box (empty while it looks for one).
    std::optional<QString> level_;
};

}  // namespace toviran
