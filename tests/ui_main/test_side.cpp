// The mag data windows beside the main window, exit, the version message and the
// web links, through the main window's menus and buttons.
#include <QTemporaryDir>
#include <QtTest>
#include <filesystem>
#include <fstream>

#include "main_window_fixture.h"
#include "platform/qt_platform.h"
#include "ui/data/mag_catalog_window.h"
#include "ui/main/web_links.h"

using namespace toviran;
namespace fs = std::filesystem;

namespace {

struct SideFixture : testing::MainWindowFixture {
    MagCatalogWindow* Catalogue() const { return window.findChild<MagCatalogWindow*>(); }
    // Closed windows delete themselves once control returns to the event loop.
    static void Settle() { QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete); }
    // The catalogue right of the main window with the tops aligned, the feed table touching
    // its lower edge.
    void ExpectBeside(const MagCatalogWindow& catalogue) const {
        const QRect main = window.frameGeometry();
        const QPoint right(main.left() + main.width(), main.top());
        QCOMPARE(catalogue.frameGeometry().topLeft(), right);
        QCOMPARE(catalogue.LoadedFeedTable()->frameGeometry().topLeft(),
                 right + QPoint(0, catalogue.frameGeometry().height()));
    }
};

void Touch(const fs::path& file) {
    fs::create_directories(file.parent_path());
    std::ofstream(file) << "<html></html>";
}

}  // namespace

class SideTest : public QObject {
    Q_OBJECT
  private slots:
    void magDataWindowsOpenBesideTheMainWindowAndCloseTogether() {
        SideFixture f;
        QAction* menu = f.c().menu.mnuMag;
        menu->trigger();
        QVERIFY(menu->isChecked() && f.c().chkMag->isChecked());
        QPointer<MagCatalogWindow> catalogue = f.Catalogue();
        QPointer<QWidget> table = catalogue->LoadedFeedTable();
        QVERIFY(catalogue->isVisible() && table->isVisible());
        f.ExpectBeside(*catalogue);
        // Owned tool windows: each stays above its owner and is minimised with it.
        QCOMPARE(table->parentWidget(), catalogue.data());
        QCOMPARE(catalogue->parentWidget(), &f.window);
        QCOMPARE(table->windowType(), Qt::Tool);
        QCOMPARE(catalogue->windowType(), Qt::Tool);

        menu->trigger();
        QVERIFY(!menu->isChecked() && !f.c().chkMag->isChecked());
        SideFixture::Settle();
        QVERIFY(catalogue.isNull() && table.isNull());

        // The catalogue's own close box clears the mark; the menu then opens it again, in
        // the same place beside the main window each time.
        menu->trigger();
        f.ExpectBeside(*f.Catalogue());
        f.Catalogue()->close();
        QVERIFY(!menu->isChecked() && !f.c().chkMag->isChecked());
        SideFixture::Settle();
        QVERIFY(f.Catalogue() == nullptr);
        menu->trigger();
        QVERIFY(menu->isChecked() && f.Catalogue()->isVisible());
        f.ExpectBeside(*f.Catalogue());
    }

    // Whatever the window manager does with the feed table, owned by the catalogue.
    void sideWindowsHideAndReturnWithTheMinimisedMainWindow() {
        SideFixture f;
        f.c().menu.mnuMag->trigger();
        f.c().menu.mnuEsaRireki->trigger();
        const std::vector<QWidget*> sides{f.Catalogue(), f.Catalogue()->LoadedFeedTable(),
                                          f.window.ExistingRirekiWindow()};
        f.window.showMinimized();
        for (QWidget* side : sides) QVERIFY(side->isHidden());
        f.window.showNormal();
        for (QWidget* side : sides) QVERIFY(side->isVisible());
        QVERIFY(f.c().menu.mnuMag->isChecked() && f.c().menu.mnuEsaRireki->isChecked());
    }

    // Escape, pressed where the focus is, closes a side window as its close box does, and the
    // menu entry that shows it follows.
    void escapeClosesEachSideWindow() {
        SideFixture f;
        f.window.show();
        f.c().menu.mnuMag->trigger();
        f.c().menu.mnuEsaRireki->trigger();
        const auto escapeIn = [](QWidget* window) {
            window->activateWindow();
            QWidget* focus = window->focusWidget() != nullptr ? window->focusWidget() : window;
            QTest::keyClick(focus, Qt::Key_Escape);
            SideFixture::Settle();
        };
        QPointer<QWidget> table = f.Catalogue()->LoadedFeedTable();
        escapeIn(table);
        QVERIFY(table.isNull() || !table->isVisible());
        QPointer<MagCatalogWindow> catalogue = f.Catalogue();
        escapeIn(catalogue);
        QVERIFY(catalogue.isNull() || !catalogue->isVisible());
        QVERIFY(!f.c().menu.mnuMag->isChecked());
        QWidget* history = f.window.ExistingRirekiWindow();
        escapeIn(history);
        QVERIFY(!history->isVisible());
        QVERIFY(!f.c().menu.mnuEsaRireki->isChecked());
    }

