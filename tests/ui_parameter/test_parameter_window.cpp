// The parameter window driven as a user would: typing, pasting, picking and clicking.
#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QtTest>

#include "engine/undo.h"
#include "platform/fake_platform.h"
#include "test_support.h"
#include "ui/parameter/frm_parameter.h"
#include "ui/parameter/open_parameter_window.h"
#include "ui/stat_bar.h"

using namespace toviran;

namespace {

const char* const kImplausible = "おかしなパラメータだYO そんなマグいないYO";

QString Q(const std::string& s) {
    return QString::fromStdString(s);
}

// The mag's parameters as one line, so a failed comparison shows what differs.
QString Describe(const MagState& s) {
    QStringList v{Q(s.MagName)};
    for (int n : {s.Level, s.IQ, s.Synchro, s.DefLevel, s.DefProgress, s.PowLevel, s.PowProgress,
                  s.DexLevel, s.DexProgress, s.MindLevel, s.MindProgress})
        v << QString::number(n);
    return v.join(' ') + QString(" flag%1 rgb%2,%3,%4")
                             .arg(s.RareMagFlag)
                             .arg(int{s.NameColour.r})
                             .arg(int{s.NameColour.g})
                             .arg(int{s.NameColour.b});
}
// Everything applying or undoing may change.
QString Params(const MagState& s) {
    return Describe(s) + (s.UndoEnabled ? " undo " : " ") + Q(s.HistoryText);
}

// A fed mag with some history, so that applying visibly changes everything.
MagState FedMag() {
    MagState s;
    s.MagName = "ルドラ";
    s.Level = 38;
    s.IQ = 150;
    s.Synchro = 99;
    for (auto [k, level, progress] : {std::tuple(StatKind::Def, 20, 40),
                                      {StatKind::Pow, 10, 0},
                                      {StatKind::Dex, 5, 50},
                                      {StatKind::Mind, 3, 99}}) {
        StatLevel(s, k) = level;
        StatProgress(s, k) = progress;
    }
    s.HistoryText += "ルドラになった\r\n";
    return s;
}

}  // namespace

class ParameterWindowTest : public QObject {
    Q_OBJECT

    MagState state;
    FakeMessageBoxes boxes;
    testing::RecordingDisplay display;
    QWidget owner;
    QPointer<frmParameter> window;

    QLineEdit* Box(const char* name) { return window->findChild<QLineEdit*>(name); }
    double Fill(const char* bar) { return window->findChild<StatBar*>(bar)->FillTwips(); }
    void Click(const char* button) { window->findChild<QPushButton*>(button)->click(); }
    void Type(const char* box, const QString& keys) {
        Box(box)->selectAll();
        QTest::keyClicks(Box(box), keys);
    }
    void Pick(const QString& name) {
        auto* combo = window->findChild<QComboBox*>("cmbMag");
        combo->setCurrentIndex(combo->findText(name));
        emit combo->activated(combo->currentIndex());
    }
    void SetLevels(const QStringList& levels) {
        for (int i = 0; const char* box : {"txtDEF", "txtPOW", "txtDEX", "txtMIND"})
            Type(box, levels[i++]);
    }
    bool Closed() {
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        return window.isNull();
    }

  private slots:
    void init() {
        state = FedMag();
        boxes = {};
        display = {};
        owner.move(100, 60);
        owner.show();
        window = OpenParameterWindow(owner, state, boxes, display);
    }
    void cleanup() { delete window; }

    void opensWithDesignValuesAndClosesWithoutApplying() {
        QCOMPARE(window->findChild<QComboBox*>("cmbMag")->currentText(), "マグ");
        QCOMPARE(Box("txtDEF")->text() + Box("txtPOW")->text() + Box("txtMIND2")->text(), "500");
        QCOMPARE(Box("txtシンクロ")->text(), "40");
        QCOMPARE(Fill("picDEX"), 15.0);
        Click("cmdClose");
        QVERIFY(Closed());
        QVERIFY(boxes.shown.empty());
        QCOMPARE(Q(state.MagName), "ルドラ");
    }

    // Escape where the focus is closes the window without applying, as 閉じる does.
    void escapeClosesWithoutApplying() {
        Box("txtPOW")->setFocus();
        QTest::keyClick(Box("txtPOW"), Qt::Key_Escape);
        QVERIFY(Closed());
        QVERIFY(boxes.shown.empty());
        QCOMPARE(Q(state.MagName), "ルドラ");
    }

    void applyAtOnceMakesFreshMagUndoable() {
        const auto before = Params(state);
        Click("cmdDo");
        QCOMPARE(boxes.shown.size(), 1u);
        QCOMPARE(boxes.shown[0], (Message{MessageIcon::Question, "任意パラメータ設定",
                                          "パラメータを反映しますか？", MessageButtons::OkCancel}));
        QVERIFY(Closed());
        QCOMPARE(Params(state),
                 "マグ 5 0 40 5 0 0 0 0 0 0 0 flag0 rgb255,255,255 undo " + Q(kHistoryHeading));
        QVERIFY(display.Saw(DisplayItem::HistoryBox) && display.Saw(DisplayItem::UndoButton));
        UndoLastAction(state, display);
        QCOMPARE(Params(state), before);
    }

