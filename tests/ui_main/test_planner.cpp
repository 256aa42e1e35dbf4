// The planner window through the main window's menu and its own controls, with the
// desktop services faked and small search budgets.
#include <QHeaderView>
#include <QScrollBar>
#include <QtTest>

#include "engine/mag_forms.h"
#include "plan_script/plan_script.h"
#include "planner/planner.h"
#include "planner/reachability.h"
#include "planner_fixture.h"
#include "ui/main/side_windows.h"
#include "ui/planner/form_list.h"
#include "ui/planner/plan_table.h"
#include "ui/planner/plan_text.h"
#include "wording/reach_text.h"
#include "wording/reason_text.h"

using namespace toviran;

namespace {

using testing::PlannerFixture;

// The main window's feed inputs are those of the press.
void ExpectInputs(const FeedRequest& shown, const FeedRequest& press) {
    QCOMPARE(shown.mode, press.mode);
    QCOMPARE(shown.characterClass, press.characterClass);
    QCOMPARE(shown.parity, press.parity);
    for (std::size_t k = 0; k < shown.feedSlots.size(); ++k) {
        QCOMPARE(shown.feedSlots[k].enabled, press.feedSlots[k].enabled);
        if (!press.feedSlots[k].enabled) continue;
        QCOMPARE(shown.feedSlots[k].item, press.feedSlots[k].item);
        QCOMPARE(shown.feedSlots[k].countText, press.feedSlots[k].countText);
    }
}

// Mags told apart by their level alone.
MagCore AtLevel(int level) {
    MagCore m;
    m.level = static_cast<std::int16_t>(level);
    return m;
}

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
        QCOMPARE(entry->text(), QStringLiteral("えさプランナー(&L)"));
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

    // A plan from a new mag carried out in the main window: each press set and fed gives
    // its row's mag, and whatever changes the mag (feeding, undo, a new mag) puts the window
    // where the mag stands, before the first row, in the middle, at the end and after it.
    void followsTheMagThroughUndoNewMagAndTheEnd() {
        PlannerFixture f;
        const PlannerControls& p = f.Open();
        f.Feed("3");  // no longer a new mag
        const MagCore fed = CoreOf(f.state);
        p.optFromNew->setChecked(true);
        f.Ask("マルト", 35, {8, 5, 15, 7});
        p.cmdSearch->click();
        QVERIFY(f.SearchEnds());
        const planner::Plan plan = *f.Planner()->ShownPlan();
        const auto press = [&plan](std::size_t i) {
            return planner::FeedRequestFor(plan.presses[i], CharacterClass::HU,
                                           SectionIdParity::Even);
        };
        QVERIFY(plan.presses.size() >= 2);
        QCOMPARE(p.table->StepCount(), plan.presses.size());
        QVERIFY(p.progress->value() > 0 && p.progress->value() < p.progress->maximum());
        QVERIFY(p.cmdAgain->isVisible());

        // The first row offers the new mag the plan starts from; Cancel changes nothing.
        f.fakes.messages.answers = {false};
        p.cmdSet->click();
        QCOMPARE(f.fakes.messages.shown.back().buttons, MessageButtons::OkCancel);
        QCOMPARE(f.fakes.messages.over.back(), f.Planner());
        QVERIFY(CoreOf(f.state) == fed);
        p.cmdSet->click();  // OK: made as 新規作成 makes it
        QVERIFY(SameMag(CoreOf(f.state), CoreOf(MagState{})) && f.state.UndoEnabled);
        ExpectInputs(f.window.CurrentFeedRequest(), press(0));
        QCOMPARE(f.slot(0).item->lineEdit()->cursorPosition(), 0);
        PlannerFixture::Press(f.c().cmdTake);
        QVERIFY(CoreOf(f.state) == plan.presses[0].after);
        QCOMPARE(p.table->SelectedStep(), std::size_t{1});
        QVERIFY(f.Status().contains(QStringLiteral("2回目")));

        // Undo back to the start: the first row again, set with no question.
        PlannerFixture::Press(f.c().cmdUndo);
        QCOMPARE(p.table->SelectedStep(), std::size_t{0});
        p.cmdSet->click();
        QVERIFY(f.Status().startsWith(QStringLiteral("1回目がメイン画面に入っています")));
        for (std::size_t i = 0; i < plan.presses.size(); ++i) {
            QCOMPARE(p.table->SelectedStep(), i);
            p.cmdSet->click();
            ExpectInputs(f.window.CurrentFeedRequest(), press(i));
            PlannerFixture::Press(f.c().cmdTake);
            QVERIFY(CoreOf(f.state) == plan.presses[i].after);
        }
        const QString done = QStringLiteral("プランどおり、マルト Lv35 になりました。");
        QCOMPARE(f.Status(), done);

        // Finished, then undone into the plan, fed to the end and beyond, and undone again.
        const std::size_t last = plan.presses.size() - 1;
        PlannerFixture::Press(f.c().cmdUndo);
        QCOMPARE(p.table->SelectedStep(), last);
        QVERIFY(f.Status().contains(QStringLiteral("%1回目").arg(last + 1)));
        p.cmdSet->click();
        PlannerFixture::Press(f.c().cmdTake);
        QCOMPARE(f.Status(), done);
        FeedRequest one;
        one.feedSlots[0] = {"トリメイト", "1", true};
        f.window.SetFeedInputs(one);
        PlannerFixture::Press(f.c().cmdTake);
        QVERIFY(p.cmdAgain->isVisible());
        PlannerFixture::Press(f.c().cmdUndo);
        QCOMPARE(f.Status(), done);
        QVERIFY(!p.cmdAgain->isVisible());

        // A new mag is this plan's start.
        f.c().menu.mnuNew->trigger();
        QCoreApplication::processEvents();
        QCOMPARE(p.table->SelectedStep(), std::size_t{0});
        QVERIFY(!p.cmdAgain->isVisible());
        QCOMPARE(f.fakes.messages.shown.size(), std::size_t{2});

        p.cmdCopy->click();
        for (const std::string& line : sim::PlanScriptLines(plan))
            QVERIFY(f.fakes.clipboard.text.find(line + "\n") != std::string::npos);
    }

