// The planner's page of every form a mag can still become, and the default level the
// planner's own page takes from the same rows: with real clicks, keys and focus moves, the
// desktop services faked and small budgets.
#include <QTabBar>
#include <QtTest>

#include "planner_fixture.h"
#include "wording/reach_row_text.h"

using namespace toviran;
using testing::kSearchMilliseconds;
using testing::PlannerFixture;

namespace {

constexpr int kTableMilliseconds = 60000;

QWidget* Focused() {
    return QApplication::focusWidget();
}

void Key(int key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
    QTest::keyClick(Focused(), static_cast<Qt::Key>(key), modifiers);
}

QString Text(const std::string& text) {
    return QString::fromStdString(text);
}

// The planner open on the page of every form, from the main window's mag.
struct ReachShown : PlannerFixture {
    ReachShown() {
        p = &Open();
        r = &Planner()->reachControls();
        QApplication::setActiveWindow(Planner());
        QTabBar& tabs = *Planner()->pages().tabBar();
        QTest::mouseClick(&tabs, Qt::LeftButton, {}, tabs.tabRect(1).center());
    }
    bool TableDone() const {
        return QTest::qWaitFor(
            [this] { return TableStatus().startsWith(QStringLiteral("すべての姿を調べました")); },
            kTableMilliseconds);
    }
    // After a change the table hears of: worked out again.
    bool TableRedone() const {
        return QTest::qWaitFor(
                   [this] { return TableStatus().startsWith(QStringLiteral("調べています")); },
                   kTableMilliseconds) &&
               TableDone();
    }
    QString TableStatus() const { return WithoutJoiners(r->lblStatus->text()); }
    QString Cell(int form, FormsColumn column) const {
        return r->table->item(form, static_cast<int>(column))->text();
    }
    // The row as the table shows it is the row worked out alone.
    void ExpectRow(const planner::ReachRow& row) const {
        const bool found = row.level > 0;
        QCOMPARE(Cell(row.form, FormsColumn::Level), found ? QString::number(row.level) : "");
        QCOMPARE(Cell(row.form, FormsColumn::Items), found ? QString::number(row.items) : "");
        QCOMPARE(Cell(row.form, FormsColumn::Bound), found ? QString::number(row.bound) : "");
        const QTableWidgetItem& answer =
            *r->table->item(row.form, static_cast<int>(FormsColumn::Answer));
        QCOMPARE(answer.toolTip(), Text(wording::ReachRowText(row)));
        QVERIFY(answer.text().startsWith(Text(wording::ReachStatusText(row.status))));
    }
    planner::ReachRequest Request(const MagState& start, bool newMag = false) const {
        planner::ReachRequest request;
        request.start = start;
        request.characterClass = window.SelectedClass();
        request.parity = window.SelectedParity();
        request.startIsNewMag = newMag;
        request.options = SmallReach();
        return request;
    }
    void ClickRow(int form) const {
        QTableWidget& table = *r->table;
        table.scrollToItem(table.item(form, 0));
        QTest::mouseClick(table.viewport(), Qt::LeftButton, {},
                          table.visualItemRect(table.item(form, 0)).center());
    }

    const PlannerControls* p = nullptr;
    const ReachControls* r = nullptr;
};

}  // namespace

class ReachPageTest : public QObject {
    Q_OBJECT
  private slots:
    // Rows fill in as their searches end, two at a time, each the row worked out alone.
    void rowsFillInAndAreEachTheRowAlone() {
        ReachShown f;
        QVERIFY(f.TableStatus().startsWith(QStringLiteral("調べています")));
        QVERIFY(f.r->cmdStop->isEnabled() && !f.r->cmdRun->isEnabled());
        QVERIFY(f.TableDone());
        QCOMPARE(f.r->progress->value(), f.r->progress->maximum());
        QVERIFY(!f.r->cmdStop->isEnabled() && !f.r->cmdRun->isEnabled());
        const planner::ReachRequest request = f.Request(MagState{});
        int shown[3] = {0, 0, 0};
        for (int form = 0; form < kMagFormCount; ++form) {
            const planner::ReachRow row = planner::ReachOf(request, form);
            f.ExpectRow(row);
            ++shown[static_cast<int>(row.status)];
        }
        QVERIFY(shown[0] > 0 && shown[1] > 0 && shown[2] > 0);  // each kind of answer
    }

