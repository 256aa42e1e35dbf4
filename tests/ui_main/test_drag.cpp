// Dragging the main window by its passive surfaces, and the quick menu.
#include <QApplication>
#include <QGroupBox>
#include <QLabel>
#include <QMenu>
#include <QMouseEvent>
#include <QPushButton>
#include <QRadioButton>
#include <QtTest>
#include <memory>

#include "ui/main/window_drag.h"
#include "ui/twips.h"

using namespace toviran;

namespace {

// A main window with one surface of each kind and a few controls that are no surface,
// plus four side windows: two shown, one hidden, one created by the first drag step.
struct DragScene {
    DragScene() {
        main.setGeometry(100, 100, 488, 232);
        frame = new QGroupBox("パラメータ", &main);
        frame->setGeometry(8, 104, 297, 121);
        valueLabel = new QLabel("5", frame);
        valueLabel->setGeometry(64, 56, 25, 17);
        logo = new QLabel("TOVIRAN", &main);
        logo->setGeometry(168, 16, 54, 28);
        option = new QRadioButton("Lv", &main);
        option->setGeometry(320, 152, 33, 17);
        button = new QPushButton("与える(&T)", &main);
        button->setGeometry(344, 184, 65, 25);
        menu.addAction("えさ履歴(&E)");

        for (int i = 0; i < 3; ++i) {
            side[i] = std::make_unique<QWidget>();
            side[i]->setGeometry(600, 100 + 150 * i, 200, 120);
        }
        drag = new WindowDrag([this] { return Windows(); }, &menu, &main);
        for (QWidget* surface : {static_cast<QWidget*>(&main), static_cast<QWidget*>(frame),
                                 static_cast<QWidget*>(logo), static_cast<QWidget*>(option)})
            drag->AddSurface(surface);
        main.show();
        side[0]->show();
        side[1]->show();  // side[2] stays hidden
        QVERIFY(QTest::qWaitForWindowExposed(&main));
    }

    std::vector<QWidget*> Windows() {
        if (!side[3]) side[3] = std::make_unique<QWidget>();
        return {&main, side[0].get(), side[1].get(), side[2].get(), side[3].get()};
    }
    std::vector<QPoint> Positions() {
        std::vector<QPoint> at;
        for (QWidget* w : Windows()) at.push_back(w->pos());
        return at;
    }

    // The pointer as the user moves it: one screen position, delivered to `target`
    // in its own coordinates.
    void Mouse(QWidget* target, QEvent::Type type, QPoint screen, Qt::MouseButton button,
               Qt::MouseButtons held) {
        QMouseEvent event(type, target->mapFromGlobal(QPointF(screen)), QPointF(screen), button,
                          held, Qt::NoModifier);
        QApplication::sendEvent(target, &event);
    }
    QPoint ScreenPointOf(QWidget* w, QPoint local = {3, 3}) { return w->mapToGlobal(local); }

    QWidget main;
    QGroupBox* frame;
    QLabel* valueLabel;
    QLabel* logo;
    QRadioButton* option;
    QPushButton* button;
    QMenu menu;
    std::unique_ptr<QWidget> side[4];
    WindowDrag* drag;
};

std::vector<QPoint> Shifted(std::vector<QPoint> at, QPoint by) {
    for (QPoint& p : at) p += by;
    return at;
}

}  // namespace

class DragTest : public QObject {
    Q_OBJECT
  private slots:
    void leftDragMovesEveryWindowByTheSameDistance() {
        DragScene s;
        const QPoint start = s.ScreenPointOf(s.frame);
        const std::vector<QPoint> before = s.Positions();
        const QPoint step = TwipsPoint(600, 0);
        QCOMPARE(step, QPoint(40, 0));

        s.Mouse(s.frame, QEvent::MouseButtonPress, start, Qt::LeftButton, Qt::LeftButton);
        QVERIFY(s.drag->Active());
        s.Mouse(s.frame, QEvent::MouseMove, start + step, Qt::NoButton, Qt::LeftButton);
        QCOMPARE(s.Positions(), Shifted(before, step));
        QVERIFY(!s.side[2]->isVisible());
        QVERIFY(!s.side[3]->isVisible());

        // A second step adds to the first; the surface has moved under the pointer.
        s.Mouse(s.frame, QEvent::MouseMove, start + step + QPoint(-10, 25), Qt::NoButton,
                Qt::LeftButton);
        QCOMPARE(s.Positions(), Shifted(before, step + QPoint(-10, 25)));

        s.Mouse(s.frame, QEvent::MouseButtonRelease, start + step + QPoint(-10, 25), Qt::LeftButton,
                Qt::NoButton);
        QVERIFY(!s.drag->Active());
        const std::vector<QPoint> released = s.Positions();
        s.Mouse(s.frame, QEvent::MouseMove, start + QPoint(200, 200), Qt::NoButton, Qt::NoButton);
        QCOMPARE(s.Positions(), released);
    }