    void exitAsksFirstButTheCloseBoxDoesNot() {
        SideFixture f;
        f.c().menu.mnuMag->trigger();
        f.c().menu.mnuEsaRireki->trigger();
        f.fakes.messages.answers = {false};
        f.c().cmdExit->click();
        QCOMPARE(f.fakes.messages.shown.back().text, std::string("TOVIRANを終了しますか？"));
        QCOMPARE(f.fakes.messages.shown.back().buttons, MessageButtons::OkCancel);
        QVERIFY(f.window.isVisible() && f.Catalogue()->isVisible());
        QVERIFY(f.window.ExistingRirekiWindow()->isVisible());

        f.c().menu.mnuExit->trigger();  // answered OK
        QCOMPARE(f.fakes.messages.shown.size(), std::size_t{2});
        QVERIFY(!f.window.isVisible());
        SideFixture::Settle();
        QVERIFY(f.Catalogue() == nullptr && f.window.ExistingRirekiWindow() == nullptr);

        SideFixture g;
        g.c().menu.mnuMag->trigger();
        g.window.close();
        QVERIFY(g.fakes.messages.shown.empty());
        QVERIFY(!g.window.isVisible() && !g.Catalogue()->isVisible());
    }

    void versionMessageAndWebLinks() {
        SideFixture f;
        f.c().menu.mnuVersion->trigger();
        const Message& version = f.fakes.messages.shown.back();
        QCOMPARE(version.text, std::string("TOVIRANVer 2.11 2002/TOVIRAN開発チーム"));
        QCOMPARE(version.icon, MessageIcon::None);
        QCOMPARE(version.title, std::string("TOVIRAN Ver2"));

        // Whatever the test program's folder holds, a failing browser is reported.
        f.fakes.browser.opens = false;
        f.c().menu.mnuLink2->trigger();
        QCOMPARE(f.fakes.messages.shown.size(), std::size_t{2});
        QVERIFY(f.window.isVisible());

        // A launcher that finds no browser says so only by its exit status.
        bool failed = false;
        QtBrowser("false").Open("file:///index.html", [&failed] { failed = true; });
        QTRY_VERIFY(failed);
    }

    void pagesAreFoundInstalledOrInTheBuildTree() {
        QTemporaryDir tmp;
        const fs::path root = tmp.path().toStdString();
        const std::string manual(WebLinks()[0].pageFile);
        const std::string chart(WebLinks()[1].pageFile);
        const fs::path bin = root / "prefix" / "bin";
        const fs::path app = root / "tree" / "build-x" / "src" / "app";
        fs::create_directories(bin);
        fs::create_directories(app);
        QVERIFY(!FindPage(bin, manual) && !FindPage(app, chart));

        // The manual in the sources links to a chart beside it that only the build makes.
        Touch(root / "tree" / "docs" / manual);
        QVERIFY(!FindPage(app, manual));

        const fs::path built = root / "tree" / "build-x" / "share" / "toviran";
        Touch(root / "prefix" / "share" / "toviran" / chart);
        Touch(built / chart);
        Touch(built / manual);
        QCOMPARE(FindPage(bin, chart), root / "prefix" / "share" / "toviran" / chart);
        QCOMPARE(FindPage(app, chart), built / chart);
        QCOMPARE(FindPage(app, manual), built / manual);

        FakeBrowser browser;
        FakeMessageBoxes boxes;
        OpenWebLink(WebLinks()[0], app, browser, boxes);
        QCOMPARE(browser.opened.back(), "file://" + (built / manual).string());
        QVERIFY(boxes.shown.empty());
        OpenWebLink(WebLinks()[0], bin, browser, boxes);  // not installed
        browser.opens = false;
        OpenWebLink(WebLinks()[1], bin, browser, boxes);
        QCOMPARE(boxes.shown.size(), std::size_t{2});
        QVERIFY(boxes.shown[1].text.find(browser.opened.back()) != std::string::npos);
    }
};

QTEST_MAIN(SideTest)
#include "test_side.moc"
