// The feed timer on the real main window, ticked by hand through the fake timer.
#include <QtTest>

#include "main_window_fixture.h"

using namespace toviran;

namespace {

struct TimerFixture : testing::MainWindowFixture {
    TimerFixture() {
        for (FakePeriodicTimer* t : fakes.timers)
            if (t->interval == 1000) clock = t;
    }
    void Ticks(int n) {
        for (int i = 0; i < n; ++i) clock->Fire();
    }
    QString Shown() const { return c().lblTimer->text(); }
    bool Green() const {
        return c().lblTimer->palette().color(QPalette::WindowText) == QColor(0, 255, 0) &&
               c().lblTimer->toolTip() == QString::fromUtf8("今のうちにえさを与えるんだぁっ！");
    }
    bool Red() const {
        return c().lblTimer->palette().color(QPalette::WindowText) == QColor(255, 0, 0) &&
               c().lblTimer->toolTip() == QString::fromUtf8("0になったら音が鳴るんだよ");
    }

    FakePeriodicTimer* clock = nullptr;
};

}  // namespace

class TimerTest : public QObject {
    Q_OBJECT
  private slots:
    void fullRunStopsAtZeroWithOneBeepAndResets() {
        TimerFixture f;
        QVERIFY(f.clock && !f.clock->enabled);
        const QFont digits = f.c().lblTimer->font();  // the serif stand-in, "200" whole
        QCOMPARE(QFontInfo(digits).family(), QString("Liberation Serif"));
        QVERIFY(QFontMetrics(digits).horizontalAdvance("200") <= f.c().lblTimer->width());
        f.c().cmdTimer->click();
        QCOMPARE(f.c().cmdTimer->text(), QString("Reset"));
        f.Ticks(1);
        QCOMPARE(f.Shown(), QString("199"));
        f.Ticks(199);
        QCOMPARE(f.Shown(), QString("0"));
        QCOMPARE(f.fakes.beep.beeps, 1);
        QVERIFY(!f.clock->enabled && f.Red());
        QCOMPARE(f.c().cmdTimer->text(), QString("Reset"));
        f.c().cmdTimer->click();
        QCOMPARE(f.Shown(), QString("200"));
        QCOMPARE(f.c().cmdTimer->text(), QString("Go"));
        QVERIFY(!f.clock->enabled);
        // Go then Reset straight away ends idle at 200 too.
        f.c().cmdTimer->click();
        f.Ticks(7);
        f.c().cmdTimer->click();
        QCOMPARE(f.Shown(), QString("200"));
        QVERIFY(!f.clock->enabled && f.state.TimerRunning == kFalse);
    }

    void continuousModePausesInGreenThenCountsAgain() {
        TimerFixture f;
        f.c().chkRenzoku->setChecked(true);
        f.c().cmdTimer->click();
        f.Ticks(200);
        QCOMPARE(f.Shown(), QString("0"));
        for (int shown = 210; shown >= 201; --shown) {
            f.Ticks(1);
            QCOMPARE(f.Shown(), QString::number(shown));
            QVERIFY(f.Green());
        }
        f.Ticks(1);
        QCOMPARE(f.Shown(), QString("200"));
        QVERIFY(f.Red());
        // Unticked during the next pause: the countdown runs on to 0 and stops there.
        f.Ticks(203);
        QCOMPARE(f.Shown(), QString("208"));
        f.c().chkRenzoku->setChecked(false);
        f.Ticks(208);
        QCOMPARE(f.Shown(), QString("0"));
        QCOMPARE(f.fakes.beep.beeps, 3);
        QVERIFY(!f.clock->enabled);
    }

    void menuSwitchesTheDisplayAndHidingFreezesTheCountdown() {
        TimerFixture f;
        QAction* menu = f.c().menu.mnuTimer;
        menu->trigger();
        QVERIFY(menu->isChecked() && f.c().chkTimer->isChecked());
        QVERIFY(f.c().lblTimer->isVisible() && f.c().chkRenzoku->isVisible());
        QVERIFY(!f.c().lblTitle->isVisible() && !f.c().lblTitle3->isVisible());
        f.c().cmdTimer->click();
        f.Ticks(50);
        menu->trigger();
        QVERIFY(!f.c().chkTimer->isChecked() && !f.c().cmdTimer->isVisible());
        QVERIFY(f.c().lblTitle2->isVisible() && !f.clock->enabled);
        // The hidden check box drives the menu mark as well; the frozen state returns.
        f.c().chkTimer->setChecked(true);
        QVERIFY(menu->isChecked());
        QCOMPARE(f.Shown(), QString("150"));
        QCOMPARE(f.c().cmdTimer->text(), QString("Reset"));
        QVERIFY(!f.clock->enabled);
        f.c().cmdTimer->click();  // still marked running: resets first
        QCOMPARE(f.c().cmdTimer->text(), QString("Go"));
    }
};

QTEST_MAIN(TimerTest)
#include "test_timer.moc"
