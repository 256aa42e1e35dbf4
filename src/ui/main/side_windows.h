#pragma once
// Where the mag data windows open, from the main window's outer frame in screen
// pixels: the catalogue to the right with the tops aligned, the feed table directly
// under the catalogue.
#include <QPoint>
#include <QRect>

namespace toviran {

QPoint CatalogueTopLeft(const QRect& mainFrame);
QPoint FeedTableTopLeft(const QRect& mainFrame, int catalogueFrameHeight);

}  // namespace toviran
