#pragma once
// Where the mag data windows open, from the main window's outer frame in screen
// pixels: the catalogue to the right with the tops aligned, the feed table directly
// under the catalogue.
#include <QPoint>
#include <QRect>
#include <QSize>
#include <vector>

namespace toviran {

QPoint CatalogueTopLeft(const QRect& mainFrame);
QPoint FeedTableTopLeft(const QRect& mainFrame, int catalogueFrameHeight);

// Where the planner opens on `screen`: right of the main window below the mag data
// windows' area. Where that would leave the screen or cover the main window or an open
// side window: right of that area, right of the main window with the tops aligned, below
// the main window and the open side windows, or left of the main window, whichever
// first covers none of them; if each does, the one that covers the least, moved onto
// the screen.
QPoint PlannerTopLeft(const QRect& mainFrame, const QRect& magDataArea, QSize plannerFrame,
                      const std::vector<QRect>& openSideFrames, const QRect& screen);

}  // namespace toviran
