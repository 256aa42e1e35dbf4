// The main window driven through its real widgets, with the desktop services faked.
#include <QApplication>
#include <QClipboard>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QtTest>

#include "engine/undo.h"
#include "main_window_fixture.h"
#include "platform/qt_platform.h"
#include "platform/toolkit_translation.h"
#include "test_support.h"
#include "ui/main/count_text.h"
#include "ui/main/slot_rotation.h"

using namespace toviran;
using testing::Q;

namespace {

// Redraws every value of the mag, for a test that has set the state directly.
void RefreshAll(DisplayObserver& d) {
    for (DisplayItem item : {DisplayItem::Name, DisplayItem::NameColour, DisplayItem::IQ,
                             DisplayItem::Synchro, DisplayItem::Level})
        d.Changed(item, StatKind::Def);
    for (StatKind k : kAllStats) {
        d.Changed(DisplayItem::StatLevel, k);
        d.Changed(DisplayItem::StatProgress, k);
    }
}

constexpr const char* kLargestCount = "2147483647";

QColor TextColour(const QWidget* w) {
    return w->palette().color(QPalette::WindowText);
}

struct Fixture : testing::MainWindowFixture {
    // Makes the mag as given and shows it, as the parameter window would.
    void SetMag(const char* name, int def, int pow, int dex, int mind) {
        state.MagName = name;
        testing::SetStats(state, def, pow, dex, mind);
        MatchRareFlagToName(state, window);
        RefreshAll(window);
    }
    // The labels and bars against the mag they should show.
    // Bars not redrawn since start still show their 15-twip design fill.
    void ExpectDisplayMatchesState(bool barsRedrawn = true) const {
        QCOMPARE(c().lblMag->text().toStdString(), state.MagName);
        QCOMPARE(c().lblLv->text(), QString::number(state.Level));
        QCOMPARE(c().lblIQ->text(), QString::number(state.IQ));
        QCOMPARE(c().lblシンクロ->text(), QString::number(state.Synchro));
        for (StatKind k : kAllStats) {
            const StatRowControls& row = c().stats[static_cast<std::size_t>(k)];
            QCOMPARE(row.level->text(), QString::number(StatLevel(state, k)));
            QCOMPARE(row.progress->text(), QString::number(StatProgress(state, k)));
            const float fill = barsRedrawn ? BarFillWidth(1000, StatProgress(state, k)) : 15.0f;
            QCOMPARE(row.bar->FillTwips(), static_cast<double>(fill));
        }
        QCOMPARE(c().cmdUndo->isEnabled(), state.UndoEnabled);
    }
};

bool SlotUsable(const FeedSlotControls& s) {
    const bool on = s.count->isEnabled();
    // The four controls of a slot are always switched together.
    if (s.item->isEnabled() != on || s.plus->isEnabled() != on || s.minus->isEnabled() != on)
        qFatal("slot controls out of step");
    return on;
}

}  // namespace

// Takes every key for itself before shortcuts run, as a text box does with its editing keys,
// and counts the keys it was offered.
class ClaimsShortcutKeys final : public QObject {
  public:
    QList<int> offered;

  protected:
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() != QEvent::ShortcutOverride) return false;
        offered << static_cast<QKeyEvent*>(event)->key();
        event->accept();
        return false;
    }
};

class MainWindowTest : public QObject {
    Q_OBJECT
    ClaimsShortcutKeys claimsShortcutKeys;

  private slots:
    void startsAsDesigned() {
        Fixture f;
        QCOMPARE(f.window.windowTitle(), Q("マグ育成シミュレータ TOVIRAN Ver2"));
        QVERIFY(f.c().lblTitle->isVisible() && f.c().lblTitle3->isVisible());
        QVERIFY(!f.c().lblTimer->isVisible() && !f.c().cmdTimer->isVisible());
        for (QWidget* hidden : {f.c().chkTimer, f.c().chkMag, f.c().chkRireki})
            QVERIFY(!hidden->isVisible());
        QCOMPARE(f.c().lblMag->text(), Q("マグ"));
        f.ExpectDisplayMatchesState(false);
        QCOMPARE(f.c().stats[0].bar->Fill().width(), 1);  // 15 twips until first redraw
        QVERIFY(f.c().optKazu->isChecked() && f.c().optHun->isChecked() &&
                f.c().optID0->isChecked());
        QVERIFY(SlotUsable(f.slot(0)));
        for (int i = 1; i < 4; ++i) QVERIFY(!SlotUsable(f.slot(i)));
        QVERIFY(f.slot(1).check->isEnabled());
        QVERIFY(!f.slot(2).check->isEnabled() && !f.slot(3).check->isEnabled());
        QCOMPARE(f.slot(2).item->currentText(), Q("モノメイト"));
        QCOMPARE(f.slot(2).item->count(), 11);
        QCOMPARE(f.c().cmbAwake->currentText(), Q("レアマグ進化"));
        // Every control is reachable by its name.
        QCOMPARE(f.window.findChild<QWidget*>("picMIND2"), &f.c().stats[3].bar->Fill());
        QVERIFY(f.window.findChild<QAction*>("mnuEsaRireki")->isCheckable());
    }

