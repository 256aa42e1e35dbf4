#include "ui/main/side_windows.h"

#include <algorithm>

namespace toviran {
namespace {

// The first pixel column right of the frame (QRect::right() is the last one inside).
int RightOf(const QRect& frame) {
    return frame.left() + frame.width();
}

}  // namespace

QPoint CatalogueTopLeft(const QRect& mainFrame) {
    return {RightOf(mainFrame), mainFrame.top()};
}

QPoint FeedTableTopLeft(const QRect& mainFrame, int catalogueFrameHeight) {
    return {RightOf(mainFrame), mainFrame.top() + catalogueFrameHeight};
}

QPoint PlannerTopLeft(const QRect& mainFrame, const QRect& magDataArea, QSize plannerFrame,
                      const std::vector<QRect>& openSideFrames, const QRect& screen) {
    std::vector<QRect> taken = openSideFrames;
    taken.push_back(mainFrame);
    int lowest = 0;
    for (const QRect& frame : taken) lowest = std::max(lowest, frame.top() + frame.height());
    const QPoint places[] = {
        {RightOf(mainFrame), magDataArea.top() + magDataArea.height()},
        {RightOf(magDataArea), mainFrame.top()},
        {RightOf(mainFrame), mainFrame.top()},
        {mainFrame.left(), lowest},
        {mainFrame.left() - plannerFrame.width(), mainFrame.top()},
    };
    // How much of the other windows the planner covers at `place`, once on the screen.
    const auto covered = [&](QPoint& place) {
        const QPoint last = screen.bottomRight() -
                            QPoint(plannerFrame.width(), plannerFrame.height()) + QPoint(1, 1);
        place = {std::clamp(place.x(), screen.left(), std::max(screen.left(), last.x())),
                 std::clamp(place.y(), screen.top(), std::max(screen.top(), last.y()))};
        const QRect planner(place, plannerFrame);
        long long area = 0;
        for (const QRect& frame : taken) {
            const QRect both = frame.intersected(planner);
            area += static_cast<long long>(both.width()) * both.height();
        }
        return area;
    };
    QPoint best = places[0];
    long long least = covered(best);
    for (QPoint place : places) {
        if (least == 0) break;
        if (const long long area = covered(place); area < least) {
            least = area;
            best = place;
        }
    }
    return best;
}

}  // namespace toviran