    // Tab enters the table once and leaves it; the arrows choose a row, whose answer reads
    // in full beneath; Enter opens its plan on the planner's page, from the table's start.
    void theKeyboardChoosesARowAndOpensItsPlan() {
        ReachShown f;
        QTest::mouseClick(f.r->optFromNew, Qt::LeftButton);
        QVERIFY(f.TableDone());
        f.r->optFromNew->setFocus();
        std::vector<QWidget*> visited;
        for (int press = 0; press < 30 && (visited.empty() || Focused() != f.r->optFromNew);
             ++press) {
            Key(Qt::Key_Tab);
            visited.push_back(Focused());
        }
        QCOMPARE(Focused(), f.r->optFromNew);  // round the page and back
        QCOMPARE(std::count(visited.begin(), visited.end(), f.r->table), 1);
        const auto tableAt = std::find(visited.begin(), visited.end(), f.r->table);
        QCOMPARE(*(tableAt + 1), f.r->cmdOpen);
        f.r->table->setFocus();
        Key(Qt::Key_End);
        QCOMPARE(f.r->table->CurrentForm(), kMagFormCount - 1);
        Key(Qt::Key_Right);
        QCOMPARE(f.r->table->CurrentForm(), kMagFormCount - 1);
        Key(Qt::Key_Home);
        QCOMPARE(f.r->table->CurrentForm(), 0);
        Key(Qt::Key_Down);
        const int form = MagFormIndex("ヴァルナ");
        QCOMPARE(f.r->table->CurrentForm(), form);
        const planner::ReachRow row = planner::ReachOf(f.Request(MagState{}, true), form);
        QCOMPARE(row.status, planner::ReachRow::Status::Reachable);
        QCOMPARE(f.r->lblRow->accessibleName(),
                 QStringLiteral("ヴァルナ：") + Text(wording::ReachRowText(row)));
        QVERIFY(f.r->cmdOpen->isEnabled() && !f.r->cmdMore->isEnabled());

        f.Feed("3");  // the planner's start is the main window's mag; the row's a new one
        f.p->optFromCurrent->setChecked(true);
        f.r->table->setFocus();
        Key(Qt::Key_Return);
        QCOMPARE(f.Planner()->pages().currentIndex(), 0);
        QVERIFY(f.p->optFromNew->isChecked());
        QCOMPARE(f.p->cmbForm->currentData().toInt(), form);
        QCOMPARE(f.p->txtLevel->text(), QString::number(row.level));
        QVERIFY(f.SearchEnds());
        const planner::Plan& plan = *f.Planner()->ShownPlan();
        QCOMPARE(int{plan.final.form}, form);
        QCOMPARE(int{plan.final.level}, row.level);
        QCOMPARE(plan.items, row.items);

        // A row with no level has no plan to open; a double click opens one that has.
        f.Planner()->pages().setCurrentIndex(1);
        f.ClickRow(MagFormIndex("カルキ"));
        QVERIFY(!f.r->cmdOpen->isEnabled());
        f.r->table->setFocus();
        Key(Qt::Key_Enter);
        QCOMPARE(f.Planner()->pages().currentIndex(), 1);
        QTableWidget& table = *f.r->table;
        table.scrollToTop();
        QTest::mouseDClick(table.viewport(), Qt::LeftButton, {},
                           table.visualItemRect(table.item(0, 0)).center());
        QCOMPARE(f.Planner()->pages().currentIndex(), 0);
        QCOMPARE(f.p->cmbForm->currentData().toInt(), 0);
        QVERIFY(f.SearchEnds());
        QCOMPARE(f.Planner()->ShownPlan()->items, 0);

        // Escape in the table closes the window, as anywhere in it.
        f.Planner()->pages().setCurrentIndex(1);
        f.r->table->setFocus();
        Key(Qt::Key_Escape);
        QVERIFY(!f.Planner()->isVisible());
    }

    // 中止 stops the table with the rows it has; 調べる goes on with the rest.
    void theTableStopsAndGoesOn() {
        ReachShown f;
        QTest::mouseClick(f.r->cmdStop, Qt::LeftButton);
        QVERIFY(f.TableStatus().startsWith(QStringLiteral("中止しました")));
        QVERIFY(!f.r->cmdStop->isEnabled() && f.r->cmdRun->isEnabled());
        QTest::qWait(300);  // rows stopped on their way do not come in
        const int known = f.r->progress->value();
        QVERIFY(known < kMagFormCount);
        for (int form = 0; form < kMagFormCount; ++form)
            QVERIFY(f.Cell(form, FormsColumn::Answer) != QStringLiteral("調べています…"));
        QTest::mouseClick(f.r->cmdRun, Qt::LeftButton);
        QVERIFY(f.TableDone());
        f.ExpectRow(planner::ReachOf(f.Request(MagState{}), MagFormIndex("ヴァルナ")));
    }

    // The rows follow the main window's mag, class and ID, at once on view and otherwise
    // when the page is seen again; a new mag's rows stand.
    void theRowsFollowTheMagClassAndId() {
        ReachShown f;
        QVERIFY(f.TableDone());
        const int varuna = MagFormIndex("ヴァルナ");
        f.Feed("3");
        QVERIFY(f.TableRedone());
        f.ExpectRow(planner::ReachOf(f.Request(f.state), varuna));

        f.Planner()->pages().setCurrentIndex(0);
        f.Feed("2");
        QTest::mouseClick(f.c().optFor, Qt::LeftButton);
        QTRY_VERIFY(f.Cell(varuna, FormsColumn::Answer).isEmpty());
        f.Planner()->pages().setCurrentIndex(1);
        QVERIFY(f.TableRedone());
        for (const char* form : {"ヴァルナ", "ルドラ", "カルキ"})
            f.ExpectRow(planner::ReachOf(f.Request(f.state), MagFormIndex(form)));

        QTest::mouseClick(f.r->optFromNew, Qt::LeftButton);
        QVERIFY(f.TableRedone());
        f.Feed("1");
        QCoreApplication::processEvents();
        QVERIFY(f.TableStatus().startsWith(QStringLiteral("すべての姿を調べました")));
        f.ExpectRow(planner::ReachOf(f.Request(MagState{}, true), varuna));
    }

