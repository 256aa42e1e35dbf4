#pragma once
// Where the side windows open, from the main window's outer frame in screen pixels:
// the catalogue to the right with the tops aligned, the feed table directly under the
// catalogue, and the history directly under the main window.
#include <QPoint>
#include <QRect>

namespace toviran {

QPoint CatalogueTopLeft(const QRect& mainFrame);
QPoint FeedTableTopLeft(const QRect& mainFrame, int catalogueFrameHeight);
QPoint HistoryTopLeft(const QRect& mainFrame);

}  // namespace toviran
