#pragma once
// Every control of the main window by its control name, for the code that works on them
// (the feed timer, dragging, side windows) and for tests. The window owns them all.
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <array>

#include "ui/main/click_label.h"
#include "ui/main/count_box.h"
#include "ui/main/main_menu.h"
#include "ui/main/slot_check_box.h"
#include "ui/stat_bar.h"

namespace toviran {

// One stat row of Frame2 (lblD, lblDEF, picDEF with picDEF2, lblDEF2, and its "/100").
struct StatRowControls {
    QLabel* name = nullptr;
    QLabel* level = nullptr;
    StatBar* bar = nullptr;  // bar->Fill() is picDEF2 ...
    QLabel* progress = nullptr;
    QLabel* per100 = nullptr;
};

// One feed slot: chkN, cmbEsa..., TextN, cmdPlusN-1, cmdMinusN-1.
struct FeedSlotControls {
    QCheckBox* check = nullptr;
    QComboBox* item = nullptr;
    CountBox* count = nullptr;
    QPushButton* plus = nullptr;
    QPushButton* minus = nullptr;
};

struct MainControls {
    QWidget* client = nullptr;  // the client area (the window's own drag surface)
    QGroupBox* Frame1 = nullptr;
    QGroupBox* Frame2 = nullptr;
    QGroupBox* Frame3 = nullptr;
    QRadioButton* optHun = nullptr;
    QRadioButton* optRan = nullptr;
    QRadioButton* optFor = nullptr;
    QRadioButton* optID0 = nullptr;
    QRadioButton* optID1 = nullptr;
    QRadioButton* optKazu = nullptr;
    QRadioButton* optLv = nullptr;
    QComboBox* cmbAwake = nullptr;
    ClickLabel* lblMag = nullptr;
    QLabel* lblLevel = nullptr;
    QLabel* lblLv = nullptr;
    QLabel* lblIQ2 = nullptr;
    QLabel* lblIQ = nullptr;
    QLabel* lblシン = nullptr;
    QLabel* lblシンクロ = nullptr;
    QLabel* Label1 = nullptr;
    QLabel* Label2 = nullptr;
    std::array<StatRowControls, 4> stats;  // by StatKind: DEF, POW, DEX, MIND
    std::array<QLabel*, 4> lbl100{};       // the control array: DEF, DEX, POW, MIND rows
    std::array<FeedSlotControls, 4> feedSlots;
    QPushButton* cmdUndo = nullptr;
    QPushButton* cmdTake = nullptr;
    QPushButton* cmdExit = nullptr;
    QLabel* lblTitle = nullptr;
    QLabel* lblTitle2 = nullptr;
    QLabel* lblTitle3 = nullptr;
    QLabel* lblTimer = nullptr;
    QPushButton* cmdTimer = nullptr;
    QCheckBox* chkRenzoku = nullptr;
    QCheckBox* chkTimer = nullptr;
    QCheckBox* chkMag = nullptr;
    QCheckBox* chkRireki = nullptr;
    QCheckBox* chkPlanner = nullptr;
    MainMenu menu;
};

}  // namespace toviran
