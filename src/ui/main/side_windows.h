#pragma once
// Where the side windows open, from the main window's outer frame in screen pixels: the
// catalogue to the right with the tops aligned (the feed table goes directly under it),
// and the planner where it covers no other window.
#include <QPoint>
#include <QRect>
#include <QSize>
#include <vector>

namespace toviran {

QPoint CatalogueTopLeft(const QRect& mainFrame);

// Where the planner opens on `screen` (its outer frame, size included). Never over the
// main window; over no open side window where the screen has room. Tried in turn: right of
// the main window below the mag data windows' area, right of that area, right of the main
// window with the tops aligned, below the main window and the open side windows, left of
// the main window, above it; each moved onto the screen. Where no place is free at the
// planner's size, it shrinks (not below `minimumFrame`) into the room beside the main
// window; where no place is free at all, it takes the one over the least of the side
// windows, and only where each covers the main window, the one that covers the least.
QRect PlannerFrame(const QRect& mainFrame, const QRect& magDataArea, QSize plannerFrame,
                   QSize minimumFrame, const std::vector<QRect>& openSideFrames,
                   const QRect& screen);

}  // namespace toviran
