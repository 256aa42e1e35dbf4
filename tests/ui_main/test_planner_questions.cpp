// The planner's questions beyond one exact build, through the window with real keys and
// clicks: stat conditions typed into the stat boxes, any form, the play time, and
// 「もっと探す」 for a search that ran out of its budget, with the bar at the budget spent.
#include <QClipboard>
#include <QRegularExpression>
#include <QtTest>
#include <random>

#include "planner_fixture.h"
#include "wording/answer_text.h"
#include "wording/conditions_text.h"
#include "wording/play_time.h"
#include "wording/reason_text.h"

using namespace toviran;
using testing::PlannerFixture;

namespace {

const QString kConditionKeys = QStringLiteral("0123456789..*a -");

// Each character as the key that types it (a key of another script for what is not ASCII).
void Type(QLineEdit* box, const QString& keys) {
    box->setFocus();
    for (const QChar c : keys) {
        if (c.unicode() < 0x80)
            QTest::keyClick(box, c.toLatin1());
        else
            QTest::sendKeyEvent(QTest::Click, box, Qt::Key_unknown, QString(c), Qt::NoModifier);
    }
}

// The request the window makes from the fixture's mag (a new one, as the main window
// starts) for the inputs given.
planner::PlanRequest Asked(int form, int level, const planner::StatRanges& stats,
                           const planner::PlanOptions& options) {
    planner::PlanRequest request;
    request.target = {form, level, stats};
    request.options = options;
    return request;
}

planner::StatRanges Ranges(std::initializer_list<std::pair<StatKind, planner::StatRange>> asked) {
    planner::StatRanges stats{};
    for (const auto& [stat, range] : asked) stats[static_cast<std::size_t>(stat)] = range;
    return stats;
}

// The bar after a search: the share of the budget it spent, in thousandths.
int SpentShare(const planner::PlanResult& result) {
    const double share = std::min(
        1.0, static_cast<double>(result.workSpent) / static_cast<double>(result.workBudget));
    return static_cast<int>(std::lround(share * 1000));
}

planner::PlanOptions WorkOnly(std::uint64_t work) {
    planner::PlanOptions options;
    options.work = work;
    options.timeLimit = std::chrono::milliseconds{0};
    return options;
}

QString Text(const std::string& text) {
    return QString::fromStdString(text);
}

}  // namespace

class PlannerQuestionsTest : public QObject {
    Q_OBJECT
  private slots:
    // Keys that can make no condition are thrown away; the box never holds what is no
    // condition and cannot become one, and never refuses a key that completes one.
    void theStatBoxesTakeConditionsAsTheyAreTyped() {
        PlannerFixture f;
        const PlannerControls& p = f.Open();
        QLineEdit* pow = p.txtBuild[1];
        const std::pair<const char*, const char*> typed[] = {
            {"1a0.x.5*", "10..5"},
            {"100..2000", "100..200"},
            {"..60", "..60"},
            {"*5", "*"},
            {"5*", "5"},
            {"4...5", "4..5"},
            {"1234", "123"},
            {"45..", "45.."},
            {"-3", "3"},
            {"１２0", "0"},  // full-width digits are no numbers the planner reads
        };
        for (const auto& [keys, kept] : typed) {
            pow->clear();
            Type(pow, QString::fromUtf8(keys));
            QCOMPARE(pow->text(), QString::fromUtf8(kept));
        }

        // Random keys, one at a time: a key that makes the text a condition is always taken.
        std::mt19937 random(27);
        for (int round = 0; round < 200; ++round) {
            pow->clear();
            for (int k = 0; k < 10; ++k) {
                const QString before = pow->text();
                const QChar key = kConditionKeys[static_cast<qsizetype>(
                    random() % static_cast<unsigned>(kConditionKeys.size()))];
                Type(pow, QString(key));
                const QString after = pow->text();
                QVERIFY(after == before || after == before + key);
                const auto range = wording::ReadRange((before + key).toStdString());
                const bool shortNumbers = !(before + key).contains(QRegularExpression("\\d{4}"));
                if (range && shortNumbers && key != u'a' && key != u' ' && key != u'-')
                    QCOMPARE(after, before + key);
            }
        }

        // Pasted text keeps the characters of a condition, and is refused when they make none.
        QApplication::clipboard()->setText(QStringLiteral("ＰＯＷ：100..120 以上"));
        pow->clear();
        QTest::keyClick(pow, Qt::Key_V, Qt::ControlModifier);
        QCOMPARE(pow->text(), QStringLiteral("100..120"));
        QApplication::clipboard()->setText(QStringLiteral("12345"));
        QTest::keyClick(pow, Qt::Key_V, Qt::ControlModifier);
        QCOMPARE(pow->text(), QStringLiteral("100..120"));

        // How to write them, where the box is.
        for (QLineEdit* box : p.txtBuild) {
            QCOMPARE(box->placeholderText(), QStringLiteral("任意"));
            QVERIFY(box->toolTip().contains(Text(wording::RangeSyntaxText())));
        }
    }

