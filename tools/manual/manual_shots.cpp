// Takes the pictures of the user manual and the README from the real windows: a mag is
// fed, then the history, the timer, the mag data windows, the feed planner (searching for a
// final form, then with its plan) and the parameter window are opened through the menu, as
// a user would, and each window is saved as a PNG. Usage: manual_shots <folder>
#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QDeadlineTimer>
#include <QDir>
#include <QPixmap>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
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

// Runs the event loop until `done` holds; false when a minute passes first.
bool WaitFor(const std::function<bool()>& done) {
    const QDeadlineTimer deadline(60000);
    while (!done()) {
        if (deadline.hasExpired()) return false;
        QApplication::processEvents(QEventLoop::WaitForMoreEvents, 50);
    }
    return true;
}

// The planner looking for a カバンダ at its lowest level from a new mag, then its plan.
bool ShootPlanner(QWidget& main, const QDir& folder) {
    Trigger(main, "mnuPlanner");
    QWidget* planner = TopLevel("frmPlanner");
    if (planner == nullptr) return Save(planner, folder, "planner-search.png");
    planner->move(0, 0);
    planner->findChild<QRadioButton*>(QStringLiteral("optFromNew"))->setChecked(true);
    auto* form = planner->findChild<QComboBox*>(QStringLiteral("cmbForm"));
    form->setCurrentIndex(form->findText(QStringLiteral("カバンダ")));
    auto* progress = planner->findChild<QProgressBar*>(QStringLiteral("progress"));
    auto* stop = planner->findChild<QPushButton*>(QStringLiteral("cmdStop"));
    auto* table = planner->findChild<QTableWidget*>(QStringLiteral("tblPlan"));
    // Asked at once, the search starts when the lowest level is known; the bar then counts
    // the share of the budget spent, of which a quick target spends little.
    planner->findChild<QPushButton*>(QStringLiteral("cmdSearch"))->click();
    bool ok = WaitFor([progress, stop] { return stop->isEnabled() && progress->value() > 0; }) &&
              Save(planner, folder, "planner-search.png");
    ok = WaitFor([table] { return table->rowCount() > 0; }) && ok;
    ok = Save(planner, folder, "planner-result.png") && ok;
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
