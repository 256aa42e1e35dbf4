#include "ui/parameter/open_parameter_window.h"

#include <QScreen>
#include <QWidget>

#include "ui/parameter/frm_parameter.h"
#include "ui/parameter/parameter_design.h"
#include "ui/twips.h"
#include "ui/window_place.h"

namespace toviran {
namespace {

// All places are those of the outer frames, as the window manager places them.
void Place(QWidget& window, const QWidget& owner, const std::vector<QRect>& keepClear) {
    const QMargins frame = FrameOr(window, owner);
    const QRect ownerFrame = owner.frameGeometry();
    const QSize size = window.size().grownBy(frame);
    const QPoint home =
        ownerFrame.topLeft() + QPoint(0, TwipsToPixels(parameter_design::kOffsetBelowOwner));
    std::vector<QPoint> places{home};
    for (const QRect& other : keepClear) places.emplace_back(home.x(), other.bottom() + 1);
    places.emplace_back(home.x(), ownerFrame.top() - size.height());
    const QRect screen = owner.screen()->availableGeometry();
    std::optional<QRect> place = LeastCovering(places, size, ownerFrame, keepClear, screen);
    if (!place || Covered(*place, keepClear) > 0) place = OnScreen(QRect(home, size), screen);
    PlaceFrame(window, *place, frame);
}

}  // namespace

frmParameter* OpenParameterWindow(QWidget& owner, MagState& state, Prompter& prompter,
                                  DisplayObserver& display, const std::vector<QRect>& keepClear) {
    auto* window = new frmParameter(state, prompter, display, &owner);
    window->setAttribute(Qt::WA_DeleteOnClose);
    window->setWindowModality(Qt::ApplicationModal);
    const auto place = [window, &owner, keepClear] { Place(*window, owner, keepClear); };
    place();
    window->show();
    (new FrameWait(window))->Start(*window, place);
    return window;
}

}  // namespace toviran
