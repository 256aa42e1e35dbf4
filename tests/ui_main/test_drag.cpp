// Dragging the main window with its side windows, and the quick menu.
#include <QMenu>
#include <QMouseEvent>
#include <QtTest>

#include "main_window_fixture.h"
#include "ui/data/mag_catalog_window.h"
#include "ui/twips.h"

using namespace toviran;

namespace {

struct DragFixture : testing::MainWindowFixture {
    DragFixture() { QVERIFY(QTest::qWaitForWindowExposed(&window)); }
    // The pointer as the user moves it: one screen position, delivered to `target` in
    // its own coordinates (events a control ignores go on to its parents).
    void Mouse(QWidget* target, QEvent::Type type, QPoint screen, Qt::MouseButton button) {
        const Qt::MouseButtons held = type == QEvent::MouseButtonRelease ? Qt::NoButton
                                      : type == QEvent::MouseMove        ? pressed
                                                                         : button;
        if (type == QEvent::MouseButtonPress) pressed = button;
        QMouseEvent e(type, target->mapFromGlobal(QPointF(screen)), QPointF(screen), button, held,
                      Qt::NoModifier);
        QApplication::sendEvent(target, &e);
    }
    // The main window, the catalogue, the feed table and the planner (all open).
    std::vector<QPoint> Positions() const {
        const auto* catalogue = window.findChild<MagCatalogWindow*>();
        return {window.pos(), catalogue->pos(), catalogue->LoadedFeedTable()->pos(),
                window.findChild<QWidget*>("frmPlanner")->pos()};
    }

    Qt::MouseButtons pressed;
};

}  // namespace

class DragTest : public QObject {
    Q_OBJECT
  private slots:
    void leftDragMovesEverySideWindowAlong() {
        DragFixture f;
        f.c().menu.mnuMag->trigger();  // catalogue and feed table shown
        f.c().menu.mnuPlanner->trigger();
        QWidget* gap = f.c().Label2;  // the box between the feed-slot controls
        const QPoint start = gap->mapToGlobal(QPoint(2, 2));
        const QPoint step = TwipsPoint(600, 0);
        const std::vector<QPoint> before = f.Positions();

        f.Mouse(gap, QEvent::MouseButtonPress, start, Qt::LeftButton);
        f.Mouse(gap, QEvent::MouseMove, start + step, Qt::NoButton);
        // The history window did not exist: the move created it, hidden, and moved it.
        QVERIFY(f.window.ExistingRirekiWindow() && !f.window.ExistingRirekiWindow()->isVisible());
        f.Mouse(gap, QEvent::MouseMove, start + step + QPoint(0, 9), Qt::NoButton);
        const std::vector<QPoint> after = f.Positions();
        for (std::size_t i = 0; i < after.size(); ++i)
            QCOMPARE(after[i] - before[i], step + QPoint(0, 9));

        f.Mouse(gap, QEvent::MouseButtonRelease, start + step, Qt::LeftButton);
        const std::vector<QPoint> released = f.Positions();
        f.Mouse(gap, QEvent::MouseMove, start + QPoint(90, 90), Qt::NoButton);
        QCOMPARE(f.Positions(), released);
    }

    void otherButtonsOpenTheViewMenuWithoutDragging() {
        DragFixture f;
        QMenu* menu = f.c().menu.mnuView;
        const QPoint at = f.c().lblTitle->mapToGlobal(QPoint(4, 4));
        const QPoint before = f.window.pos();
        f.Mouse(f.c().lblTitle, QEvent::MouseButtonPress, at, Qt::RightButton);
        QVERIFY(menu->isVisible());
        f.Mouse(f.c().lblTitle, QEvent::MouseMove, at + QPoint(30, 0), Qt::NoButton);
        QCOMPARE(f.window.pos(), before);
        menu->hide();
    }

    void controlsDoNeitherButModeOptionsDragAndSelect() {
        DragFixture f;
        const QPoint before = f.window.pos();
        for (QWidget* control : std::initializer_list<QWidget*>{
                 f.c().lblLv, f.c().stats[0].bar, f.c().feedSlots[1].check, f.c().cmdTake}) {
            for (Qt::MouseButton b : {Qt::RightButton, Qt::LeftButton}) {
                const QPoint at = control->mapToGlobal(QPoint(control->width() - 2, 2));
                f.Mouse(control, QEvent::MouseButtonPress, at, b);
                f.Mouse(control, QEvent::MouseMove, at + QPoint(20, 20), Qt::NoButton);
                f.Mouse(control, QEvent::MouseButtonRelease, at + QPoint(20, 20), b);
            }
            QVERIFY(!f.c().menu.mnuView->isVisible());
            QCOMPARE(f.window.pos(), before);
        }
        QRadioButton* option = f.c().optLv;
        const QPoint at = option->mapToGlobal(QPoint(6, 6));
        f.Mouse(option, QEvent::MouseButtonPress, at, Qt::LeftButton);
        f.Mouse(option, QEvent::MouseMove, at + QPoint(-12, 0), Qt::NoButton);
        f.Mouse(option, QEvent::MouseButtonRelease, at + QPoint(-12, 0), Qt::LeftButton);
        QVERIFY(option->isChecked());
        QCOMPARE(f.window.pos(), before + QPoint(-12, 0));
    }
};

QTEST_MAIN(DragTest)
#include "test_drag.moc"
