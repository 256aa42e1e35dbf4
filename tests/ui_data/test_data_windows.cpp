// The catalogue window and the feed-table window, driven as a user would.
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QtTest>

#include "engine/feed_tables.h"
#include "ui/data/catalogue.h"
#include "ui/data/mag_catalog_window.h"

using namespace toviran;

namespace {

MagState MagNamed(const char* name) {
    MagState state;
    state.MagName = name;
    return state;
}

QString Q(std::string_view s) {
    return QString::fromUtf8(s.data(), qsizetype(s.size()));
}

QString Text(const QWidget& window, const char* labelName) {
    const auto* label = window.findChild<QLabel*>(labelName);
    return label ? label->text() : QStringLiteral("<missing>");
}

QStringList Shown(const MagCatalogWindow& w) {
    QStringList texts;
    for (const char* name :
         {"lblName", "lblBlast", "lblGet", "lblPB", "lblHinshi", "lblDeath", "lblBoss"})
        texts << Text(w, name);
    for (const QLabel* l : w.LoadedFeedTable()->findChildren<QLabel*>()) texts << l->text();
    return texts;
}

QStringList Support(const MagCatalogWindow& w) {
    return Shown(w).mid(3, 4);
}

// True when the grid shows engine table `tableNo` in the columns IQ, Syn, DEF, POW, DEX, MIND.
bool GridShows(const FeedTableWindow& grid, int tableNo) {
    const FeedTable& table = FeedTableByNo(tableNo);
    for (int r = 0; r < kFeedItemCount; ++r) {
        const FeedDelta& d = table[r];
        const int expected[] = {d.iq, d.synchro, d.def, d.pow, d.dex, d.mind};
        for (int c = 0; c < 6; ++c) {
            const QString text = (expected[c] > 0 ? "+" : "") + QString::number(expected[c]);
            if (grid.Cell(r, c).text() != text) return false;
        }
    }
    return true;
}

// keyClicks takes Latin-1 only; Japanese text is typed as one key event per character.
void Type(QWidget* target, const QString& text) {
    for (const QChar ch : text) {
        QKeyEvent press(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, QString(ch));
        QApplication::sendEvent(target, &press);
    }
}

}  // namespace

class DataWindowsTest : public QObject {
    Q_OBJECT
  private slots:
    void opensOnTheCurrentMagAndDoesNotFollowIt();
    void picksShowTheEntryAndItsTableAndRepeatChangesNothing();
    void everyEntryShowsTheTableFeedingApplies();
    void onlyAListPickChangesTheEntry();
    void closingUnloadsTheGridAndUnticksTheMainWindowBox();
};

void DataWindowsTest::opensOnTheCurrentMagAndDoesNotFollowIt() {
    MagState mag = MagNamed("ヴァルナ");
    MagCatalogWindow w(mag, {});
    QCOMPARE(w.findChild<QComboBox*>("cmbMagMag")->currentText(), QStringLiteral("ヴァルナ"));
    QCOMPARE(Shown(w).mid(0, 7), (QStringList{"VARUNA", "ファーラ", "Lv10～34/ハンター", "無敵",
                                              "-", "-", "シフデバ"}));
    QVERIFY(w.LoadedFeedTable() && !w.LoadedFeedTable()->isVisible());
    QVERIFY(GridShows(*w.LoadedFeedTable(), 2));

    mag.MagName = "ルドラ";  // an evolution while the window is open
    QCoreApplication::processEvents();
    QCOMPARE(Text(w, "lblName"), QStringLiteral("VARUNA"));
}