    void slotOneCannotBeSwitchedOff() {
        Fixture f;
        QCheckBox* chk1 = f.slot(0).check;
        QTest::mouseClick(chk1, Qt::LeftButton);
        QVERIFY(chk1->isChecked());
        chk1->setChecked(false);
        QVERIFY(chk1->isChecked());
    }

    void slotChainOnTheWindow() {
        Fixture f;
        f.slot(3).check->setChecked(true);  // disabled boxes keep their value
        f.slot(1).check->setChecked(true);
        QVERIFY(SlotUsable(f.slot(1)) && !SlotUsable(f.slot(2)) && !SlotUsable(f.slot(3)));
        QTest::mouseClick(f.slot(2).check, Qt::LeftButton);
        QVERIFY(SlotUsable(f.slot(2)) && SlotUsable(f.slot(3)));
        f.slot(1).check->setChecked(false);
        for (int i = 1; i < 4; ++i) QVERIFY(!SlotUsable(f.slot(i)));
        QVERIFY(f.slot(2).check->isChecked() && !f.slot(2).check->isEnabled());
        // A grey box stops the chain; a user's click on it checks it.
        f.slot(1).check->setCheckState(Qt::PartiallyChecked);
        QVERIFY(!SlotUsable(f.slot(1)));
        QTest::mouseClick(f.slot(1).check, Qt::LeftButton);
        QCOMPARE(f.slot(1).check->checkState(), Qt::Checked);
        QVERIFY(SlotUsable(f.slot(1)) && SlotUsable(f.slot(2)) && SlotUsable(f.slot(3)));
        // Further down, a grey box leaves what comes after it as it was.
        using enum CheckValue;
        const SlotEnabling before{true, false, {true, false, true}};
        QCOMPARE(ローテーション(Checked, Grey, Unchecked, before), before);
        QCOMPARE(ローテーション(Checked, Checked, Grey, before),
                 (SlotEnabling{true, true, {true, true, true}}));
        QCOMPARE(ローテーション(Checked, Checked, Unchecked, before),
                 (SlotEnabling{true, true, {true, true, false}}));
    }

    void modeSwitchesHideAndReshowSlots() {
        Fixture f;
        f.slot(1).check->setChecked(true);
        f.c().optLv->setChecked(true);  // from code, as a click would
        QVERIFY(!f.slot(1).check->isChecked() && !f.slot(1).check->isEnabled());
        for (int i = 1; i < 4; ++i) {
            QVERIFY(f.slot(i).item->isHidden() && f.slot(i).count->isHidden() &&
                    f.slot(i).check->isHidden() && f.slot(i).minus->isHidden());
        }
        QVERIFY(f.slot(0).count->isVisible() && f.slot(0).plus->isVisible());
        QVERIFY(!f.c().optKazu->isChecked());
        QTest::mouseClick(f.c().optKazu, Qt::LeftButton);
        QVERIFY(f.c().optKazu->isChecked());
        // The mode options leave the class and ID options alone.
        QVERIFY(f.c().optHun->isChecked() && f.c().optID0->isChecked());
        for (int i = 1; i < 4; ++i) QVERIFY(f.slot(i).item->isVisible() && !SlotUsable(f.slot(i)));
        QVERIFY(f.slot(1).check->isEnabled() && !f.slot(1).check->isChecked());
    }

    void plusAndMinusStopAtTheirBounds() {
        // (text, after minus, after plus)
        for (auto [text, minus, plus] : {std::tuple{"0", "1", "1"},
                                         {"03", "2", "4"},
                                         {kLargestCount, "2147483646", kLargestCount},
                                         {"99999999999", kLargestCount, "99999999999"}}) {
            QCOMPARE(CountAfterMinus(text), std::string(minus));
            QCOMPARE(CountAfterPlus(text), std::string(plus));
        }
        Fixture f;
        CountBox* box = f.slot(0).count;
        QTest::mouseClick(f.slot(0).minus, Qt::LeftButton);
        QCOMPARE(box->text(), Q("1"));
        QTest::mouseClick(f.slot(0).plus, Qt::LeftButton);
        QCOMPARE(box->text(), Q("2"));
    }

