// The planner window from the keyboard, and the buttons that start, stop and use a search:
// real key presses on the focused control, real clicks, the desktop services faked.
#include <QtTest>

#include "planner_fixture.h"
#include "ui/planner/plan_follow.h"

using namespace toviran;
using testing::PlannerFixture;

namespace {

QWidget* Focused() {
    return QApplication::focusWidget();
}

void Key(int key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
    QTest::keyClick(Focused(), static_cast<Qt::Key>(key), modifiers);
}

// A click on the step's lower row, the mag after it.
void ClickStep(PlanTable& table, std::size_t step) {
    const QModelIndex cell = table.model()->index(PlanTable::MagRow(step), 1);
    QTest::mouseClick(table.viewport(), Qt::LeftButton, {}, table.visualRect(cell).center());
}

bool StepSelected(const PlanTable& table, std::size_t step) {
    const QItemSelectionModel& selection = *table.selectionModel();
    return selection.isRowSelected(PlanTable::ItemsRow(step)) &&
           selection.isRowSelected(PlanTable::MagRow(step)) && selection.selectedRows().size() == 2;
}

// A plan from a new mag with several presses, shown in an active planner window.
struct PlanShown : PlannerFixture {
    PlanShown() {
        p = &Open();
        p->optFromNew->setChecked(true);
        Ask("マルト", 35, {8, 5, 15, 7});
        p->cmdSearch->click();
        ok = SearchEnds() && Planner()->ShownPlan() != nullptr;
        QApplication::setActiveWindow(Planner());
    }
    const PlannerControls* p = nullptr;
    bool ok = false;
};

FeedRequest OneTrimate() {
    FeedRequest one;
    one.feedSlots[0] = {"トリメイト", "1", true};
    return one;
}

bool SameInputs(const FeedRequest& a, const FeedRequest& b) {
    return InputsHold(a, b) && InputsHold(b, a);
}

}  // namespace

class PlannerKeysTest : public QObject {
    Q_OBJECT
  private slots:
    // Tab passes the table in one step and reaches every button; the selection stays.
    void tabEntersTheTableOnceAndLeavesIt() {
        PlanShown f;
        QVERIFY(f.ok);
        const PlannerControls& p = *f.p;
        const auto selected = p.table->SelectedStep();
        p.cmdSearch->setFocus();
        std::vector<QWidget*> visited;
        for (int press = 0; press < 40 && (visited.empty() || Focused() != p.cmdSearch); ++press) {
            Key(Qt::Key_Tab);
            visited.push_back(Focused());
        }
        QCOMPARE(Focused(), p.cmdSearch);  // round the whole window and back
        QCOMPARE(std::count(visited.begin(), visited.end(), p.table), 1);
        const auto at = [&visited](QWidget* w) {
            return std::find(visited.begin(), visited.end(), w) - visited.begin();
        };
        QCOMPARE(at(p.cmdSet), at(p.table) + 1);
        QCOMPARE(at(p.cmdCopy), at(p.cmdSet) + 1);
        QCOMPARE(p.table->SelectedStep(), selected);

        // Backwards as well, and Ctrl+Tab leaves the table too.
        p.cmdSet->setFocus();
        Key(Qt::Key_Backtab, Qt::ShiftModifier);
        QCOMPARE(Focused(), p.table);
        Key(Qt::Key_Backtab, Qt::ShiftModifier);
        QVERIFY(Focused() != p.table);
        p.table->setFocus();
        Key(Qt::Key_Tab, Qt::ControlModifier);
        QVERIFY(Focused() != p.table);
        QCOMPARE(p.table->SelectedStep(), selected);
    }

    // The arrow keys choose a step (both its rows), as a click on either row does.
    void arrowKeysAndClicksChooseWholeSteps() {
        PlanShown f;
        QVERIFY(f.ok);
        const PlannerControls& p = *f.p;
        const std::size_t steps = p.table->StepCount();
        QVERIFY(steps >= 2);
        p.table->setFocus();
        QCOMPARE(p.table->SelectedStep(), std::size_t{0});
        for (std::size_t step = 1; step < steps; ++step) {
            Key(Qt::Key_Down);
            QCOMPARE(p.table->SelectedStep(), step);
            QVERIFY(StepSelected(*p.table, step));
        }
        Key(Qt::Key_Down);  // the last step stays
        QCOMPARE(p.table->SelectedStep(), steps - 1);
        Key(Qt::Key_Home);
        QVERIFY(StepSelected(*p.table, 0));
        Key(Qt::Key_End);
        QVERIFY(StepSelected(*p.table, steps - 1));
        Key(Qt::Key_Up);
        QVERIFY(StepSelected(*p.table, steps - 2));
        ClickStep(*p.table, 0);
        QVERIFY(StepSelected(*p.table, 0));
    }

