#include "ui/main/side_windows.h"

#include <algorithm>
#include <optional>

namespace toviran {
namespace {

// The first pixel column right of the frame (QRect::right() is the last one inside).
int RightOf(const QRect& frame) {
    return frame.left() + frame.width();
}

int Below(const QRect& frame) {
    return frame.top() + frame.height();
}

long long Area(const QRect& r) {
    return r.isEmpty() ? 0 : static_cast<long long>(r.width()) * r.height();
}

// `frame` moved onto the screen, as far as it fits.
QRect OnScreen(QRect frame, const QRect& screen) {
    const QPoint last = screen.bottomRight() - QPoint(frame.width(), frame.height()) + QPoint(1, 1);
    frame.moveTo(std::clamp(frame.left(), screen.left(), std::max(screen.left(), last.x())),
                 std::clamp(frame.top(), screen.top(), std::max(screen.top(), last.y())));
    return frame;
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

QPoint FeedTableTopLeft(const QRect& mainFrame, int catalogueFrameHeight) {
    return {RightOf(mainFrame), mainFrame.top() + catalogueFrameHeight};
}

QRect PlannerFrame(const QRect& mainFrame, const QRect& magDataArea, QSize plannerFrame,
                   QSize minimumFrame, const std::vector<QRect>& openSideFrames,
                   const QRect& screen) {
    int lowest = Below(mainFrame);
    for (const QRect& frame : openSideFrames) lowest = std::max(lowest, Below(frame));
    // The planner's own size first, then shrunk into each room beside the main window.
    std::vector<QSize> sizes{plannerFrame};
    for (const QRect& room : RoomsBeside(mainFrame, screen)) {
        const QSize fit = plannerFrame.boundedTo(room.size());
        if (fit.width() >= minimumFrame.width() && fit.height() >= minimumFrame.height())
            sizes.push_back(fit);
    }
    const auto sideArea = [&](const QRect& planner) {
        long long area = 0;
        for (const QRect& frame : openSideFrames) area += Area(frame.intersected(planner));
        return area;
    };
    std::optional<QRect> best;
    long long least = 0;
    for (const QSize size : sizes) {
        const QPoint places[] = {
            {RightOf(mainFrame), Below(magDataArea)},
            {RightOf(magDataArea), mainFrame.top()},
            {RightOf(mainFrame), mainFrame.top()},
            {mainFrame.left(), lowest},
            {mainFrame.left() - size.width(), mainFrame.top()},
            {mainFrame.left(), mainFrame.top() - size.height()},
        };
        for (const QPoint place : places) {
            const QRect planner = OnScreen(QRect(place, size), screen);
            if (planner.intersects(mainFrame)) continue;
            const long long area = sideArea(planner);
            if (area == 0) return planner;
            if (!best || area < least) {
                best = planner;
                least = area;
            }
        }
    }
    if (best) return *best;
    // A screen too small for both: cover as little of the main window as can be.
    QRect planner = OnScreen(QRect({RightOf(mainFrame), mainFrame.top()}, plannerFrame), screen);
    for (const QRect& room : RoomsBeside(mainFrame, screen)) {
        const QRect there = OnScreen(QRect(room.topLeft(), plannerFrame), screen);
        if (Area(there.intersected(mainFrame)) < Area(planner.intersected(mainFrame)))
            planner = there;
    }
    return planner;
}

}  // namespace toviran