    // 任意の姿 is the list's last entry; picked with the keyboard it keeps the level typed.
    // Conditions and any form reach the planner, the request line reads them back, and the
    // summary gives the play time.
    void conditionsAndAnyFormAreAskedAndReadBack() {
        PlannerFixture f;
        const PlannerControls& p = f.Open();
        QApplication::setActiveWindow(f.Planner());
        QCOMPARE(p.cmbForm->count(), kMagFormCount + 1);
        p.txtLevel->setFocus();
        p.txtLevel->selectAll();
        QTest::keyClicks(p.txtLevel, QStringLiteral("35"));
        p.cmbForm->setFocus();
        QTest::keyClick(p.cmbForm, Qt::Key_End);
        QCOMPARE(p.cmbForm->currentText(), QStringLiteral("任意の姿"));
        QCOMPARE(p.cmbForm->currentData().toInt(), planner::kAnyForm);
        QCOMPARE(p.txtLevel->text(), QStringLiteral("35"));
        QVERIFY(!p.lblFormNote->isVisible() && !p.lblLevelNote->isVisible());

        Type(p.txtBuild[1], QStringLiteral("20.."));
        Type(p.txtBuild[2], QStringLiteral("..5"));
        QTest::keyClick(p.txtBuild[2], Qt::Key_Return);
        QVERIFY(f.SearchEnds());
        const planner::Plan* plan = f.Planner()->ShownPlan();
        QVERIFY(plan != nullptr);
        QCOMPARE(p.lblRequest->accessibleName(),
                 QStringLiteral("このプランの条件：任意の姿 Lv35（POW 20以上、DEX 5以下）、"
                                "HU・偶数ID、今のマグ（マグ Lv5）から"));
        QCOMPARE(int{plan->final.level}, 35);
        QVERIFY(plan->final.statLevel[1] >= 20 && plan->final.statLevel[2] <= 5);
        const planner::PlanResult direct = planner::FindPlan(
            Asked(planner::kAnyForm, 35,
                  Ranges({{StatKind::Pow, {20, kLevelCap}}, {StatKind::Dex, {0, 5}}}),
                  PlannerFixture::Small()));
        QCOMPARE(plan->items, direct.plan->items);
        QVERIFY(p.lblSummary->accessibleName().contains(Text(wording::FeedTimeText(plan->items))));
        QCOMPARE(p.progress->value(), SpentShare(direct));
    }

    // A condition that cannot be read says how to write one; one that can never hold is
    // refused with its cause, in a box and in the status line, with nothing more to search.
    void conditionsThatCannotHoldAreRefusedWithTheirCause() {
        PlannerFixture f;
        const PlannerControls& p = f.Open();
        f.Ask("ルドラ", 35);
        Type(p.txtBuild[1], QStringLiteral("5."));
        QTest::keyClick(p.txtBuild[1], Qt::Key_Return);
        QVERIFY(!f.Planner()->Searching());
        QCOMPARE(f.fakes.messages.shown.size(), std::size_t{1});
        QVERIFY(f.fakes.messages.shown.back().text.find(wording::RangeSyntaxText()) !=
                std::string::npos);
        QVERIFY(f.fakes.messages.shown.back().text.find("POW") != std::string::npos);

        p.txtBuild[1]->clear();
        Type(p.txtBuild[1], QStringLiteral("30..20"));
        QTest::keyClick(p.txtBuild[1], Qt::Key_Return);
        QVERIFY(f.SearchEnds());
        const planner::PlanResult direct =
            planner::FindPlan(Asked(MagFormIndex("ルドラ"), 35, Ranges({{StatKind::Pow, {30, 20}}}),
                                    PlannerFixture::Small()));
        QCOMPARE(direct.reason.kind, planner::ReasonKind::LeastAboveMost);
        QCOMPARE(f.fakes.messages.shown.size(), std::size_t{2});
        QCOMPARE(f.fakes.messages.shown.back().text, wording::ReasonText(direct.reason));
        QCOMPARE(f.Status(), Text(wording::ReasonText(direct.reason)));
        QVERIFY(!p.cmdMore->isVisible());
    }

