#pragma once
// The planner window's controls: the target (a form or any form, the level, optional stat
// conditions), the items allowed, the starting mag, the search with its progress, the
// plan's table and the buttons that use the plan.
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <array>

#include "engine/feed_tables.h"
#include "ui/planner/plan_table.h"

namespace toviran {

// この回をセット's tooltip while it can be used; otherwise the tooltip says why not.
inline constexpr const char* kSetTip =
    "選んだ回のえさと数をメイン画面に入れます。与えるのは「与える」ボタンで";

struct PlannerControls {
    QComboBox* cmbForm = nullptr;
    QLineEdit* txtLevel = nullptr;
    QLabel* lblFormNote = nullptr;   // why the form picked cannot be reached, when it cannot
    QLabel* lblLevelNote = nullptr;  // while the lowest level for the form is looked for
    // DEF, POW, DEX, MIND: a level, a range ("N..", "..N", "N..M") or empty for any.
    std::array<QLineEdit*, 4> txtBuild{};
    std::array<QCheckBox*, kFeedItemCount> chkItems{};
    QRadioButton* optFromCurrent = nullptr;
    QRadioButton* optFromNew = nullptr;
    QLabel* lblClass = nullptr;  // the main window's class and ID, which the plan uses
    QPushButton* cmdSearch = nullptr;
    QPushButton* cmdStop = nullptr;
    QProgressBar* progress = nullptr;  // the share of the search's budget spent
    QPushButton* cmdMore = nullptr;    // shown when the search ran out of its budget
    QLabel* lblRequest = nullptr;      // what the plan shown answers
    QLabel* lblSummary = nullptr;
    PlanTable* table = nullptr;
    QPushButton* cmdSet = nullptr;
    QPushButton* cmdCopy = nullptr;
    QLabel* lblStatus = nullptr;
    QPushButton* cmdAgain = nullptr;  // shown when the mag has left the plan
};

// Creates the controls in `window`'s layout; connects nothing. Each control has a name a
// screen reader reads, each button a mnemonic.
PlannerControls BuildPlannerControls(QWidget& window);

}  // namespace toviran
