#include "ui/main/side_windows.h"

#include <algorithm>
#include <optional>

#include "ui/window_place.h"

namespace toviran {
namespace {

// The first pixel column right of the frame (QRect::right() is the last one inside).
int RightOf(const QRect& frame) {
    return frame.left() + frame.width();
}

int Below(const QRect& frame) {
    return frame.top() + frame.height();
}

// The room on the screen right of, left of, below and above the main window.
std::vector<QRect> RoomsBeside(const QRect& main, const QRect& screen) {
    return {QRect(QPoint(RightOf(main), screen.top()), screen.bottomRight()),
            QRect(screen.topLeft(), QPoint(main.left() - 1, screen.bottom())),
            QRect(QPoint(screen.left(), Below(main)), screen.bottomRight()),
            QRect(screen.topLeft(), QPoint(screen.right(), main.top() - 1))};
}

}  // namespace

QPoint CatalogueTopLeft(const QRect& mainFrame) {
    return {RightOf(mainFrame), mainFrame.top()};
}

QRect PlannerFrame(const QRect& mainFrame, const QRect& magDataArea, QSize plannerFrame,
                   QSize minimumFrame, const std::vector<QRect>& openSideFrames,
                   const QRect& screen) {
    int lowest = Below(mainFrame);
    for (const QRect& frame : openSideFrames) lowest = std::max(lowest, Below(frame));
    // The planner's own size first, then shrunk into each room beside the main window.
    std::vector<QSize> sizes{plannerFrame.boundedTo(screen.size())};
    for (const QRect& room : RoomsBeside(mainFrame, screen)) {
        const QSize fit = plannerFrame.boundedTo(room.size());
        if (fit.width() >= minimumFrame.width() && fit.height() >= minimumFrame.height())
            sizes.push_back(fit);
    }
    std::optional<QRect> best;
    for (const QSize size : sizes) {
        const std::vector<QPoint> places{
            {RightOf(mainFrame), Below(magDataArea)},
            {RightOf(magDataArea), mainFrame.top()},
            {RightOf(mainFrame), mainFrame.top()},
            {mainFrame.left(), lowest},
            {mainFrame.left() - size.width(), mainFrame.top()},
            {mainFrame.left(), mainFrame.top() - size.height()},
        };
        const auto place = LeastCovering(places, size, mainFrame, openSideFrames, screen);
        if (place && Covered(*place, openSideFrames) == 0) return *place;
        if (place && (!best || Covered(*place, openSideFrames) < Covered(*best, openSideFrames)))
            best = place;
    }
    if (best) return *best;
    // A screen too small for both: cover as little of the main window as can be.
    QRect planner = OnScreen(QRect({RightOf(mainFrame), mainFrame.top()}, plannerFrame), screen);
    for (const QRect& room : RoomsBeside(mainFrame, screen)) {
        const QRect there = OnScreen(QRect(room.topLeft(), plannerFrame), screen);
        if (Covered(there, {mainFrame}) < Covered(planner, {mainFrame})) planner = there;
    }
    return planner;
}

}  // namespace toviran
