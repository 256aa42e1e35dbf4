// The planner window through the main window's menu and its own controls, with the
// desktop services faked and small search budgets.
#include <QtTest>

#include "engine/mag_forms.h"
#include "planner/reachability.h"
#include "planner/replay.h"
#include "platform/fake_platform.h"
#include "ui/main/main_window.h"
#include "ui/main/side_windows.h"
#include "ui/planner/form_list.h"
#include "ui/planner/planner_window.h"

using namespace toviran;

namespace {

constexpr int kSearchMilliseconds = 20000;

struct PlannerFixture {
    PlannerFixture() : window(state, fakes.platform()) { window.show(); }
    const MainControls& c() const { return window.controls(); }
    PlannerWindow* Planner() const { return window.findChild<PlannerWindow*>(); }
    // Opens the planner from the menu, with budgets that end a search in well under a second.
    const PlannerControls& Open() {
        c().menu.mnuPlanner->trigger();
        planner::PlanOptions small;
        small.beamWidth = 256;
        small.proofNodes = 20000;
        Planner()->SetPlanOptions(small);
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

    FakePlatform fakes;
    MagState state;
    frmMain window;
};

}  // namespace

class PlannerTest : public QObject {
    Q_OBJECT
  private slots:
    void menuEntryOpensAndClosesTheWindowWithItsCheckMark() {
        PlannerFixture f;
        QAction* entry = f.c().menu.mnuPlanner;
        const QList<QAction*> view = f.c().menu.mnuView->actions();
        QCOMPARE(view.back(), entry);
        QVERIFY(view[view.size() - 2]->isSeparator());
        QCOMPARE(entry->text(), QStringLiteral("えさプランナー(&P)"));
        QVERIFY(entry->isCheckable());

        QApplication::setActiveWindow(&f.window);
        f.c().feedSlots[0].count->setFocus();
        QTest::keyClick(f.c().feedSlots[0].count, Qt::Key_P, Qt::ControlModifier);
        PlannerWindow* planner = f.Planner();
        QVERIFY(planner && planner->isVisible() && entry->isChecked());
        QCOMPARE(planner->windowTitle(), QStringLiteral("えさプランナー"));
        QCOMPARE(planner->parentWidget(), &f.window);
        QCOMPARE(planner->windowType(), Qt::Tool);

        planner->close();  // its close box clears the mark; the menu opens it again
        QVERIFY(!entry->isChecked() && !planner->isVisible());
        entry->trigger();
        QVERIFY(planner->isVisible() && entry->isChecked());
        const QPoint placed = planner->pos();
        entry->trigger();
        QVERIFY(!planner->isVisible());

        // Where the player puts it, it opens again, wherever the main window has gone.
        entry->trigger();
        QCOMPARE(planner->pos(), placed);
        const QPoint chosen = placed + QPoint(-25, 60);
        planner->move(chosen);
        planner->close();
        f.window.move(f.window.pos() + QPoint(40, 30));
        entry->trigger();
        QCOMPARE(planner->pos(), chosen);
    }

    // Beside the main window and off the side windows where the screen has room; on a
    // 1366x768 screen with the main window in the middle, shrunk into the room beside it.
    void opensWhereItCoversNoOtherWindow() {
        const QRect screen(0, 0, 1280, 1024);
        const QRect main(100, 50, 500, 300);
        const QRect data(600, 50, 300, 400);
        const QSize size(500, 400);
        const QSize least(400, 300);
        QCOMPARE(PlannerFrame(main, data, size, least, {}, screen), QRect(QPoint(600, 450), size));
        const std::vector<QRect> history{QRect(100, 350, 800, 200)};
        const QRect moved = PlannerFrame(main, data, size, least, history, screen);
        QVERIFY(!moved.intersects(history[0]) && !moved.intersects(main));
        QVERIFY(screen.contains(moved) && moved.size() == size);

        const QRect small(0, 0, 1366, 768);
        const QRect centred(438, 249, 490, 271);
        const QRect catalogue(928, 249, 306, 152);
        const QRect feedTable(928, 401, 306, 230);
        const QRect area = catalogue.united(feedTable);
        const QRect beside = PlannerFrame(centred, area, QSize(530, 540), least, {}, small);
        QVERIFY(small.contains(beside) && !beside.intersects(centred));
        QCOMPARE(beside.size(), QSize(438, 540));  // the room right of the main window
        const QRect clear =
            PlannerFrame(centred, area, QSize(420, 540), least, {catalogue, feedTable}, small);
        QVERIFY(small.contains(clear) && !clear.intersects(centred) && !clear.intersects(area));
        // No free room: over a side window rather than the main window.
        const QRect crowded(0, 0, 1000, 800);
        const QRect corner(0, 0, 490, 271);
        const std::vector<QRect> sides{QRect(490, 0, 306, 382), QRect(0, 271, 490, 200)};
        const QRect over =
            PlannerFrame(corner, sides[0], QSize(420, 540), QSize(400, 500), sides, crowded);
        QVERIFY(crowded.contains(over) && !over.intersects(corner));
    }

