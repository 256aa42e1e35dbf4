#include "ui/main/side_windows.h"

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

}  // namespace toviran