    // A search that ran out of its budget says so without a box, offers four times the
    // work, and each search leaves the bar at the share of its budget it spent. The offer
    // stays with the inputs it was made for, and ends with the search settled.
    void aSearchOutOfItsBudgetOffersMore() {
        PlannerFixture f;
        const PlannerControls& p = f.Open();
        const planner::PlanOptions options = WorkOnly(300'000);
        f.Planner()->SetPlanOptions(options);
        f.Ask("ルドラ", 35);
        QTest::mouseClick(p.cmdSearch, Qt::LeftButton);
        QVERIFY(f.SearchEnds());
        planner::PlanRequest request = Asked(MagFormIndex("ルドラ"), 35, {}, options);
        const planner::PlanResult none = planner::FindPlan(request);
        QVERIFY(!none.plan && none.MoreWorkMayHelp());
        QVERIFY(f.fakes.messages.shown.empty() && !f.Planner()->ShownPlan());
        QVERIFY(f.Status().startsWith(Text(wording::ReasonText(none.reason))));
        QVERIFY(p.cmdMore->isVisible() && p.cmdMore->isEnabled());
        QCOMPARE(p.progress->value(), SpentShare(none));

        // Another request has no offer; the same one again has.
        f.Ask("ルドラ", 36);
        QVERIFY(!p.cmdMore->isVisible() &&
                !f.Status().startsWith(Text(wording::ReasonText(none.reason))));
        f.Ask("ルドラ", 35);
        QVERIFY(p.cmdMore->isVisible());

        for (int effort = 4; p.cmdMore->isVisible(); effort *= 4) {
            QVERIFY(effort <= planner::kMostEffort);
            QTest::mouseClick(p.cmdMore, Qt::LeftButton);
            QVERIFY(f.Planner()->Searching() && !p.cmdMore->isVisible());
            QVERIFY(f.SearchEnds());
            request.options.effort = effort;
            const planner::PlanResult more = planner::FindPlan(request);
            QVERIFY(more.plan.has_value() && f.Planner()->ShownPlan() != nullptr);
            QCOMPARE(f.Planner()->ShownPlan()->items, more.plan->items);
            QCOMPARE(p.progress->value(), SpentShare(more));
            QVERIFY(p.lblRequest->accessibleName().endsWith(
                QStringLiteral("、探す作業%1倍").arg(effort)));
            const QString summary = p.lblSummary->accessibleName();
            const QString cut = Text(wording::SearchCutText(planner::SearchEnd::Work));
            QCOMPARE(summary.contains(cut), more.end == planner::SearchEnd::Work);
            QVERIFY(summary.contains(
                Text(wording::BoundText(more.plan->items, more.plan->lowerBound))));
            QCOMPARE(p.cmdMore->isVisible(), more.MoreWorkMayHelp());
        }
    }

    // At the most effort there is no more to offer.
    void noMoreThanTheMostEffort() {
        PlannerFixture f;
        const PlannerControls& p = f.Open();
        planner::PlanOptions options = WorkOnly(1'000);
        options.effort = planner::kMostEffort;
        f.Planner()->SetPlanOptions(options);
        f.Ask("ルドラ", 35);
        QTest::mouseClick(p.cmdSearch, Qt::LeftButton);
        QVERIFY(f.SearchEnds());
        QVERIFY(!f.Planner()->ShownPlan() && !p.cmdMore->isVisible());
        QVERIFY(!f.Status().isEmpty());
    }
};

QTEST_MAIN(PlannerQuestionsTest)
#include "test_planner_questions.moc"
