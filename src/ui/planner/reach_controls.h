#pragma once
// The controls of the planner's page of every form a mag can still become: the start (the
// main window's mag or a new one) with the class and ID, the buttons that start and stop
// the table, its progress, the table, the chosen row in full, and the buttons for the row.
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>

#include "ui/planner/forms_table.h"

namespace toviran {

struct ReachControls {
    QRadioButton* optFromCurrent = nullptr;
    QRadioButton* optFromNew = nullptr;
    QLabel* lblClass = nullptr;
    QPushButton* cmdRun = nullptr;
    QPushButton* cmdStop = nullptr;
    QProgressBar* progress = nullptr;  // the forms worked out, of all of them
    QLabel* lblStatus = nullptr;
    FormsTable* table = nullptr;
    QLabel* lblRow = nullptr;  // the chosen row in full
    QPushButton* cmdOpen = nullptr;
    QPushButton* cmdMore = nullptr;
};

// Creates the controls in `page`'s layout; connects nothing. Each control has a name a
// screen reader reads, each button a mnemonic.
ReachControls BuildReachControls(QWidget& page);

}  // namespace toviran