    // A plan belongs to what it was asked for: greyed and not to be set while a search
    // runs, after a failed one, with other inputs or another class, and usable again when
    // the inputs ask for it once more. Messages come over the planner, the reason alone.
    void aPlanIsUsableOnlyWhileItAnswersTheInputs() {
        PlannerFixture f;
        const PlannerControls& p = f.Open();
        f.Ask("ルドラ", 35);
        p.cmdSearch->click();
        QVERIFY(f.SearchEnds() && p.cmdSet->isEnabled() && p.table->isEnabled());
        QCOMPARE(
            p.lblRequest->accessibleName(),
            QStringLiteral("このプランの条件：ルドラ Lv35、HU・偶数ID、今のマグ（マグ Lv5）から"));

        f.Ask("ルドラ", 35, {4, 20, 6, 5});
        QVERIFY(!p.cmdSet->isEnabled() && !p.table->isEnabled());
        p.cmdSearch->click();
        QVERIFY(f.Planner()->Searching() && !p.cmdSet->isEnabled());
        QVERIFY(f.SearchEnds());
        planner::PlanRequest asked;
        asked.target = {MagFormIndex("ルドラ"), 35, planner::Target::Exactly({4, 20, 6, 5})};
        QCOMPARE(f.fakes.messages.shown.size(), std::size_t{1});
        QCOMPARE(f.fakes.messages.shown.back().text,
                 wording::ReasonText(planner::FindPlan(asked).reason));
        QCOMPARE(f.fakes.messages.over.back(), f.Planner());
        QVERIFY(!p.cmdSet->isEnabled() && !p.cmdCopy->isEnabled());
        QCOMPARE(f.Planner()->ShownPlan()->final.level, 35);

        f.Ask("ルドラ", 35);
        QVERIFY(p.cmdSet->isEnabled() && p.table->isEnabled());
        p.cmdSearch->click();  // the same request: greyed until it is answered or stopped
        QVERIFY(!p.cmdSet->isEnabled());
        p.cmdStop->click();
        QVERIFY(p.cmdSet->isEnabled());

        // Another class: the plan is greyed, and the form, which RA cannot reach, says why.
        f.c().optRan->setChecked(true);
        QVERIFY(!p.cmdSet->isEnabled() && f.Status().contains(QStringLiteral("HU・偶数ID")));
        QVERIFY(p.lblFormNote->isVisible());
        const auto ra = planner::ReachableForms(CharacterClass::RA, SectionIdParity::Even);
        QCOMPARE(p.lblFormNote->accessibleName(),
                 QString::fromStdString(wording::ReachText(
                     ra[MagFormIndex("ルドラ")], CharacterClass::RA, SectionIdParity::Even)));
        f.c().optHun->setChecked(true);
        QVERIFY(p.cmdSet->isEnabled() && !p.lblFormNote->isVisible());
    }