    void otherButtonsOpenTheQuickMenuAndStartNoDrag() {
        DragScene s;
        for (Qt::MouseButton button : {Qt::RightButton, Qt::MiddleButton}) {
            const QPoint at = s.ScreenPointOf(s.logo);
            s.Mouse(s.logo, QEvent::MouseButtonPress, at, button, button);
            QVERIFY(s.menu.isVisible());
            QVERIFY(!s.drag->Active());
            const std::vector<QPoint> before = s.Positions();
            s.Mouse(s.logo, QEvent::MouseMove, at + QPoint(30, 30), Qt::NoButton, button);
            QCOMPARE(s.Positions(), before);
            s.menu.hide();
        }
    }

    void controlsOnOrInsideTheSurfacesDoNothing() {
        DragScene s;
        // The label inside the frame passes its press up to the frame: still no drag.
        for (Qt::MouseButton button : {Qt::LeftButton, Qt::RightButton}) {
            const QPoint at = s.ScreenPointOf(s.valueLabel);
            s.Mouse(s.valueLabel, QEvent::MouseButtonPress, at, button, button);
            QVERIFY(!s.drag->Active());
            QVERIFY(!s.menu.isVisible());
            s.Mouse(s.valueLabel, QEvent::MouseButtonRelease, at, button, Qt::NoButton);
        }
        const QPoint at = s.ScreenPointOf(s.button, {20, 10});
        s.Mouse(s.button, QEvent::MouseButtonPress, at, Qt::RightButton, Qt::RightButton);
        s.Mouse(s.button, QEvent::MouseButtonPress, at, Qt::LeftButton, Qt::LeftButton);
        QVERIFY(!s.drag->Active());
        QVERIFY(!s.menu.isVisible());
        s.Mouse(s.button, QEvent::MouseButtonRelease, at, Qt::LeftButton, Qt::NoButton);
    }

    void anOptionSurfaceDragsAndIsStillSelected() {
        DragScene s;
        const QPoint at = s.ScreenPointOf(s.option, {8, 8});
        const std::vector<QPoint> before = s.Positions();
        s.Mouse(s.option, QEvent::MouseButtonPress, at, Qt::LeftButton, Qt::LeftButton);
        QVERIFY(s.drag->Active());
        s.Mouse(s.option, QEvent::MouseMove, at + QPoint(0, 40), Qt::NoButton, Qt::LeftButton);
        s.Mouse(s.option, QEvent::MouseButtonRelease, at + QPoint(0, 40), Qt::LeftButton,
                Qt::NoButton);
        QCOMPARE(s.Positions(), Shifted(before, {0, 40}));
        QVERIFY(s.option->isChecked());
        QVERIFY(!s.drag->Active());
    }

    void theWindowBackgroundIsASurface() {
        DragScene s;
        const QPoint at = s.ScreenPointOf(&s.main, {4, 4});
        const std::vector<QPoint> before = s.Positions();
        s.Mouse(&s.main, QEvent::MouseButtonPress, at, Qt::LeftButton, Qt::LeftButton);
        s.Mouse(&s.main, QEvent::MouseMove, at + QPoint(-15, 0), Qt::NoButton, Qt::LeftButton);
        QCOMPARE(s.Positions(), Shifted(before, {-15, 0}));
    }
};

QTEST_MAIN(DragTest)
#include "test_drag.moc"
