#pragma once
// Placing the program's windows by their outer frames, which the window manager adds only
// some time after a window is shown: on the screen's work area, off the windows they
// should leave uncovered.
#include <QMargins>
#include <QObject>
#include <QPointer>
#include <QRect>
#include <QTimer>
#include <functional>
#include <optional>
#include <vector>

class QWidget;

namespace toviran {

// The window's frame around its inside; null while the toolkit does not know it.
QMargins FrameMargins(const QWidget& window);
// The same, or while unknown, `reference`'s: windows of one program get alike frames.
QMargins FrameOr(const QWidget& window, const QWidget& reference);

// Puts the window's frame on `frame` by placing its inside: moving a window by its frame
// goes wrong when the window manager frames it late, or when the toolkit never learns of
// the frame at all (as happens to a window shown again soon after).
void PlaceFrame(QWidget& window, const QRect& frame, const QMargins& margins);

// `frame` moved onto the screen, shrunk first where it is larger.
QRect OnScreen(QRect frame, const QRect& screen);

// How much of `others` (pixels, overlaps counted each time) `frame` covers.
long long Covered(const QRect& frame, const std::vector<QRect>& others);

// Of the frames of `size` at `places` (top-left corners), each moved onto the screen, the
// first that covers neither `keepOff` nor any of `avoid`; where each covers some of
// `avoid`, the one that covers the least; nothing where each covers `keepOff`.
std::optional<QRect> LeastCovering(const std::vector<QPoint>& places, QSize size,
                                   const QRect& keepOff, const std::vector<QRect>& avoid,
                                   const QRect& screen);

// Places a window again and again, every 50 ms for two seconds at most, until the window
// manager has framed it: a place worked out from a guessed frame is made right. A window
// drag after that never re-places it behind the drag's back.
class FrameWait final : public QObject {
  public:
    explicit FrameWait(QObject* parent);
    // Calls `place` now, and again until `window` is framed.
    void Start(QWidget& window, std::function<void()> place);
    void Stop() { timer_.stop(); }

  private:
    QTimer timer_;
    QPointer<QWidget> window_;
    std::function<void()> place_;
    int polls_ = 0;
};

}  // namespace toviran
