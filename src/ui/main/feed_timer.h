#pragma once
// The 200-second feed timer shown in place of the title logo: its display switch (the
// hidden check box and the menu entry kept in step), the Go/Reset button, the countdown
// tick and the continuous mode with its 10-second green interval.
#include <QObject>
#include <array>
#include <memory>

#include "engine/mag_state.h"
#include "platform/platform.h"

class QAction;
class QCheckBox;
class QLabel;
class QPushButton;
class QWidget;

namespace toviran {

// The main-window controls the timer works on. They belong to the main window and must
// outlive the FeedTimer (make the FeedTimer a child of the window).
struct FeedTimerControls {
    QLabel* lblTimer = nullptr;
    QPushButton* cmdTimer = nullptr;
    QCheckBox* chkRenzoku = nullptr;
    QCheckBox* chkTimer = nullptr;   // hidden on/off state of the display
    QAction* mnuTimer = nullptr;     // checkable menu entry
    std::array<QWidget*, 3> logo{};  // lblTitle, lblTitle2, lblTitle3
};

class FeedTimer final : public QObject {
  public:
    FeedTimer(MagState& state, const FeedTimerControls& controls,
              std::unique_ptr<PeriodicTimer> timer, SystemBeep& beep, QObject* parent);

    // えさ時計ウインドウの表示: shows or hides the display according to chkTimer.
    void えさ時計ウインドウの表示();
    // cmdTimer_Click: "Go" starts a fresh countdown, "Reset" stops it at 200.
    void PressButton();
    // Timer1_Timer: one second has passed.
    void Tick();

  private:
    void SetButtonCaption(bool running);

    MagState& state_;
    FeedTimerControls controls_;
    std::unique_ptr<PeriodicTimer> timer_;
    SystemBeep& beep_;
};

}  // namespace toviran
