#pragma once
// The main window's menu bar, built from one table of entries.
#include <QAction>
#include <QMenu>
#include <QMenuBar>

namespace toviran {

// Every menu and entry of the bar, by its control name.
struct MainMenu {
    QMenu* mnuFile = nullptr;
    QAction* mnuNew = nullptr;
    QAction* mnuSave = nullptr;
    QAction* mnuSep = nullptr;
    QAction* mnuVer2 = nullptr;
    QAction* mnuSep1 = nullptr;
    QAction* mnuExit = nullptr;
    QMenu* mnuView = nullptr;  // also the right-click quick menu
    QAction* mnuFormat = nullptr;
    QAction* mnuSep4 = nullptr;
    QAction* mnuEsaRireki = nullptr;
    QAction* mnuMag = nullptr;
    QAction* mnuTimer = nullptr;
    QAction* mnuSep5 = nullptr;
    QAction* mnuPlanner = nullptr;
    QMenu* mnuHelp = nullptr;
    QAction* mnuVersion = nullptr;
    QMenu* mnuHome = nullptr;
    QAction* mnuLink1 = nullptr;
    QAction* mnuLink2 = nullptr;
};

MainMenu BuildMainMenu(QMenuBar& bar);

}  // namespace toviran
