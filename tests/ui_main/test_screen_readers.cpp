// What a screen reader is told about the windows, through the toolkit's accessibility
// interfaces: every control has a name of its own, and greyed entries read as greyed.
#include <QAccessible>
#include <QGroupBox>
#include <QProgressBar>
#include <QtTest>

#include "planner_fixture.h"
#include "ui/planner/form_list.h"

using namespace toviran;
using testing::PlannerFixture;

namespace {

QAccessibleInterface* Accessible(QObject* object) {
    return QAccessible::queryAccessibleInterface(object);
}

QString Name(QObject* object) {
    return Accessible(object)->text(QAccessible::Name);
}

// The controls a player reaches in `window`: buttons, boxes, lists, bars and tables (a
// list's own text box and a table's inner parts speak through their owner).
std::vector<QWidget*> Controls(QWidget& window) {
    std::vector<QWidget*> controls;
    for (QWidget* w : window.findChildren<QWidget*>()) {
        if (w->window() != &window || qobject_cast<QComboBox*>(w->parentWidget()) ||
            qobject_cast<QAbstractItemView*>(w->parentWidget()) ||
            qobject_cast<QAbstractScrollArea*>(w->parentWidget()) ||
            w->objectName().startsWith(QStringLiteral("qt_")))
            continue;
        if (qobject_cast<QAbstractButton*>(w) || qobject_cast<QLineEdit*>(w) ||
            qobject_cast<QComboBox*>(w) || qobject_cast<QProgressBar*>(w) ||
            qobject_cast<QTableView*>(w))
            controls.push_back(w);
    }
    return controls;
}

// Named, not after the box around it, and no two text boxes alike.
void ExpectEachNamed(QWidget& window) {
    QStringList boxNames;
    for (QWidget* w : Controls(window)) {
        const QString name = Name(w);
        QVERIFY2(!name.isEmpty(), qPrintable(w->objectName()));
        if (const auto* frame = qobject_cast<QGroupBox*>(w->parentWidget()))
            QVERIFY2(name != frame->title(), qPrintable(w->objectName()));
        if (qobject_cast<QLineEdit*>(w)) boxNames << name;
    }
    QVERIFY(!boxNames.isEmpty());
    const qsizetype boxes = boxNames.size();
    boxNames.removeDuplicates();
    QCOMPARE(boxNames.size(), boxes);
}

}  // namespace

class ScreenReaderTest : public QObject {
    Q_OBJECT
  private slots:
    void everyControlOfEveryWindowHasAName() {
        PlannerFixture f;
        const PlannerControls& p = f.Open();
        ExpectEachNamed(f.window);
        ExpectEachNamed(*f.Planner());
        f.c().menu.mnuFormat->trigger();
        QWidget* parameter = QApplication::activeModalWidget();
        QVERIFY(parameter != nullptr);
        ExpectEachNamed(*parameter);
        parameter->close();

        QCOMPARE(Name(f.c().cmdUndo), QStringLiteral("アンドゥ"));
        QCOMPARE(f.c().cmdUndo->text(), QStringLiteral("Π"));
        QCOMPARE(Name(p.progress), QStringLiteral("探す作業の進み具合"));
        QCOMPARE(Name(p.table), QStringLiteral("プランの表"));
        // Slot 1's box holds the target level in level mode.
        QTest::mouseClick(f.c().optLv, Qt::LeftButton);
        QCOMPARE(Name(f.slot(0).count), QStringLiteral("目標のレベル"));
        QTest::mouseClick(f.c().optKazu, Qt::LeftButton);
        QCOMPARE(Name(f.slot(0).count), QStringLiteral("えさ1の個数"));
    }

    // The notes under the target are named even while empty, and read what they say.
    void theNotesReadWhatTheySay() {
        PlannerFixture f;
        const PlannerControls& p = f.Open();
        for (QLabel* note :
             {p.lblFormNote, p.lblLevelNote, p.lblStatus, p.lblRequest, p.lblSummary}) {
            QVERIFY2(!Name(note).isEmpty(), qPrintable(note->objectName()));
            QVERIFY(Name(note) != QStringLiteral("目標"));
        }
        f.c().optRan->setChecked(true);
        f.Ask("ルドラ", 35);  // which RA cannot reach
        QVERIFY(p.lblFormNote->isVisibleTo(f.Planner()));
        QCOMPARE(Name(p.lblFormNote), WithoutJoiners(p.lblFormNote->text()));
        QVERIFY(!Name(p.lblFormNote).contains(QChar(0x2060)));
    }

    // この回をセット, greyed, tells why in its description as in its tooltip.
    void aGreyedSetButtonSaysWhy() {
        PlannerFixture f;
        const PlannerControls& p = f.Open();
        f.Ask("ルドラ", 35);
        p.cmdSearch->click();
        QVERIFY(f.SearchEnds());
        QVERIFY(p.cmdSet->isEnabled());
        f.window.SetFeedInputs(planner::FeedRequestFor(f.Planner()->ShownPlan()->presses[0],
                                                       CharacterClass::HU, SectionIdParity::Even));
        PlannerFixture::Press(f.c().cmdTake);
        QVERIFY(!p.cmdSet->isEnabled());
        QAccessibleInterface* set = Accessible(p.cmdSet);
        QVERIFY(set->state().disabled);
        QCOMPARE(set->text(QAccessible::Description),
                 QStringLiteral("このプランはもう終わっています。"));
    }

    // Greyed forms cannot be picked, and the list says so of each.
    void greyedFormsReadAsGreyed() {
        PlannerFixture f;
        const PlannerControls& p = f.Open();
        for (QRadioButton* cls : {f.c().optHun, f.c().optFor}) {
            cls->setChecked(true);
            QAccessibleInterface* list = Accessible(p.cmbForm->view());
            QCOMPARE(list->childCount(), p.cmbForm->count());
            int greyed = 0;
            for (int row = 0; row < p.cmbForm->count(); ++row) {
                QAccessibleInterface* entry = list->child(row);
                const int form = p.cmbForm->itemData(row).toInt();
                QCOMPARE(entry->state().disabled, FormGreyed(*p.cmbForm, form));
                QCOMPARE(entry->text(QAccessible::Name), p.cmbForm->itemText(row));
                QCOMPARE(list->indexOfChild(entry), row);
                greyed += entry->state().disabled ? 1 : 0;
            }
            QVERIFY(greyed > 0 && greyed < p.cmbForm->count());
        }
    }

    // The slot lists drop down as wide as their longest name, the boxes keep their width;
    // in a wider font than the design's too (a desktop may lack the design's face).
    void slotListsDropDownWithWholeNames() {
        testing::MainWindowFixture f;
        for (int i = 0; i < 4; ++i) {
            QComboBox& list = *f.slot(i).item;
            const int boxWidth = list.width();
            list.setEnabled(true);
            QFont wide = list.font();
            wide.setPointSizeF(wide.pointSizeF() * (1 + i / 4.0));
            list.setFont(wide);
            list.showPopup();
            QAbstractItemView& view = *list.view();
            QTRY_VERIFY(view.isVisible());
            const QModelIndex star = view.model()->index(list.count() - 1, 0);
            QCOMPARE(star.data().toString(), QStringLiteral("スターアトマイザー"));
            QVERIFY(view.viewport()->width() >= view.sizeHintForIndex(star).width());
            list.hidePopup();
            QCOMPARE(list.width(), boxWidth);
        }
    }
};

QTEST_MAIN(ScreenReaderTest)
#include "test_screen_readers.moc"