    // Enter in the level and stat boxes searches; a search runs to its end or its stop,
    // with 探す and Enter doing nothing meanwhile.
    void enterSearchesAndNothingRestartsASearch() {
        PlannerFixture f;
        const PlannerControls& p = f.Open();
        QApplication::setActiveWindow(f.Planner());
        f.Ask("ルドラ", 35);
        p.txtLevel->setFocus();
        Key(Qt::Key_Return);
        QVERIFY(f.Planner()->Searching() && !p.cmdSearch->isEnabled());
        QVERIFY(f.SearchEnds() && f.Planner()->ShownPlan());
        p.txtBuild[2]->setFocus();
        Key(Qt::Key_Enter);
        QVERIFY(f.Planner()->Searching());
        QVERIFY(f.SearchEnds());

        // Each button has a letter of its own (the test platform delivers no Alt keys).
        QSet<QKeySequence> letters;
        for (QPushButton* button : {p.cmdSearch, p.cmdStop, p.cmdSet, p.cmdCopy, p.cmdAgain}) {
            QVERIFY(!button->shortcut().isEmpty());
            letters.insert(button->shortcut());
        }
        QCOMPARE(letters.size(), 5);
        f.Planner()->SetPlanOptions({});  // the program's own budgets: a long search
        f.Ask("カバンダ", 100, {5, 30, 15, 50});
        p.txtLevel->setFocus();
        Key(Qt::Key_Return);
        QVERIFY(f.Planner()->Searching());
        QTest::mouseClick(p.cmdSearch, Qt::LeftButton);
        Key(Qt::Key_Return);
        QVERIFY(f.Status().startsWith(QStringLiteral("探しています")));
        p.cmdStop->click();
        QVERIFY(!f.Planner()->Searching());
    }

    // The focus goes with the buttons: from 探す to 中止 and back.
    void theFocusFollowsTheSearchButtons() {
        PlannerFixture f;
        const PlannerControls& p = f.Open();
        QApplication::setActiveWindow(f.Planner());
        f.Planner()->SetPlanOptions({});
        f.Ask("カバンダ", 100, {5, 30, 15, 50});
        p.cmdSearch->setFocus();
        Key(Qt::Key_Space);
        QCOMPARE(Focused(), p.cmdStop);
        Key(Qt::Key_Space);
        QCOMPARE(Focused(), p.cmdSearch);
        QVERIFY(!f.Planner()->Searching());
    }

    // Stopped, the window says so until the player does something else.
    void aStoppedSearchSaysSoUntilTheNextAction() {
        PlannerFixture f;
        const PlannerControls& p = f.Open();
        f.Planner()->SetPlanOptions({});
        f.Ask("カバンダ", 100, {5, 30, 15, 50});
        QTest::mouseClick(p.cmdSearch, Qt::LeftButton);
        QTest::mouseClick(p.cmdStop, Qt::LeftButton);
        const QString stopped = QStringLiteral("探すのを中止しました。");
        QCOMPARE(f.Status(), stopped);
        QTest::qWait(100);  // the stopped search's end changes nothing
        QCOMPARE(f.Status(), stopped);
        QVERIFY(p.cmdSearch->isEnabled() && !p.cmdStop->isEnabled());

        // With a plan shown, its state comes back with the next change of the inputs.
        f.Planner()->SetPlanOptions(PlannerFixture::Small());
        f.Ask("ルドラ", 35);
        QTest::mouseClick(p.cmdSearch, Qt::LeftButton);
        QVERIFY(f.SearchEnds());
        f.Planner()->SetPlanOptions({});
        f.Ask("カバンダ", 100, {5, 30, 15, 50});
        QTest::mouseClick(p.cmdSearch, Qt::LeftButton);
        QTest::mouseClick(p.cmdStop, Qt::LeftButton);
        QCOMPARE(f.Status(), stopped);
        f.Ask("ルドラ", 35);
        QVERIFY(f.Status() != stopped && p.cmdSet->isEnabled());
    }

    // Escape closes the window and stops its search; an open list takes it first.
    void escapeClosesTheWindow() {
        PlannerFixture f;
        const PlannerControls& p = f.Open();
        QApplication::setActiveWindow(f.Planner());
        p.cmbForm->setFocus();
        p.cmbForm->showPopup();
        QTRY_VERIFY(p.cmbForm->view()->isVisible());
        QTest::keyClick(p.cmbForm->view(), Qt::Key_Escape);
        QTRY_VERIFY(!p.cmbForm->view()->isVisible());
        QVERIFY(f.Planner()->isVisible());

        f.Planner()->SetPlanOptions({});
        f.Ask("カバンダ", 100, {5, 30, 15, 50});
        p.txtBuild[0]->setFocus();
        Key(Qt::Key_Return);
        QVERIFY(f.Planner()->Searching());
        Key(Qt::Key_Escape);
        QVERIFY(!f.Planner()->isVisible() && !f.Planner()->Searching());
        QVERIFY(!f.c().menu.mnuPlanner->isChecked());
    }