    void plausibilityChecks_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QStringList>("levels");
        QTest::addColumn<QString>("refusal");  // empty: applies
        QTest::newRow("class form 10") << "ヴァルナ" << QStringList{"4", "3", "2", "1"} << "";
        QTest::newRow("second form 9")
            << "ルドラ" << QStringList{"5", "4", "0", "0"} << "ちぇけら～";
        QTest::newRow("second form 10")
            << "ルドラ" << QStringList{"5", "5", "0", "0"} << "がびょーん";
        QTest::newRow("final form 34")
            << "ガルダ" << QStringList{"30", "4", "0", "0"} << "がびょーん";
        QTest::newRow("final form 35") << "ガルダ" << QStringList{"30", "5", "0", "0"} << "";
        QTest::newRow("rare 201") << "ピアン" << QStringList{"51", "50", "50", "50"}
                                  << "おかしいねおかしいさ";
        QTest::newRow("plain 200") << "マグ" << QStringList{"50", "50", "50", "50"} << "";
        QTest::newRow("beyond 16 bits") << "マグ" << QStringList{"32768", "0", "0", "0"} << "*";
    }
    void plausibilityChecks() {
        QFETCH(QString, name);
        QFETCH(QStringList, levels);
        QFETCH(QString, refusal);
        Pick(name);
        SetLevels(levels);
        const auto before = Params(state);
        Click("cmdDo");
        QCOMPARE(boxes.shown.size(), 1u);
        if (refusal.isEmpty()) {
            QVERIFY(Closed());
            QCOMPARE(Q(state.MagName), name);
            return;
        }
        const Message& shown = boxes.shown[0];
        QCOMPARE(shown.icon, MessageIcon::Exclamation);
        QCOMPARE(shown.buttons, MessageButtons::Ok);
        if (refusal != "*")
            QCOMPARE(shown,
                     (Message{MessageIcon::Exclamation, refusal.toStdString(), kImplausible}));
        QVERIFY(window->isVisible());
        QCOMPARE(Box("txtDEF")->text(), levels[0]);
        QCOMPARE(Params(state), before);
    }

    void cancelKeepsWindowAndMag() {
        const auto before = Params(state);
        boxes.answers = {false};
        Type("txtIQ", "12");
        Click("cmdDo");
        QVERIFY(window->isVisible());
        QCOMPARE(Box("txtIQ")->text(), "12");
        QCOMPARE(Params(state), before);
    }

    void boxesHoldOnlyDigits() {
        Type("txtDEF2", "150");
        QCOMPARE(Box("txtDEF2")->text(), "99");
        Box("txtDEF2")->selectAll();
        QTest::keyClicks(Box("txtDEF2"), "a- ");
        QTest::sendKeyEvent(QTest::Click, Box("txtDEF2"), Qt::Key_unknown, "５", {});
        QCOMPARE(Box("txtDEF2")->selectedText(), "99");  // nothing typed over the selection
        QTest::keyClick(Box("txtDEF2"), Qt::Key_Backspace);
        QTest::keyClick(Box("txtDEF2"), Qt::Key_Backspace);
        QCOMPARE(Box("txtDEF2")->text(), "0");
        Type("txtPOW", "70000");  // no upper limit until applying
        QCOMPARE(Box("txtPOW")->text(), "70000");
        QApplication::clipboard()->setText("4a5-b６\n7");
        Box("txtIQ")->selectAll();
        Box("txtIQ")->paste();
        QCOMPARE(Box("txtIQ")->text(), "457");
    }

    void barsFollowTypedProgress() {
        Type("txtPOW2", "50");
        QCOMPARE(Fill("picPOW"), 475.0);
        QCOMPARE(window->findChild<QWidget*>("picPOW2")->width() * 2,
                 window->findChild<QWidget*>("picPOW")->width() + 1);
        Type("txtPOW2", "0");
        QCOMPARE(Fill("picPOW"), 1.0);  // a sliver marks an empty bar
    }

    void captureThenApplyRoundTrips() {
        Type("txtPOW2", "0");
        Click("cmdCopy");
        QCOMPARE(window->findChild<QComboBox*>("cmbMag")->currentText(), "ルドラ");
        QCOMPARE(Box("txtDEF")->text() + "," + Box("txtMIND2")->text() + "," +
                     Box("txtIQ")->text() + "," + Box("txtシンクロ")->text(),
                 "20,99,150,99");
        QCOMPARE(Fill("picPOW"), 0.0);  // captured 0 draws as the main window does
        QCOMPARE(Fill("picDEX"), 475.0);
        QCOMPARE(Fill("picMIND"), 940.5);
        const QString expected = Describe(state);
        Click("cmdDo");
        QCOMPARE(Describe(state), expected);
    }

    // A click on 反映 takes the focus from the name box first, which is when the toolkit's
    // combo box would take a typed list name for a pick.
    void typedNameIsNotTheNameApplied() {
        auto* combo = window->findChild<QComboBox*>("cmbMag");
        QApplication::setActiveWindow(window);
        combo->setFocus(Qt::MouseFocusReason);
        combo->lineEdit()->selectAll();
        QTest::sendKeyEvent(QTest::Click, combo, Qt::Key_unknown, "チャオ", {});
        QTest::keyClick(combo, Qt::Key_Return);
        auto* apply = window->findChild<QPushButton*>("cmdDo");
        apply->setFocus(Qt::MouseFocusReason);
        QVERIFY(apply->hasFocus());
        QCOMPARE(combo->currentText(), "チャオ");
        apply->click();
        QVERIFY(Closed());
        QCOMPARE(Q(state.MagName), "マグ");
    }
};

QTEST_MAIN(ParameterWindowTest)
#include "test_parameter_window.moc"