void DataWindowsTest::picksShowTheEntryAndItsTableAndRepeatChangesNothing() {
    MagCatalogWindow w(MagNamed("マグ"), {});
    QCOMPARE(Text(*w.LoadedFeedTable(), "mmPOW"), QStringLiteral("+40"));
    const int oneLine = w.findChild<QLabel*>("lblGet")->height();

    w.PickMag(QStringLiteral("チュレル"));
    QCOMPARE(Text(w, "lblName"), QStringLiteral("CHUREL"));
    QVERIFY(Text(w, "lblGet").startsWith(QStringLiteral("偶数IDで「マグ細胞213」を使う")));
    QVERIFY(w.findChild<QLabel*>("lblGet")->height() >= 2 * oneLine - 2);
    QCOMPARE(Support(w), (QStringList{"シフデバ", "シフデバ", "リバーサー", "シフデバ"}));
    QCOMPARE(Text(*w.LoadedFeedTable(), "tmMIND"), QStringLiteral("-27"));
    QCOMPARE(Text(*w.LoadedFeedTable(), "stSyc"), QStringLiteral("+3"));

    w.PickMag(QStringLiteral("エルノア"));
    QCOMPARE(Support(w), (QStringList{"-", "無敵", "レスタ", "シフデバ"}));
    const QStringList once = Shown(w);
    const FeedTableWindow* grid = w.LoadedFeedTable();
    w.PickMag(QStringLiteral("エルノア"));
    QCOMPARE(Shown(w), once);
    QCOMPARE(w.LoadedFeedTable(), grid);
    QCOMPARE(w.findChild<QLabel*>("lblGet")->height(), oneLine);

    // Closed alone, the grid is filled again unseen by the next pick.
    w.LoadedFeedTable()->show();
    w.LoadedFeedTable()->close();
    w.PickMag(QStringLiteral("ミトラ"));
    QVERIFY(!w.LoadedFeedTable()->isVisible());
    QVERIFY(GridShows(*w.LoadedFeedTable(), 3));
    QCOMPARE(w.findChildren<FeedTableWindow*>().size(), 1);
}

void DataWindowsTest::everyEntryShowsTheTableFeedingApplies() {
    MagCatalogWindow w(MagNamed("マグ"), {});
    const auto* frame3 = w.findChild<QGroupBox*>("Frame3");
    const auto* lblGet = w.findChild<QLabel*>("lblGet");
    for (const CatalogEntry& e : Catalogue()) {
        w.PickMag(Q(e.listName));
        QCOMPARE(w.SelectedMagName(), std::string(e.listName));
        QVERIFY2(GridShows(*w.LoadedFeedTable(), FeedTableNoForName(e.listName)),
                 qPrintable(Q(e.listName)));
        // The longest texts must still fit the frame at the window's font.
        QVERIFY2(frame3->rect().contains(lblGet->geometry()), qPrintable(Q(e.listName)));
    }
}

void DataWindowsTest::onlyAListPickChangesTheEntry() {
    MagCatalogWindow w(MagNamed("マグ"), {});
    w.show();
    QVERIFY(QTest::qWaitForWindowExposed(&w));
    auto* combo = w.findChild<QComboBox*>("cmbMagMag");
    QLineEdit* edit = combo->lineEdit();
    edit->setFocus();
    edit->clear();
    Type(edit, QStringLiteral("チュレル"));
    QTest::keyClick(edit, Qt::Key_Return);
    // A click on another window takes the focus from the box, as when the user goes back
    // to the main window.
    QWidget elsewhere;
    elsewhere.show();
    QApplication::setActiveWindow(&elsewhere);
    QVERIFY(!combo->hasFocus());
    QCOMPARE(edit->text(), QStringLiteral("チュレル"));
    QCOMPARE(Text(w, "lblName"), QStringLiteral("MAG"));
    QApplication::setActiveWindow(&w);
    edit->setFocus();
    QCOMPARE(combo->count(), 57);

    QTest::keyClick(edit, Qt::Key_Down);  // stepping through the list is a pick
    QCOMPARE(Text(w, "lblName"), QStringLiteral("VARUNA"));
    w.PickMag(QStringLiteral("まぐ"));
    QCOMPARE(w.SelectedMagName(), std::string("ヴァルナ"));
}

void DataWindowsTest::closingUnloadsTheGridAndUnticksTheMainWindowBox() {
    // A stand-in main window whose box handler closes the catalogue again when unticked.
    QWidget main;
    auto* chkMag = new QCheckBox(&main);
    chkMag->setChecked(true);
    int closedCalls = 0;
    QPointer<MagCatalogWindow> w = new MagCatalogWindow(
        MagNamed("ナーガ"),
        [&] {
            ++closedCalls;
            chkMag->setChecked(false);
        },
        &main);
    QObject::connect(chkMag, &QCheckBox::toggled, [&](bool on) {
        if (!on && w) w->close();
    });
    QPointer<FeedTableWindow> grid = &w->FeedTable();
    w->show();
    grid->show();

    QVERIFY(w->close());
    QCOMPARE(closedCalls, 1);
    QVERIFY(!chkMag->isChecked());
    QVERIFY(!grid->isVisible());
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QVERIFY(w.isNull() && grid.isNull());
}

QTEST_MAIN(DataWindowsTest)
#include "test_data_windows.moc"