    // The view menu's entries each have a letter of their own.
    void theViewMenuOpensEachWindowByItsLetter() {
        PlannerFixture f;
        QApplication::setActiveWindow(&f.window);
        f.slot(0).count->setFocus();
        Key(Qt::Key_V, Qt::AltModifier);
        QTRY_VERIFY(QApplication::activePopupWidget() != nullptr);
        QTest::keyClick(QApplication::activePopupWidget(), Qt::Key_L);
        QTRY_VERIFY(f.Planner() != nullptr && f.Planner()->isVisible());

        QApplication::setActiveWindow(&f.window);
        f.slot(0).count->setFocus();
        Key(Qt::Key_V, Qt::AltModifier);
        QTRY_VERIFY(QApplication::activePopupWidget() != nullptr);
        QTest::keyClick(QApplication::activePopupWidget(), Qt::Key_P);
        QTRY_VERIFY(QApplication::activeModalWidget() != nullptr);
        QCOMPARE(QApplication::activeModalWidget()->objectName(), QStringLiteral("frmParameter"));
        QApplication::activeModalWidget()->close();
    }

    // この回をセット puts a press into the main window only where feeding it gives the
    // table's row: each step's press while the mag stands before it, and for a plan from
    // a new mag the first press after asking, wherever the mag is. Otherwise the button
    // is greyed and says why. Tried at every place along the plan and after it, and off it.
    void setPutsInOnlyThePressThatFits() {
        PlanShown f;
        QVERIFY(f.ok);
        const PlannerControls& p = *f.p;
        const planner::Plan plan = *f.Planner()->ShownPlan();
        const std::vector<PlanStep> steps = PlanSteps(plan, CoreOf(MagState{}));
        const auto press = [&plan](std::size_t i) {
            return planner::FeedRequestFor(plan.presses[i], CharacterClass::HU,
                                           SectionIdParity::Even);
        };
        // Stage k: a new mag fed the first k presses; stage n + 1: a mag off the plan.
        for (std::size_t stage = 0; stage <= steps.size() + 1; ++stage) {
            f.c().menu.mnuNew->trigger();
            if (stage > steps.size()) {
                f.window.SetFeedInputs(OneTrimate());
                PlannerFixture::Press(f.c().cmdTake);
            }
            for (std::size_t i = 0; i < std::min(stage, steps.size()); ++i) {
                f.window.SetFeedInputs(press(i));
                PlannerFixture::Press(f.c().cmdTake);
            }
            QCoreApplication::processEvents();
            const MagCore here = CoreOf(f.state);
            int settable = 0;
            for (std::size_t row = 0; row < steps.size(); ++row) {
                ClickStep(*p.table, row);
                f.window.SetFeedInputs(OneTrimate());
                const std::size_t asked = f.fakes.messages.shown.size();
                f.fakes.messages.answers = {false};  // a question is answered Cancel
                QTest::mouseClick(p.cmdSet, Qt::LeftButton);
                QVERIFY(CoreOf(f.state) == here);
                if (!p.cmdSet->isEnabled()) {
                    QVERIFY(!p.cmdSet->toolTip().isEmpty() &&
                            p.cmdSet->toolTip() != QString::fromUtf8(kSetTip));
                    QVERIFY(SameInputs(f.window.CurrentFeedRequest(), OneTrimate()));
                    continue;
                }
                ++settable;
                if (f.fakes.messages.shown.size() > asked) {  // the new-mag question
                    QCOMPARE(row, std::size_t{0});
                    QVERIFY(SameInputs(f.window.CurrentFeedRequest(), OneTrimate()));
                    QTest::mouseClick(p.cmdSet, Qt::LeftButton);  // answered OK
                }
                QVERIFY(!SameInputs(f.window.CurrentFeedRequest(), OneTrimate()));
                PlannerFixture::Press(f.c().cmdTake);
                QVERIFY(CoreOf(f.state) == steps[row].after);
                PlannerFixture::Press(f.c().cmdUndo);
                if (!(CoreOf(f.state) == here)) {  // the new mag, then the press: back twice
                    f.window.SetFeedInputs(OneTrimate());
                    break;
                }
            }
            // The step due next can always be set; after the plan, none can.
            QCOMPARE(settable, stage == steps.size() ? 0 : 1);
        }
    }

    // A mag that is already the target is told so once, with nothing to set.
    void aMagAtTheTargetNeedsNothing() {
        PlannerFixture f;
        const PlannerControls& p = f.Open();
        f.Ask("マグ", 5);
        QTest::mouseClick(p.cmdSearch, Qt::LeftButton);
        QVERIFY(f.SearchEnds());
        QCOMPARE(p.lblSummary->accessibleName(),
                 QStringLiteral("このマグはもう目標どおりです。えさは要りません。"));
        QVERIFY(f.Status().isEmpty());
        QCOMPARE(p.table->StepCount(), std::size_t{0});
        QVERIFY(!p.cmdSet->isEnabled() &&
                p.cmdSet->toolTip().contains(QStringLiteral("ありません")));
    }
};

QTEST_MAIN(PlannerKeysTest)
#include "test_planner_keys.moc"