    void greyedFormsFollowTheClassAndId() {
        PlannerFixture f;
        const PlannerControls& p = f.Open();
        for (QRadioButton* cls : {f.c().optHun, f.c().optRan, f.c().optFor}) {
            for (QRadioButton* id : {f.c().optID0, f.c().optID1}) {
                cls->setChecked(true);
                id->setChecked(true);
                for (const planner::FormReach& r :
                     planner::ReachableForms(f.window.SelectedClass(), f.window.SelectedParity()))
                    QCOMPARE(FormGreyed(*p.cmbForm, r.form), !r.reachable);
            }
        }
    }

    // Each press set into the main window and fed there gives the row's predicted mag.
    void plannedPressesFedOneByOneReachTheTarget() {
        PlannerFixture f;
        const PlannerControls& p = f.Open();
        p.optFromNew->setChecked(true);
        f.Ask("マルト", 35, {6, 0, 20, 9});
        p.cmdSearch->click();
        QVERIFY(f.SearchEnds());
        const planner::Plan plan = f.Planner()->ShownPlan().value();
        QCOMPARE(p.table->rowCount(), static_cast<int>(plan.presses.size()));
        QCOMPARE(p.progress->value(), p.progress->maximum());
        for (std::size_t i = 0; i < plan.presses.size(); ++i) {
            QCOMPARE(p.table->currentRow(), static_cast<int>(i));
            p.cmdSet->click();
            f.c().cmdTake->click();
            QCoreApplication::processEvents();  // the window hears of the change
            QVERIFY(CoreOf(f.state) == plan.presses[i].after);
        }
        QCOMPARE(f.state.MagName, std::string("マルト"));
        QCOMPARE(static_cast<int>(f.state.Level), 35);
        QVERIFY(f.fakes.messages.shown.empty());

        p.cmdCopy->click();
        for (const std::string& line : planner::ScriptLines(plan))
            QVERIFY(f.fakes.clipboard.text.find(line + "\n") != std::string::npos);
    }

    void aMagOffThePlanIsToldAndCanBePlannedAgain() {
        PlannerFixture f;
        const PlannerControls& p = f.Open();
        f.Ask("ルドラ", 35);
        p.cmdSearch->click();
        QVERIFY(f.SearchEnds());
        p.cmdSet->click();
        f.c().optKazu->setChecked(true);  // one item instead of the press
        f.c().feedSlots[1].check->setChecked(false);
        f.c().feedSlots[0].count->setText(QStringLiteral("1"));
        f.c().cmdTake->click();
        QCoreApplication::processEvents();
        QVERIFY(p.cmdAgain->isVisible());
        p.cmdAgain->click();
        QVERIFY(f.SearchEnds());
        QVERIFY(p.optFromCurrent->isChecked() && !p.cmdAgain->isVisible());
        QCOMPARE(f.Planner()->ShownPlan()->final.level, 35);
    }

    void stoppingOrClosingEndsTheSearchAndTheWindowStaysUsable() {
        PlannerFixture f;
        const PlannerControls& p = f.Open();
        f.Planner()->SetPlanOptions({});  // the program's own budgets: a long search
        f.Ask("カバンダ", 100, {5, 30, 15, 50});
        p.cmdSearch->click();
        p.cmdSearch->click();  // a second press starts it again
        QVERIFY(f.Planner()->Searching() && p.cmdStop->isEnabled());
        p.cmdStop->click();
        QVERIFY(!f.Planner()->Searching() && !p.cmdStop->isEnabled());

        p.cmdSearch->click();
        f.Planner()->close();
        QVERIFY(!f.Planner()->Searching());
        QTest::qWait(50);  // a stopped search's end changes nothing
        QVERIFY(!f.Planner()->ShownPlan() && f.fakes.messages.shown.empty());

        f.Open();
        f.Ask("ルドラ", 35);
        p.cmdSearch->click();
        QVERIFY(f.SearchEnds() && f.Planner()->ShownPlan());
    }
};

QTEST_MAIN(PlannerTest)
#include "test_planner.moc"