    void countBoxesHoldDigitsOnly() {
        Fixture f;
        CountBox* box = f.slot(0).count;
        box->setFocus();
        QTest::keyClicks(box, "a2-b");
        QCOMPARE(box->text(), Q("12"));
        box->selectAll();
        QTest::keyClicks(box, "x ");
        QCOMPARE(box->selectedText(), Q("12"));  // refused keys leave text and selection
        box->selectAll();
        QTest::keyClick(box, Qt::Key_Backspace);
        QCOMPARE(box->text(), Q("1"));  // emptied boxes show 1 at once
        box->selectAll();
        QApplication::clipboard()->setText(Q("3 個\n0x"));
        box->paste();
        QCOMPARE(box->text(), Q("30"));
    }

    // On X11 a text box claims Ctrl+E ("end of line") before any shortcut; here every field
    // claims every key that way. The menu entries win all the same, in every window.
    void menuShortcutsWorkWhateverHasTheFocus() {
        Fixture f;
        QAction* rireki = f.c().menu.mnuEsaRireki;
        rireki->trigger();
        QPlainTextEdit* history = f.window.ExistingRirekiWindow()->txtRireki();
        const std::initializer_list<QWidget*> fields{f.slot(0).count, f.slot(0).item,
                                                     f.c().cmbAwake, history};
        for (QWidget* field : fields) field->installEventFilter(&claimsShortcutKeys);
        QApplication::setActiveWindow(&f.window);
        for (QWidget* field : fields) {
            if (field == history) QApplication::setActiveWindow(history->window());
            field->setFocus();
            const bool timerShown = f.c().menu.mnuTimer->isChecked();
            QTest::keyClick(field, Qt::Key_T, Qt::ControlModifier);
            QCOMPARE(f.c().menu.mnuTimer->isChecked(), !timerShown);
        }
        QTest::keyClick(history, Qt::Key_E, Qt::ControlModifier);
        QVERIFY(!rireki->isChecked() && f.window.ExistingRirekiWindow() == nullptr);
    }

    // A disabled entry's key belongs to the text box or combo box that has the focus.
    void disabledMenuEntryLeavesItsKeyToTheFocusedBox() {
        Fixture f;
        QAction* timer = f.c().menu.mnuTimer;
        timer->setEnabled(false);
        QApplication::setActiveWindow(&f.window);
        for (QWidget* field : std::initializer_list<QWidget*>{f.slot(0).count, f.c().cmbAwake}) {
            ClaimsShortcutKeys box;
            field->installEventFilter(&box);
            field->setFocus();
            QTest::keyClick(field, Qt::Key_T, Qt::ControlModifier);
            QVERIFY(box.offered.contains(Qt::Key_T));
            QVERIFY(!timer->isChecked());
        }
    }

    // Resting over a combo box without the focus, the wheel picks nothing and runs nothing.
    void wheelLeavesUnfocusedComboBoxesAlone() {
        Fixture f;
        QApplication::setActiveWindow(&f.window);
        f.slot(0).count->setFocus();
        const auto turn = [](QComboBox* combo) {
            const QPointF at = combo->rect().center();
            QWheelEvent wheel(at, combo->mapToGlobal(at), {}, {0, -120}, Qt::NoButton,
                              Qt::NoModifier, Qt::NoScrollPhase, false);
            QApplication::sendEvent(combo, &wheel);
        };
        turn(f.c().cmbAwake);
        turn(f.slot(0).item);
        QCOMPARE(f.c().cmbAwake->currentIndex(), -1);
        QCOMPARE(f.slot(0).item->currentIndex(), -1);
        QVERIFY(f.fakes.messages.shown.empty());
        QVERIFY(f.slot(0).count->hasFocus());
        f.slot(0).item->setFocus();  // a focused box steps through its list as usual
        turn(f.slot(0).item);
        QCOMPARE(f.slot(0).item->currentIndex(), 0);
    }

