// Where the windows open on a 1366x768 screen (the smallest the program is laid out for),
// with the main window where a window manager puts it, in the middle: wholly on the screen,
// and none over another where the screen has room, whichever opens first.
#include <QScreen>
#include <QtTest>

#include "planner_fixture.h"
#include "ui/data/mag_catalog_window.h"
#include "ui/window_place.h"

using namespace toviran;
using testing::PlannerFixture;

namespace {

struct SmallScreen : PlannerFixture {
    SmallScreen() {
        window.move((screen.width() - window.frameGeometry().width()) / 2,
                    (screen.height() - window.frameGeometry().height()) / 2);
    }
    std::vector<QRect> DataFrames() const {
        const auto* catalogue = window.findChild<MagCatalogWindow*>();
        return {catalogue->frameGeometry(), catalogue->LoadedFeedTable()->frameGeometry()};
    }
    QRect PlannerFrame() const { return Planner()->frameGeometry(); }

    const QRect screen = QGuiApplication::primaryScreen()->availableGeometry();
};

}  // namespace

class PlacementTest : public QObject {
    Q_OBJECT
  private slots:
    void theScreenIsTheSmallOne() {
        QCOMPARE(QGuiApplication::primaryScreen()->availableGeometry(), QRect(0, 0, 1366, 768));
    }

    // The planner shows every column and five steps beside the main window.
    void thePlannerFitsBesideTheMainWindow() {
        SmallScreen f;
        const PlannerControls& p = f.Open();
        QVERIFY(f.screen.contains(f.PlannerFrame()));
        QVERIFY(!f.PlannerFrame().intersects(f.window.frameGeometry()));
        QVERIFY(p.table->width() >= p.table->minimumSizeHint().width());
        QVERIFY(p.table->height() >= p.table->minimumSizeHint().height());
        QCOMPARE(p.table->horizontalScrollBarPolicy(), Qt::ScrollBarAlwaysOff);
    }

    void dataWindowsOpenedSecondMoveThePlannerAway() {
        SmallScreen f;
        f.Open();
        f.c().menu.mnuMag->trigger();
        QCoreApplication::processEvents();
        QCOMPARE(Covered(f.PlannerFrame(), f.DataFrames()), 0);
        QCOMPARE(Covered(f.PlannerFrame(), {f.window.frameGeometry()}), 0);
        QVERIFY(f.screen.contains(f.PlannerFrame()));

        // The other way round.
        f.c().menu.mnuPlanner->trigger();
        f.c().menu.mnuMag->trigger();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        f.c().menu.mnuMag->trigger();
        f.c().menu.mnuPlanner->trigger();
        QCOMPARE(Covered(f.PlannerFrame(), f.DataFrames()), 0);
    }

    void theHistoryWindowOpenedSecondMovesThePlannerAway() {
        SmallScreen f;
        f.window.move(f.window.x(), 40);  // room below for the history window
        f.Open();
        f.Planner()->move(f.window.frameGeometry().bottomLeft() + QPoint(0, 1));
        f.c().menu.mnuEsaRireki->trigger();
        QCoreApplication::processEvents();
        const QRect history = f.window.ExistingRirekiWindow()->frameGeometry();
        QCOMPARE(Covered(f.PlannerFrame(), {history}), 0);
    }

    void theParameterWindowLeavesTheHistoryWindowUncovered() {
        SmallScreen f;
        f.c().menu.mnuEsaRireki->trigger();
        f.c().menu.mnuFormat->trigger();
        QWidget* parameter = QApplication::activeModalWidget();
        QVERIFY(parameter != nullptr);
        const QRect history = f.window.ExistingRirekiWindow()->frameGeometry();
        QCOMPARE(Covered(parameter->frameGeometry(), {history, f.window.frameGeometry()}), 0);
        QVERIFY(f.screen.contains(parameter->frameGeometry()));
        parameter->close();
    }

    // Near the screen's corner the side windows still open wholly on it.
    void everyWindowOpensOnTheScreen() {
        SmallScreen f;
        f.window.move(f.screen.width() - f.window.frameGeometry().width() - 10,
                      f.screen.height() - f.window.frameGeometry().height() - 10);
        f.c().menu.mnuEsaRireki->trigger();
        f.c().menu.mnuMag->trigger();
        f.Open();
        f.c().menu.mnuFormat->trigger();
        std::vector<QRect> frames = f.DataFrames();
        frames.push_back(f.window.ExistingRirekiWindow()->frameGeometry());
        frames.push_back(f.PlannerFrame());
        frames.push_back(QApplication::activeModalWidget()->frameGeometry());
        for (const QRect& frame : frames) QVERIFY(f.screen.contains(frame));
        QApplication::activeModalWidget()->close();
    }

    // A frame that the window manager makes deeper than the main window's is taken into
    // account once known: the whole frame lies on the screen.
    void aWindowIsPlacedByItsWholeFrame() {
        QWidget window;
        window.resize(400, 700);
        const QMargins deep(1, 20, 1, 5);
        const QRect screen(0, 0, 1366, 768);
        const QRect frame = OnScreen(QRect(QPoint(900, 100), window.size().grownBy(deep)), screen);
        QVERIFY(screen.contains(frame));
        QCOMPARE(frame.bottom(), screen.bottom());
        PlaceFrame(window, frame, deep);
        QCOMPARE(window.geometry(), frame.marginsRemoved(deep));
        QCOMPARE(OnScreen(QRect(0, 0, 2000, 900), screen), screen);
    }
};

QTEST_MAIN(PlacementTest)
#include "test_placement.moc"
