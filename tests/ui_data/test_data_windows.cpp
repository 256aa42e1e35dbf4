// The catalogue window and the feed-table window, driven as a user would.
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QtTest>

#include "engine/feed_tables.h"
#include "engine/mag_state.h"
#include "ui/data/catalogue.h"
#include "ui/data/feed_grid.h"
#include "ui/data/mag_catalog_window.h"

using namespace toviran;

namespace {

MagState MagNamed(const char* name) {
    MagState state;
    state.MagName = name;
    return state;
}

QString Text(const QWidget& window, const char* labelName) {
    const auto* label = window.findChild<QLabel*>(QString::fromUtf8(labelName));
    return label ? label->text() : QStringLiteral("<missing %1>").arg(labelName);
}

QStringList SupportCaptions(const MagCatalogWindow& w) {
    return {Text(w, "lblPB"), Text(w, "lblHinshi"), Text(w, "lblDeath"), Text(w, "lblBoss")};
}

QString Signed(int v) {
    return (v > 0 ? QStringLiteral("+") : QString()) + QString::number(v);
}

// The grid of the feed-table window compared with the engine's table, cell by cell; the
// first difference is returned for the failure message.
QString GridDifference(const FeedTableWindow& grid, int tableNo) {
    const FeedTable& table = FeedTableByNo(tableNo);
    for (int r = 0; r < kFeedGridRows; ++r) {
        const FeedDelta& d = table[r];
        const std::array<int, 6> expected = {d.iq, d.synchro, d.def, d.pow, d.dex, d.mind};
        for (int c = 0; c < kFeedGridColumns; ++c) {
            if (grid.Cell(r, c).text() != Signed(expected[c]))
                return QStringLiteral("table %1 row %2 column %3: %4")
                    .arg(tableNo)
                    .arg(r)
                    .arg(c)
                    .arg(grid.Cell(r, c).text());
        }
    }
    return {};
}

QString Cell(const MagCatalogWindow& w, const char* name) {
    return w.LoadedFeedTable() ? Text(*w.LoadedFeedTable(), name) : QStringLiteral("<no grid>");
}

// Everything the two windows show, to see that a repeated pick changes nothing.
QStringList Shown(const MagCatalogWindow& w) {
    QStringList all = {Text(w, "lblName"), Text(w, "lblBlast"), Text(w, "lblGet")};
    all += SupportCaptions(w);
    for (const QLabel* l : w.findChildren<QLabel*>())
        all << QStringLiteral("%1@%2,%3,%4,%5")
                   .arg(l->objectName())
                   .arg(l->x())
                   .arg(l->y())
                   .arg(l->width())
                   .arg(l->height());
    for (int r = 0; r < kFeedGridRows; ++r)
        for (int c = 0; c < kFeedGridColumns; ++c) all << w.LoadedFeedTable()->Cell(r, c).text();
    return all;
}

// keyClicks takes Latin-1 only; Japanese text is typed as one key event per character.
void Type(QWidget* target, const QString& text) {
    for (const QChar ch : text) {
        QKeyEvent press(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, QString(ch));
        QApplication::sendEvent(target, &press);
    }
}

void Settle() {
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

}  // namespace

class DataWindowsTest : public QObject {
    Q_OBJECT
  private slots:
    void opensOnTheCurrentMagWithItsTableFilledButHidden();
    void picksShowTheEntryAndItsTable();
    void pickingTheSameMagTwiceChangesNothing();
    void everyEntryShowsTheTableFeedingApplies();
    void onlyAListPickChangesTheEntry();
    void closingUnloadsTheGridAndUnticksTheMainWindowBox();
    void aGridClosedAloneIsFilledAgainUnseen();
    void howToGetTextsStayInsideTheirFrame();
};

void DataWindowsTest::opensOnTheCurrentMagWithItsTableFilledButHidden() {
    MagState mag = MagNamed("ヴァルナ");
    MagCatalogWindow w(mag, {});
    QCOMPARE(w.windowTitle(), QStringLiteral("マグのとくちょう"));
    QCOMPARE(w.findChild<QComboBox*>("cmbMagMag")->currentText(), QStringLiteral("ヴァルナ"));
    QCOMPARE(Text(w, "lblName"), QStringLiteral("VARUNA"));
    QCOMPARE(Text(w, "lblBlast"), QStringLiteral("ファーラ"));
    QCOMPARE(Text(w, "lblGet"), QStringLiteral("Lv10～34/ハンター"));
    QCOMPARE(SupportCaptions(w), (QStringList{"無敵", "-", "-", "シフデバ"}));

    QVERIFY(w.LoadedFeedTable() != nullptr);
    QVERIFY(!w.LoadedFeedTable()->isVisible());
    QCOMPARE(w.LoadedFeedTable()->windowTitle(), QStringLiteral("えさ表"));
    QCOMPARE(GridDifference(*w.LoadedFeedTable(), 2), QString());

    // The shown entry is read once: a later evolution of the mag is not followed.
    mag.MagName = "ルドラ";
    QCoreApplication::processEvents();
    QCOMPARE(Text(w, "lblName"), QStringLiteral("VARUNA"));
    QCOMPARE(w.SelectedMagName(), std::string("ヴァルナ"));
}

void DataWindowsTest::picksShowTheEntryAndItsTable() {
    MagCatalogWindow w(MagNamed("マグ"), {});
    QCOMPARE(Cell(w, "mmPOW"), QStringLiteral("+40"));
    QCOMPARE(Cell(w, "mmMIND"), QStringLiteral("0"));
    const int oneLine = w.findChild<QLabel*>("lblGet")->height();

    w.PickMag(QStringLiteral("チュレル"));
    QCOMPARE(Text(w, "lblName"), QStringLiteral("CHUREL"));
    QCOMPARE(Text(w, "lblBlast"), QStringLiteral("-"));
    QVERIFY(Text(w, "lblGet").startsWith(QStringLiteral("偶数IDで「マグ細胞213」を使う")));
    QVERIFY(Text(w, "lblGet").contains(QStringLiteral("Lv１00")));
    QVERIFY(w.findChild<QLabel*>("lblGet")->height() >= 2 * oneLine - 2);
    QCOMPARE(SupportCaptions(w), (QStringList{"シフデバ", "シフデバ", "リバーサー", "シフデバ"}));
    QCOMPARE(Cell(w, "tmMIND"), QStringLiteral("-27"));
    QCOMPARE(Cell(w, "stSyc"), QStringLiteral("+3"));

    w.PickMag(QStringLiteral("エルノア"));
    QCOMPARE(Text(w, "lblName"), QStringLiteral("ELENOR"));
    QCOMPARE(SupportCaptions(w), (QStringList{"-", "無敵", "レスタ", "シフデバ"}));
    QCOMPARE(w.findChild<QLabel*>("lblGet")->height(), oneLine);

    // Table 5 shows what feeding an アンティパラライズ really does to MIND.
    w.PickMag(QStringLiteral("イラー"));
    QCOMPARE(Cell(w, "apMIND"), Signed(FeedTableByNo(5)[7].mind));
}

void DataWindowsTest::pickingTheSameMagTwiceChangesNothing() {
    MagCatalogWindow w(MagNamed("マグ"), {});
    w.PickMag(QStringLiteral("バーナ"));
    const QStringList once = Shown(w);
    const FeedTableWindow* grid = w.LoadedFeedTable();
    w.PickMag(QStringLiteral("バーナ"));
    QCOMPARE(Shown(w), once);
    QCOMPARE(w.LoadedFeedTable(), grid);
    QCOMPARE(w.findChildren<FeedTableWindow*>().size(), 1);
}

void DataWindowsTest::everyEntryShowsTheTableFeedingApplies() {
    MagCatalogWindow w(MagNamed("マグ"), {});
    for (const std::string_view name : AllMagNames()) {
        const QString qname = QString::fromUtf8(name.data(), qsizetype(name.size()));
        w.PickMag(qname);
        QCOMPARE(w.SelectedMagName(), std::string(name));
        const int tableNo = FeedTableNoForName(name);
        QVERIFY2(tableNo >= 1, qPrintable(qname));
        const QString diff = GridDifference(*w.LoadedFeedTable(), tableNo);
        QVERIFY2(diff.isEmpty(), qPrintable(qname + ": " + diff));
    }
}

void DataWindowsTest::onlyAListPickChangesTheEntry() {
    MagCatalogWindow w(MagNamed("マグ"), {});
    w.show();
    QVERIFY(QTest::qWaitForWindowExposed(&w));
    auto* combo = w.findChild<QComboBox*>("cmbMagMag");
    QLineEdit* edit = combo->lineEdit();
    edit->setFocus();

    // Typing a list name, even with Enter, leaves the shown entry alone.
    edit->clear();
    Type(edit, QStringLiteral("チュレル"));
    QCOMPARE(edit->text(), QStringLiteral("チュレル"));
    QTest::keyClick(edit, Qt::Key_Return);
    QCOMPARE(w.SelectedMagName(), std::string("マグ"));
    QCOMPARE(Text(w, "lblName"), QStringLiteral("MAG"));
    QCOMPARE(combo->count(), 57);

    // Stepping through the list with the arrow key is a pick.
    QTest::keyClick(edit, Qt::Key_Down);
    QCOMPARE(w.SelectedMagName(), std::string("ヴァルナ"));
    QCOMPARE(Text(w, "lblName"), QStringLiteral("VARUNA"));

    // A name the list does not hold changes nothing.
    w.PickMag(QStringLiteral("まぐ"));
    QCOMPARE(w.SelectedMagName(), std::string("ヴァルナ"));
}

void DataWindowsTest::closingUnloadsTheGridAndUnticksTheMainWindowBox() {
    // A stand-in for the main window: the box's handler closes the catalogue when
    // unticked, as the main window's display procedure does, so the close re-enters.
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
    Settle();
    QVERIFY(w.isNull());
    QVERIFY(grid.isNull());
}

void DataWindowsTest::aGridClosedAloneIsFilledAgainUnseen() {
    MagCatalogWindow w(MagNamed("マグ"), {});
    FeedTableWindow& grid = w.FeedTable();
    grid.show();
    QVERIFY(grid.close());
    Settle();
    w.PickMag(QStringLiteral("ミトラ"));
    QVERIFY(w.LoadedFeedTable() != nullptr);
    QVERIFY(!w.LoadedFeedTable()->isVisible());
    QCOMPARE(GridDifference(*w.LoadedFeedTable(), 3), QString());
}

void DataWindowsTest::howToGetTextsStayInsideTheirFrame() {
    MagCatalogWindow w(MagNamed("マグ"), {});
    const auto* frame3 = w.findChild<QGroupBox*>("Frame3");
    const auto* frame2 = w.findChild<QGroupBox*>("Frame2");
    const auto* lblGet = w.findChild<QLabel*>("lblGet");
    for (const CatalogEntry& e : Catalogue()) {
        const QString name = QString::fromUtf8(e.listName.data(), qsizetype(e.listName.size()));
        w.PickMag(name);
        QVERIFY2(frame3->rect().contains(lblGet->geometry()), qPrintable(name));
        for (const char* support : {"lblPB", "lblHinshi", "lblDeath", "lblBoss"}) {
            const auto* label = w.findChild<QLabel*>(support);
            QVERIFY2(frame2->rect().contains(label->geometry()), qPrintable(name));
        }
        QVERIFY(w.rect().contains(frame3->geometry()));
    }
}

QTEST_MAIN(DataWindowsTest)
#include "test_data_windows.moc"