    void barBelowOneHundredNeverFillsItsTrack() {
        Fixture f;
        StatBar& bar = *f.c().stats[0].bar;
        QCOMPARE(BarFillWidth(1000, 5), 50.0f);
        QCOMPARE(BarFillWidth(1000, 99), 990.0f);
        bar.SetFillTwips(BarFillWidth(1000, 100));
        QCOMPARE(bar.Fill().width(), bar.width());
        bar.SetFillTwips(BarFillWidth(1000, 99));
        QVERIFY(bar.Fill().width() < bar.width());
    }

    void feedButtonRunsAndShowsTheResult() {
        Fixture f;
        f.slot(1).check->setChecked(true);
        f.slot(1).item->setCurrentIndex(2);  // トリメイト, picked from code
        f.slot(1).count->setText("25");
        f.Feed("40");
        QVERIFY(f.fakes.messages.shown.empty());
        QCOMPARE(f.state.FeedCount, 65);
        QCOMPARE(f.state.FeedName2, std::string("トリメイト"));
        QVERIFY(f.state.Level > 5 && f.c().cmdUndo->isEnabled());
        f.ExpectDisplayMatchesState();
        QTest::mouseClick(f.c().cmdUndo, Qt::LeftButton);
        QCOMPARE(f.state.Level, std::int16_t{5});
        f.ExpectDisplayMatchesState();
        QVERIFY(!f.c().cmdUndo->isEnabled());
    }

    void refusedRunsChangeNothing_data() {
        QTest::addColumn<bool>("levelMode");
        QTest::addColumn<QString>("count");
        QTest::addColumn<QString>("text");
        QTest::newRow("too many") << false << "10001"
                                  << "えさが多すぎるとおもうんだよ";
        QTest::newRow("level reached") << true << "5"
                                       << "Lv設定が変だぜ？";
        QTest::newRow("nothing to feed") << false << "0"
                                         << "";
    }
    void refusedRunsChangeNothing() {
        QFETCH(bool, levelMode);
        QFETCH(QString, count);
        QFETCH(QString, text);
        Fixture f;
        if (levelMode) f.c().optLv->setChecked(true);
        const std::string history = f.state.HistoryText;
        f.Feed(count.toUtf8().constData());
        if (text.isEmpty()) {
            QVERIFY(f.fakes.messages.shown.empty());
        } else {
            QCOMPARE(f.fakes.messages.shown.size(), std::size_t{1});
            QCOMPARE(QString::fromStdString(f.fakes.messages.shown[0].text), text);
            QCOMPARE(f.fakes.messages.shown[0].icon, MessageIcon::Information);
        }
        QCOMPARE(f.state.Level, std::int16_t{5});
        QCOMPARE(f.state.HistoryText, history);
        QVERIFY(!f.c().cmdUndo->isEnabled());
        f.ExpectDisplayMatchesState(false);
    }

    void levelModeFeedsUpToTheTarget() {
        Fixture f;
        f.c().optLv->setChecked(true);
        f.Feed("30");
        QVERIFY(f.state.Level >= 30);
        f.ExpectDisplayMatchesState();
    }

    void rareEvolutionMessagesAndName() {
        Fixture f;
        QComboBox* awake = f.c().cmbAwake;
        emit awake->activated(0);  // マグ細胞213 on a level-5 mag
        auto& shown = f.fakes.messages.shown;
        QCOMPARE(shown.size(), std::size_t{2});
        QCOMPARE(shown[0].icon, MessageIcon::None);
        QCOMPARE(shown[0].title, std::string("TOVIRAN Ver2"));
        QCOMPARE(shown[1].text, std::string("条件を満たしていないよ"));
        QCOMPARE(shown[1].icon, MessageIcon::Exclamation);
        f.SetMag("マグ", 25, 25, 25, 25);
        QTest::mouseClick(f.c().optID1, Qt::LeftButton);
        shown.clear();
        emit awake->activated(1);  // マグ細胞502, odd ID
        QCOMPARE(shown.size(), std::size_t{1});
        QCOMPARE(f.c().lblMag->text(), Q("ピトリ"));
        QCOMPARE(TextColour(f.c().lblMag), QColor(0, 192, 0));
        QVERIFY(f.c().lblMag->width() > 405 / 15);  // sized to the longer name
        emit awake->activated(2);
        QCOMPARE(shown.back().text, std::string("その進化は無理っす"));
        QCOMPARE(shown.size(), std::size_t{2});
    }

