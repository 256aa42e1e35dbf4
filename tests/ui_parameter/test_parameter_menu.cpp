// The parameter window opened from the main window's menu, applying into the real
// main window and its history window.
#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QtTest>

#include "main_window_fixture.h"
#include "platform/qt_platform.h"
#include "ui/parameter/frm_parameter.h"

using namespace toviran;

class ParameterMenuTest : public QObject {
    Q_OBJECT

  private slots:
    void menuOpensModalWindowThatAppliesIntoMainWindow() {
        testing::MainWindowFixture f;
        frmMain& main = f.window;
        main.move(200, 100);
        const MainControls& c = main.controls();

        c.menu.mnuFormat->trigger();
        auto* window = dynamic_cast<frmParameter*>(QApplication::activeModalWidget());
        QVERIFY(window);  // application-modal: the main window takes no input now
        QCOMPARE(window->pos(), main.frameGeometry().topLeft() + QPoint(0, 4170 / 15));

        // A real message box raised now is centred on this window, not on the main window.
        QtMessageBoxes boxes;
        boxes.SetParent(&main);
        QPoint boxCentre;
        QTimer::singleShot(0, [&boxCentre] {
            QWidget* box = QApplication::activeModalWidget();
            boxCentre = box->geometry().center();
            box->close();
        });
        boxes.Show({MessageIcon::Exclamation, "ちぇけら～", "x"});
        QVERIFY((boxCentre - window->geometry().center()).manhattanLength() <= 2);

        auto* combo = window->findChild<QComboBox*>("cmbMag");
        combo->setCurrentIndex(combo->findText("ヴァルナ"));
        emit combo->activated(combo->currentIndex());
        window->findChild<QLineEdit*>("txtDEF")->setText("12");
        window->findChild<QLineEdit*>("txtDEF2")->setText("50");
        window->findChild<QPushButton*>("cmdDo")->click();

        QCOMPARE(c.lblMag->text(), "ヴァルナ");
        QCOMPARE(
            c.lblLv->text() + "," + c.stats[0].level->text() + "," + c.stats[0].progress->text(),
            "12,12,50");
        QVERIFY(c.cmdUndo->isEnabled());
        QCOMPARE(QString::fromStdString(main.ExistingRirekiWindow()->boxText()),
                 QString::fromUtf8(kHistoryHeading));
        QVERIFY(main.ExistingRirekiWindow()->isHidden());
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(main.findChildren<frmParameter*>().isEmpty());

        c.cmdUndo->click();
        QCOMPARE(c.lblMag->text(), "マグ");
    }
};

QTEST_MAIN(ParameterMenuTest)
#include "test_parameter_menu.moc"