    // The special item may come between presses: a row of its own, which the mag passes
    // by its new name; the feed table a mag last used plays no part.
    void theSpecialItemHasARowOfItsOwnAnywhere() {
        planner::Plan plan;
        for (int level : {100, 150}) {
            planner::Press press;
            press.feedSlots = {{10, 50}};
            press.after = AtLevel(level);
            plan.presses.push_back(press);
        }
        plan.specialItem = 3;  // ピアンの心
        plan.specialAfter = 1;
        plan.final = AtLevel(150);
        plan.final.form = static_cast<std::int8_t>(MagFormIndex("ピアン"));
        plan.final.rare = true;
        plan.presses[1].after = plan.final;
        plan.items = 100;
        plan.lowerBound = 96;
        const MagCore start = AtLevel(5);
        const std::vector<PlanStep> steps = PlanSteps(plan, start);
        QCOMPARE(steps.size(), std::size_t{3});
        QCOMPARE(steps[1].kind, PlanStep::Kind::SpecialItem);
        MagCore rare = AtLevel(100);
        rare.form = plan.final.form;
        rare.rare = true;
        rare.feedTableNo = 8;
        const auto at = [&](const MagCore& now) { return PlaceOnPlan(steps, start, now); };
        QCOMPARE(at(start), (PlanPlace{PlanPlace::Kind::Step, 0}));
        QCOMPARE(at(AtLevel(100)), (PlanPlace{PlanPlace::Kind::Step, 1}));
        QCOMPARE(at(rare), (PlanPlace{PlanPlace::Kind::Step, 2}));
        QCOMPARE(at(plan.final), (PlanPlace{PlanPlace::Kind::Done, 0}));
        QCOMPARE(at(AtLevel(120)), PlanPlace{});

        PlanTable table;
        table.ShowPlan(plan, steps);
        QCOMPARE(table.StepCount(), std::size_t{3});
        QCOMPARE(table.item(PlanTable::ItemsRow(1), 0)->text(),
                 QStringLiteral("レアマグ進化「ピアンの心」"));
        QCOMPARE(table.item(PlanTable::MagRow(1), 0)->text(), QStringLiteral("ピアン"));
        QCOMPARE(table.item(PlanTable::MagRow(1), 1)->text(), QStringLiteral("100"));
        QCOMPARE(table.verticalHeaderItem(PlanTable::ItemsRow(1))->text(), QStringLiteral("特"));
        const std::string summary = PlanSummaryText(plan);
        QVERIFY(summary.find("1回目のあとで「ピアンの心」を使います") != std::string::npos);
        QVERIFY(summary.find("96個以上") != std::string::npos);
        plan.lowerBound = plan.items;
        QVERIFY(PlanSummaryText(plan).find("これより少ない与え方はありません") !=
                std::string::npos);
    }

    // Every column stays in view at the table's least width, with the scroll bar a long
    // plan brings, however wide the table was before: the items rows, which span every
    // column, are packed into what the columns leave them.
    void everyColumnFitsTheLeastWidth() {
        planner::Plan plan;
        for (int i = 0; i < 12; ++i) {
            planner::Press press;
            for (int slot = 0; slot < 4; ++slot) press.feedSlots.push_back({10, 100});
            press.after = AtLevel(10 + i);
            press.after.form = static_cast<std::int8_t>(MagFormIndex("マスターシステム"));
            plan.presses.push_back(press);
        }
        plan.final = plan.presses.back().after;
        PlanTable table;
        table.ShowPlan(plan, PlanSteps(plan, AtLevel(5)));
        table.show();
        const QSize least = table.minimumSizeHint();
        for (const int width : {least.width(), 2 * least.width(), least.width()}) {
            table.resize(width, least.height());
            QCoreApplication::processEvents();
            QVERIFY(table.verticalScrollBar()->isVisible());
            QVERIFY(table.horizontalHeader()->length() <= table.viewport()->width());
        }
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
        QVERIFY(f.Planner()->Searching() && p.cmdStop->isEnabled() && !p.cmdSearch->isEnabled());
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
