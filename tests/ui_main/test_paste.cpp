// Pasting data without any format (what an X11 clipboard that no program owns hands over)
// into every editable box of every window: nothing happens, and the program lives on.
#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QLineEdit>
#include <QMimeData>
#include <QPlainTextEdit>
#include <QtTest>

#include "main_window_fixture.h"
#include "ui/data/mag_catalog_window.h"
#include "ui/parameter/frm_parameter.h"

using namespace toviran;

namespace {

// The paste keys, with empty data on the clipboard, in each text box of `window` and in
// each editable combo box as a whole; returns how many boxes got them.
int PasteNothingEverywhere(QWidget& window) {
    QApplication::clipboard()->setMimeData(new QMimeData);
    int boxes = 0;
    for (QWidget* w : window.findChildren<QWidget*>()) {
        const auto* combo = qobject_cast<QComboBox*>(w);
        if (!qobject_cast<QLineEdit*>(w) && !qobject_cast<QPlainTextEdit*>(w) &&
            !(combo && combo->isEditable()))
            continue;
        QTest::keyClick(w, Qt::Key_V, Qt::ControlModifier);
        QTest::keyClick(w, Qt::Key_Insert, Qt::ShiftModifier);
        ++boxes;
    }
    return boxes;
}

}  // namespace

class PasteTest : public QObject {
    Q_OBJECT
  private slots:
    void pastingNothingChangesNothing() {
        testing::MainWindowFixture f;
        f.c().menu.mnuEsaRireki->trigger();
        frmRireki& rireki = *f.window.ExistingRirekiWindow();
        const QString history = rireki.txtRireki()->toPlainText();
        // Count boxes, item combos and the special items' combo (each with its line edit),
        // the history box.
        QCOMPARE(PasteNothingEverywhere(f.window), 4 + 2 * 5 + 1);
        QCOMPARE(rireki.txtRireki()->toPlainText(), history);
        QCOMPARE(f.slot(0).count->text(), QStringLiteral("1"));

        frmParameter parameters(f.state, f.fakes.messages, f.window);
        QCOMPARE(PasteNothingEverywhere(parameters), 10 + 2);
        MagCatalogWindow catalogue(f.state, {});
        QCOMPARE(PasteNothingEverywhere(catalogue), 2);

        // Real text still comes through.
        QApplication::clipboard()->setText(QString::fromUtf8("メモ"));
        QTest::keyClick(rireki.txtRireki(), Qt::Key_V, Qt::ControlModifier);
        QVERIFY(rireki.txtRireki()->toPlainText().startsWith(QString::fromUtf8("メモ")));
    }
};

QTEST_MAIN(PasteTest)
#include "test_paste.moc"
