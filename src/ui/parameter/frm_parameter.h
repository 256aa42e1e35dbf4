#pragma once
// The parameter window: sets the mag's name, stat levels and progress, IQ and synchro
// directly. It edits only its own boxes; applying hands them to the engine, which
// checks, confirms, overwrites the mag, restarts the history and enables undo.
#include <QDialog>
#include <array>
#include <string>

#include "engine/display.h"
#include "engine/mag_state.h"
#include "engine/messages.h"
#include "engine/parameters.h"

class QComboBox;
class QGroupBox;
class QLineEdit;
class QPushButton;

namespace toviran {

class StatBar;

class frmParameter final : public QDialog {
  public:
    // The window works on the program's one mag, shows messages through `prompter` and
    // tells the main window what to redraw through `display`; all three outlive it.
    frmParameter(MagState& state, Prompter& prompter, DisplayObserver& display,
                 QWidget* owner = nullptr);

  private:
    struct StatControls {
        QLineEdit* level;
        QLineEdit* progress;
        StatBar* bar;
    };

    void BuildFrame();
    void BuildStatRows();
    void BuildButtons();
    QLineEdit* NewNumberBox(QWidget* parent, const char* name, const char* text, QRect geometry);
    void ConnectBoxRules();

    void Form_Load();
    void cmbMag_Click(int index);
    void cmdCopy_Click();
    void cmdDo_Click();
    void cmdClose_Click();
    void NumberBox_Change(QLineEdit& box);
    void ProgressBox_Change(QLineEdit& box, StatBar& bar);

    ParameterInput ReadInput() const;

    MagState& state_;
    Prompter& prompter_;
    DisplayObserver& display_;

    std::string ParameterMagName;
    QGroupBox* Frame2 = nullptr;
    QComboBox* cmbMag = nullptr;
    QLineEdit* txtIQ = nullptr;
    QLineEdit* txtシンクロ = nullptr;
    std::array<StatControls, 4> stats_{};  // DEF, POW, DEX, MIND
    QPushButton* cmdCopy = nullptr;
    QPushButton* cmdDo = nullptr;
    QPushButton* cmdClose = nullptr;
};

}  // namespace toviran