    void conversionAsksAndKeepsTheStats() {
        Fixture f;
        f.SetMag("エルノア", 60, 30, 20, 10);
        auto& fakeBoxes = f.fakes.messages;
        fakeBoxes.answers = {false};
        QTest::mouseClick(f.c().lblMag, Qt::LeftButton);  // Cancel
        QCOMPARE(fakeBoxes.shown.at(0).icon, MessageIcon::Question);
        QCOMPARE(fakeBoxes.shown.at(0).buttons, MessageButtons::OkCancel);
        QCOMPARE(f.c().lblMag->text(), Q("エルノア"));
        f.c().menu.mnuVer2->trigger();  // OK
        QCOMPARE(f.c().lblMag->text(), Q("マグ"));
        QCOMPARE(TextColour(f.c().lblMag), QColor(255, 255, 255));
        QCOMPARE(f.c().lblLv->text(), Q("120"));
        QCOMPARE(f.c().stats[0].level->text(), Q("60"));
        f.c().menu.mnuVer2->trigger();  // no longer a Ver2 mag
        QCOMPARE(fakeBoxes.shown.size(), std::size_t{3});
        QCOMPARE(fakeBoxes.shown.back().icon, MessageIcon::Information);
        // A rare mag in another colour is not converted.
        f.SetMag("チャオ", 35, 35, 35, 35);
        QTest::mouseClick(f.c().lblMag, Qt::LeftButton);
        QCOMPARE(f.c().lblMag->text(), Q("チャオ"));
    }

    void newMagResetsTheDisplayAndCanBeUndone() {
        Fixture f;
        f.SetMag("エルノア", 60, 30, 20, 10);
        f.state.DexProgress = 55;
        RefreshAll(f.window);
        f.c().menu.mnuNew->trigger();
        QCOMPARE(f.c().lblMag->text(), Q("マグ"));
        QCOMPARE(TextColour(f.c().lblMag), QColor(255, 255, 255));
        QCOMPARE(f.c().stats[2].bar->Fill().width(), 0);
        f.ExpectDisplayMatchesState();
        QTest::mouseClick(f.c().cmdUndo, Qt::LeftButton);
        QCOMPARE(f.c().lblMag->text(), Q("エルノア"));
        QCOMPARE(TextColour(f.c().lblMag), QColor(255, 128, 128));
        f.ExpectDisplayMatchesState();
    }

    // The real message box: icon, title (the default one when none is given, and never
    // narrower than the box), buttons in Japanese, and the answer.
    void qtMessageBoxShowsAndAnswers() {
        QVERIFY(InstallToolkitTranslation(*QCoreApplication::instance()));
        QtMessageBoxes boxes;
        QMessageBox::Icon icon = QMessageBox::NoIcon;
        QString title, cancel;
        QMessageBox::StandardButtons buttons;
        int width = 0;
        const auto answerWith = [&](QMessageBox::StandardButton press) {
            QTimer::singleShot(0, [&, press] {
                auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
                QVERIFY(box);
                icon = box->icon();
                title = box->windowTitle();
                buttons = box->standardButtons();
                if (box->button(QMessageBox::Cancel))
                    cancel = box->button(QMessageBox::Cancel)->text();
                width = box->width();
                box->button(press)->click();
            });
        };
        answerWith(QMessageBox::Cancel);
        QVERIFY(!boxes.Show({MessageIcon::Question, "コンバート", "?", MessageButtons::OkCancel}));
        QCOMPARE(icon, QMessageBox::Question);
        QCOMPARE(title, Q("コンバート"));
        QCOMPARE(buttons, QMessageBox::Ok | QMessageBox::Cancel);
        QCOMPARE(cancel, Q("キャンセル"));
        answerWith(QMessageBox::Ok);
        boxes.Show({MessageIcon::Information, "すでにそのLvに達してますねぇ", "Lv設定が変だぜ？"});
        QFont bold = QApplication::font();
        bold.setBold(true);
        QVERIFY(width > QFontMetrics(bold).horizontalAdvance(title));
        answerWith(QMessageBox::Ok);
        Message usage;  // no icon, the program's title
        usage.text = "x";
        QVERIFY(boxes.Show(usage));
        QCOMPARE(icon, QMessageBox::NoIcon);
        QCOMPARE(title, Q("TOVIRAN Ver2"));
        QCOMPARE(buttons, QMessageBox::StandardButtons(QMessageBox::Ok));
        answerWith(QMessageBox::Ok);
        boxes.Show({MessageIcon::Exclamation, "t", "x", MessageButtons::Ok});
        QCOMPARE(icon, QMessageBox::Warning);
    }
};

QTEST_MAIN(MainWindowTest)
#include "test_main_window.moc"
