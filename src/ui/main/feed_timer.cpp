#include "ui/main/feed_timer.h"

#include <QAction>
#include <QCheckBox>
#include <QLabel>
#include <QPushButton>

#include "engine/mag_core.h"
#include "ui/main/main_builder.h"
#include "ui/main/menu_box_link.h"

namespace toviran {
namespace {

constexpr int kTickMilliseconds = 1000;
constexpr std::int16_t kCountdownStart = kFeedIntervalSeconds;
// Continuous mode restarts above the countdown start: the ten numbers above 200 are the
// pause in which the player feeds the mag.
constexpr std::int16_t kContinuousRestart = 211;

// How lblTimer looks during the countdown and during the feeding pause.
struct TimerFace {
    Rgb colour;
    const char* tooltip;
};
constexpr TimerFace kCountdownFace{{255, 0, 0}, "0になったら音が鳴るんだよ"};
constexpr TimerFace kPauseFace{{0, 255, 0}, "今のうちにえさを与えるんだぁっ！"};

void ShowFace(QLabel& label, const TimerFace& face) {
    SetTextColour(label, face.colour);
    label.setToolTip(QString::fromUtf8(face.tooltip));
}

}  // namespace

FeedTimer::FeedTimer(MagState& state, const FeedTimerControls& controls,
                     std::unique_ptr<PeriodicTimer> timer, SystemBeep& beep, QObject* parent)
    : QObject(parent), state_(state), controls_(controls), timer_(std::move(timer)), beep_(beep) {
    timer_->SetInterval(kTickMilliseconds);
    timer_->SetEnabled(false);
    timer_->SetHandler([this] { Tick(); });
    connect(controls_.cmdTimer, &QPushButton::clicked, this, [this] { PressButton(); });
    LinkMenuToHiddenBox(controls_.mnuTimer, controls_.chkTimer, this,
                        [this] { えさ時計ウインドウの表示(); });
}

void FeedTimer::えさ時計ウインドウの表示() {
    const bool on = controls_.chkTimer->isChecked();
    controls_.cmdTimer->setVisible(on);
    controls_.lblTimer->setVisible(on);
    controls_.chkRenzoku->setVisible(on);
    controls_.mnuTimer->setChecked(on);
    for (QWidget* part : controls_.logo) part->setVisible(!on);
    // Hiding freezes the countdown; showing again does not resume it.
    if (!on) timer_->SetEnabled(false);
}

void FeedTimer::PressButton() {
    state_.TimerRunning = state_.TimerRunning == kTrue ? kFalse : kTrue;
    state_.TimerSeconds = kCountdownStart;
    controls_.lblTimer->setText(QString::number(state_.TimerSeconds));
    const bool running = state_.TimerRunning == kTrue;
    timer_->SetEnabled(running);
    SetButtonCaption(running);
}

void FeedTimer::SetButtonCaption(bool running) {
    controls_.cmdTimer->setText(running ? QStringLiteral("Reset") : QStringLiteral("Go"));
}

void FeedTimer::Tick() {
    --state_.TimerSeconds;
    ShowFace(*controls_.lblTimer,
             state_.TimerSeconds > kCountdownStart ? kPauseFace : kCountdownFace);
    controls_.lblTimer->setText(QString::number(state_.TimerSeconds));
    if (state_.TimerSeconds != 0) return;
    beep_.Beep();
    if (controls_.chkRenzoku->isChecked()) {
        state_.TimerSeconds = kContinuousRestart;  // "0" stays shown until the next tick
    } else {
        timer_->SetEnabled(false);
    }
}

}  // namespace toviran