    // 「もっと探す」 works an unsettled row out again with four times the work, and again.
    void anUnsettledRowIsWorkedOutWithMoreWork() {
        ReachShown f;
        planner::PlanOptions options = PlannerFixture::SmallReach();
        options.work = 100'000;  // ルドラ unsettled at four times this, settled at sixteen
        f.Planner()->SetReachOptions(options);
        QVERIFY(f.TableRedone());
        const int rudra = MagFormIndex("ルドラ");
        planner::ReachRequest request = f.Request(MagState{});
        request.options = options;
        f.ClickRow(rudra);
        for (int effort = 4; f.r->cmdMore->isEnabled(); effort *= 4) {
            QVERIFY(effort <= planner::kMostEffort);
            QTest::mouseClick(f.r->cmdMore, Qt::LeftButton);
            QCOMPARE(f.Cell(rudra, FormsColumn::Answer), QStringLiteral("調べています…"));
            QVERIFY(f.TableDone());
            request.options.effort = effort;
            f.ExpectRow(planner::ReachOf(request, rudra));
        }
        QCOMPARE(f.Cell(rudra, FormsColumn::Level), QStringLiteral("35"));
    }

    // The planner's page takes the lowest level of the form picked from the same rows:
    // empty while it is looked for, never a level with no plan, known at once the second
    // time, and looked for again when the main window's mag changes.
    void theDefaultLevelIsTheRowsLevel() {
        PlannerFixture f;
        const PlannerControls& p = f.Open();
        planner::PlanOptions reach = PlannerFixture::SmallReach();
        reach.work = 1'000'000;
        f.Planner()->SetReachOptions(reach);
        planner::ReachRequest fromNew;
        fromNew.startIsNewMag = true;
        fromNew.options = reach;
        p.optFromNew->setChecked(true);
        for (const char* name : {"マルト", "カルキ", "ピアン", "ヴァルナ"}) {
            const int form = MagFormIndex(name);
            p.cmbForm->setCurrentIndex(form);
            QVERIFY(p.txtLevel->text().isEmpty());
            const planner::ReachRow row = planner::ReachOf(fromNew, form);
            QTRY_VERIFY_WITH_TIMEOUT(!p.lblLevelNote->isVisible(), kSearchMilliseconds);
            QCOMPARE(p.txtLevel->text(), row.level > 0 ? QString::number(row.level) : "");
            if (row.level == 0) QVERIFY(p.lblFormNote->isVisible());
        }
        p.cmbForm->setCurrentIndex(MagFormIndex("マルト"));
        QCOMPARE(p.txtLevel->text(), QStringLiteral("35"));

        // From the main window's mag: fed past the form's level, the mag is the form.
        p.optFromCurrent->setChecked(true);
        p.cmbForm->setCurrentIndex(MagFormIndex("ヴァルナ"));
        QTRY_COMPARE_WITH_TIMEOUT(p.txtLevel->text(), QStringLiteral("10"), kSearchMilliseconds);
        f.Feed("30");
        QCOMPARE(f.state.MagName, std::string("ヴァルナ"));
        QTRY_COMPARE_WITH_TIMEOUT(p.txtLevel->text(), QString::number(f.state.Level),
                                  kSearchMilliseconds);
    }

    // 探す while the level is looked for searches once it is known.
    void searchingAtOnceWaitsForTheLevel() {
        PlannerFixture f;
        const PlannerControls& p = f.Open();
        planner::PlanOptions reach = PlannerFixture::SmallReach();
        reach.work = 1'000'000;
        f.Planner()->SetReachOptions(reach);
        QApplication::setActiveWindow(f.Planner());
        p.cmbForm->setCurrentIndex(MagFormIndex("マルト"));
        QTest::mouseClick(p.cmdSearch, Qt::LeftButton);
        QVERIFY(f.Status().startsWith(QStringLiteral("目標のレベルを確かめています")));
        QVERIFY(f.fakes.messages.shown.empty());
        QTRY_VERIFY_WITH_TIMEOUT(f.Planner()->ShownPlan() != nullptr, kSearchMilliseconds);
        QCOMPARE(int{f.Planner()->ShownPlan()->final.level}, 35);
        QVERIFY(f.fakes.messages.shown.empty());
    }
};

QTEST_MAIN(ReachPageTest)
#include "test_reach_page.moc"
