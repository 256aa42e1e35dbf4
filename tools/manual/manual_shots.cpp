// Takes the pictures of the user manual and the README from the real windows: a mag is
// fed, then the history, the timer, the mag data windows, the feed planner (a plan for a
// form, a plan for conditions on the stats, the table of every form) and the parameter
// window are opened through the menu, as a user would, and each window is saved as a PNG.
// Usage: manual_shots <folder>
#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QDeadlineTimer>
#include <QDir>
#include <QLineEdit>
#include <QPixmap>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>
#include <QTableWidget>
#include <cstdio>
#include <functional>

#include "engine/mag_state.h"
#include "platform/qt_platform.h"
#include "ui/main/main_window.h"
#include "ui/parameter/frm_parameter.h"
#include "ui/parameter/open_parameter_window.h"

namespace {

void Trigger(QWidget& window, const char* action) {
    if (auto* a = window.findChild<QAction*>(QString::fromUtf8(action))) a->trigger();
    QApplication::processEvents();
}

QWidget* TopLevel(const char* name) {
    for (QWidget* w : QApplication::topLevelWidgets())
        if (w->objectName() == QString::fromUtf8(name) && w->isVisible()) return w;
    return nullptr;
}

bool Save(QWidget* window, const QDir& folder, const char* file) {
    if (window == nullptr) {
        std::fprintf(stderr, "manual_shots: no window for %s\n", file);
        return false;
    }
    QApplication::processEvents();
    return window->grab().save(folder.filePath(QString::fromUtf8(file)));
}

// Runs the event loop until `done` holds; false when `seconds` pass first. The deadline only
// keeps a broken build from hanging: every search here ends by its work budget.
bool WaitFor(const std::function<bool()>& done, int seconds = 60) {
    const QDeadlineTimer deadline(seconds * 1000);
    while (!done()) {
        if (deadline.hasExpired()) return false;
        QApplication::processEvents(QEventLoop::WaitForMoreEvents, 50);
    }
    return true;
}

template <typename T>
T* Child(QWidget& window, const char* name) {
    return window.findChild<T*>(QString::fromUtf8(name));
}

void PickForm(QWidget& planner, const char* form) {
    auto* list = Child<QComboBox>(planner, "cmbForm");
    list->setCurrentIndex(list->findText(QString::fromUtf8(form)));
}

// Presses 探す and waits for the search to end. Asked at once after a form is picked, the
// search starts when the form's lowest level is known.
bool SearchAndWait(QWidget& planner) {
    auto* search = Child<QPushButton>(planner, "cmdSearch");
    auto* stop = Child<QPushButton>(planner, "cmdStop");
    search->click();
    return WaitFor([stop] { return stop->isEnabled(); }) &&
           WaitFor([search, stop] { return search->isEnabled() && !stop->isEnabled(); });
}

// The lowest level of カバンダ from a new mag: a plan the search could not prove shortest,
// with 「もっと探す」 offered.
bool ShootPlan(QWidget& planner, const QDir& folder) {
    Child<QRadioButton>(planner, "optFromNew")->setChecked(true);
    PickForm(planner, "カバンダ");
    return SearchAndWait(planner) && Save(&planner, folder, "planner-result.png");
}

// Any form at Lv35 with DEF at most 10 and POW at least 20, from a new mag.
bool ShootConditions(QWidget& planner, const QDir& folder) {
    PickForm(planner, "任意の姿");
    Child<QLineEdit>(planner, "txtLevel")->setText(QStringLiteral("35"));
    Child<QLineEdit>(planner, "txtDEF")->setText(QStringLiteral("..10"));
    Child<QLineEdit>(planner, "txtPOW")->setText(QStringLiteral("20.."));
    return SearchAndWait(planner) && Save(&planner, folder, "planner-conditions.png");
}

// The page of every form a new mag can become, filled in, with the row of ピアン chosen:
// a form whose lowest level the budget could not settle.
bool ShootForms(QWidget& planner, const QDir& folder) {
    planner.findChild<QTabWidget*>()->setCurrentIndex(1);
    Child<QRadioButton>(planner, "optReachFromNew")->setChecked(true);
    auto* run = Child<QPushButton>(planner, "cmdReachRun");
    auto* stop = Child<QPushButton>(planner, "cmdReachStop");
    // Every row known: neither button has anything left to start or stop.
    const bool filled =
        WaitFor([run, stop] { return !run->isEnabled() && !stop->isEnabled(); }, 600);
    auto* table = Child<QTableWidget>(planner, "tblForms");
    const auto rows = table->findItems(QStringLiteral("ピアン"), Qt::MatchExactly);
    if (!rows.isEmpty()) {
        table->setCurrentCell(rows.front()->row(), 0);
        table->scrollToItem(rows.front(), QAbstractItemView::PositionAtCenter);
    }
    return filled && !rows.isEmpty() && Save(&planner, folder, "planner-forms.png");
}

bool ShootPlanner(QWidget& main, const QDir& folder) {
    Trigger(main, "mnuPlanner");
    QWidget* planner = TopLevel("frmPlanner");
    if (planner == nullptr) return Save(planner, folder, "planner-result.png");
    planner->move(0, 0);
    bool ok = ShootPlan(*planner, folder);
    ok = ShootConditions(*planner, folder) && ok;
    ok = ShootForms(*planner, folder) && ok;
    Trigger(main, "mnuPlanner");
    return ok;
}

}  // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s <folder>\n", argv[0]);
        return 2;
    }
    const QDir folder(QString::fromLocal8Bit(argv[1]));
    toviran::MagState state;
    toviran::QtPlatform platform;
    toviran::frmMain main(state, platform.platform());
    platform.SetMainWindow(&main);
    main.move(0, 0);
    main.show();

    // A hunter's mag raised on 60 トリメイト and 30 スターアトマイザー.
    const auto& feed = main.controls().feedSlots;
    feed[0].item->setCurrentText(QStringLiteral("トリメイト"));
    feed[0].count->setText(QStringLiteral("60"));
    feed[1].check->setChecked(true);
    feed[1].item->setCurrentIndex(10);
    feed[1].count->setText(QStringLiteral("30"));
    main.cmdTake_Click();

    bool ok = Save(&main, folder, "main-window.png");
    Trigger(main, "mnuEsaRireki");
    ok = Save(main.ExistingRirekiWindow(), folder, "history-window.png") && ok;
    Trigger(main, "mnuEsaRireki");
    Trigger(main, "mnuTimer");
    ok = Save(&main, folder, "timer.png") && ok;
    Trigger(main, "mnuTimer");
    Trigger(main, "mnuMag");
    ok = Save(TopLevel("frmMagMag"), folder, "catalogue-window.png") && ok;
    ok = Save(TopLevel("frmEsa"), folder, "feed-table-window.png") && ok;
    Trigger(main, "mnuMag");
    ok = ShootPlanner(main, folder) && ok;

    auto* parameters =
        toviran::OpenParameterWindow(main, state, platform.platform().messages, main);
    if (auto* capture = parameters->findChild<QPushButton*>(QStringLiteral("cmdCopy")))
        capture->click();
    ok = Save(parameters, folder, "parameter-window.png") && ok;
    return ok ? 0 : 1;
}
