#pragma once
// The real main window with its planner window, opened from the menu, with the desktop
// services faked and small search budgets.
#include <QtTest>
#include <array>

#include "engine/mag_forms.h"
#include "main_window_fixture.h"
#include "planner/planner.h"
#include "planner/reach_table.h"
#include "planner/replay.h"
#include "platform/phrases.h"
#include "ui/planner/planner_window.h"

namespace toviran::testing {

inline constexpr int kSearchMilliseconds = 20000;

struct PlannerFixture : MainWindowFixture {
    PlannerWindow* Planner() const { return window.findChild<PlannerWindow*>(); }
    // Budgets that end a search in well under a second, bounded by work alone.
    static planner::PlanOptions Small() {
        planner::PlanOptions small;
        small.beamWidth = 256;
        small.work = 2'000'000;
        small.timeLimit = std::chrono::milliseconds{0};
        return small;
    }
    // A row of the table of every form in a fraction of a second: most forms stay unsettled.
    static planner::PlanOptions SmallReach() {
        planner::PlanOptions small = planner::ReachRequest::ReachOptions();
        small.work = 30'000;
        small.timeLimit = std::chrono::milliseconds{0};
        return small;
    }
    // Opens the planner from the menu, with small budgets.
    const PlannerControls& Open() {
        c().menu.mnuPlanner->trigger();
        Planner()->SetPlanOptions(Small());
        Planner()->SetReachOptions(SmallReach());
        return Planner()->controls();
    }
    // Asks for `form` at `level`, with the stat levels given.
    void Ask(const char* form, int level, std::array<int, 4> build = {-1, -1, -1, -1}) {
        const PlannerControls& p = Planner()->controls();
        p.cmbForm->setCurrentIndex(MagFormIndex(form));
        p.txtLevel->setText(QString::number(level));
        for (std::size_t k = 0; k < 4; ++k)
            p.txtBuild[k]->setText(build[k] < 0 ? QString() : QString::number(build[k]));
    }
    bool SearchEnds() const {
        return QTest::qWaitFor([this] { return !Planner()->Searching(); }, kSearchMilliseconds);
    }
    // A button of the main window, and the window hearing of the mag's change after it.
    static void Press(QAbstractButton* button) {
        button->click();
        QCoreApplication::processEvents();
    }
    // The status line as it reads, without the marks that keep its words whole.
    QString Status() const { return WithoutJoiners(Planner()->controls().lblStatus->text()); }
};

}  // namespace toviran::testing
