#include "ui/main/main_window_commands.h"

#include <QCoreApplication>

#include "ui/data/mag_catalog_window.h"
#include "ui/main/feed_timer.h"
#include "ui/main/mag_data_windows.h"
#include "ui/main/main_messages.h"
#include "ui/main/main_window.h"
#include "ui/main/planner_switch.h"
#include "ui/main/web_links.h"
#include "ui/main/window_drag.h"
#include "ui/planner/planner_window.h"

namespace toviran {
namespace {

void ConnectTimer(frmMain& window) {
    const MainControls& c = window.controls();
    const FeedTimerControls timer{c.lblTimer,      c.cmdTimer,
                                  c.chkRenzoku,    c.chkTimer,
                                  c.menu.mnuTimer, {c.lblTitle, c.lblTitle2, c.lblTitle3}};
    Platform& platform = window.platform();
    new FeedTimer(window.state(), timer, platform.makeTimer(), platform.beep, &window);
}

// The surfaces that move the windows: the window's background and its passive controls.
void ConnectDrag(frmMain& window, MagDataWindows& magData, const PlannerSwitch& planner) {
    const MainControls& c = window.controls();
    // Main window first; the side windows are created (hidden) if they do not exist yet.
    // The parameter window needs no place here: it is modal, so no drag runs while it
    // is open, and it is placed afresh whenever it opens.
    // The planner window is only moved once it exists: it is placed whenever it is shown.
    auto windows = [&window, &magData, &planner] {
        return std::vector<QWidget*>{&window, &magData.FeedTable(), &magData.Catalogue(),
                                     window.RirekiWindow(), planner.Existing()};
    };
    auto* drag = new WindowDrag(windows, c.menu.mnuView, &window);
    for (QWidget* surface : std::initializer_list<QWidget*>{
             c.client, c.Frame1, c.Frame2, c.Frame3, c.Label2, c.lblTitle, c.lblTitle2, c.lblTitle3,
             c.lblTimer, c.optKazu, c.optLv}) {
        drag->AddSurface(surface);
    }
}

void ConnectExitAndHelp(frmMain& window) {
    const MainControls& c = window.controls();
    Prompter& messages = window.platform().messages;
    const auto exit = [&window, &messages] {
        if (messages.Show(ExitQuestion())) window.close();
    };
    QObject::connect(c.cmdExit, &QPushButton::clicked, &window, exit);
    QObject::connect(c.menu.mnuExit, &QAction::triggered, &window, exit);
    QObject::connect(c.menu.mnuVersion, &QAction::triggered, &window,
                     [&messages] { messages.Show(VersionMessage()); });

    const std::array<QAction*, 2> entries{c.menu.mnuLink1, c.menu.mnuLink2};
    for (std::size_t i = 0; i < entries.size(); ++i) {
        const WebLink& link = WebLinks()[i];
        entries[i]->setText(QString::fromUtf8(link.caption.data(), link.caption.size()));
        QObject::connect(entries[i], &QAction::triggered, &window, [&window, &link] {
            const std::string programDir = QCoreApplication::applicationDirPath().toStdString();
            Platform& platform = window.platform();
            OpenWebLink(link, programDir, platform.browser, platform.messages);
        });
    }
}

}  // namespace

void ConnectWindowCommands(frmMain& window) {
    const MainControls& c = window.controls();
    ConnectTimer(window);
    auto* magData = new MagDataWindows(window.state(), {&window, c.chkMag, c.menu.mnuMag}, &window);
    // Closing the main window closes the feed table and the catalogue too.
    window.AddUnloadHandler([magData] { magData->Unload(); });
    auto* planner = new PlannerSwitch(window, *magData, &window);
    ConnectDrag(window, *magData, *planner);
    ConnectExitAndHelp(window);
}

}  // namespace toviran
