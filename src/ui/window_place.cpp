#include "ui/window_place.h"

#include <QWidget>
#include <algorithm>

namespace toviran {
namespace {

constexpr int kFramePollMilliseconds = 50;
constexpr int kMaxFramePolls = 40;

}  // namespace

long long Covered(const QRect& frame, const std::vector<QRect>& others) {
    long long covered = 0;
    for (const QRect& other : others) {
        const QRect both = frame.intersected(other);
        if (!both.isEmpty()) covered += static_cast<long long>(both.width()) * both.height();
    }
    return covered;
}

QMargins FrameMargins(const QWidget& window) {
    const QRect frame = window.frameGeometry();
    const QRect inside = window.geometry();
    return {inside.left() - frame.left(), inside.top() - frame.top(),
            frame.right() - inside.right(), frame.bottom() - inside.bottom()};
}

QMargins FrameOr(const QWidget& window, const QWidget& reference) {
    const QMargins margins = FrameMargins(window);
    return margins.isNull() ? FrameMargins(reference) : margins;
}

void PlaceFrame(QWidget& window, const QRect& frame, const QMargins& margins) {
    window.setGeometry(frame.marginsRemoved(margins));
}

QRect OnScreen(QRect frame, const QRect& screen) {
    frame.setSize(frame.size().boundedTo(screen.size()));
    const QPoint last = screen.bottomRight() - QPoint(frame.width(), frame.height()) + QPoint(1, 1);
    frame.moveTo(std::clamp(frame.left(), screen.left(), last.x()),
                 std::clamp(frame.top(), screen.top(), last.y()));
    return frame;
}

std::optional<QRect> LeastCovering(const std::vector<QPoint>& places, QSize size,
                                   const QRect& keepOff, const std::vector<QRect>& avoid,
                                   const QRect& screen) {
    std::optional<QRect> best;
    long long least = 0;
    for (const QPoint place : places) {
        const QRect frame = OnScreen(QRect(place, size), screen);
        if (frame.intersects(keepOff)) continue;
        const long long covered = Covered(frame, avoid);
        if (covered == 0) return frame;
        if (!best || covered < least) {
            best = frame;
            least = covered;
        }
    }
    return best;
}

FrameWait::FrameWait(QObject* parent) : QObject(parent) {
    timer_.setInterval(kFramePollMilliseconds);
    connect(&timer_, &QTimer::timeout, this, [this] {
        if (window_ == nullptr) {
            timer_.stop();
            return;
        }
        place_();
        if (!FrameMargins(*window_).isNull() || ++polls_ >= kMaxFramePolls) timer_.stop();
    });
}

void FrameWait::Start(QWidget& window, std::function<void()> place) {
    window_ = &window;
    place_ = std::move(place);
    polls_ = 0;
    place_();
    if (FrameMargins(window).isNull())
        timer_.start();
    else
        timer_.stop();
}

}  // namespace toviran
