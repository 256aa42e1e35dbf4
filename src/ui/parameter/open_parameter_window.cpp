#include "ui/parameter/open_parameter_window.h"

#include <QWidget>

#include "ui/parameter/frm_parameter.h"
#include "ui/parameter/parameter_design.h"
#include "ui/twips.h"

namespace toviran {

frmParameter* OpenParameterWindow(QWidget& owner, MagState& state, Prompter& prompter,
                                  DisplayObserver& display) {
    auto* window = new frmParameter(state, prompter, display, &owner);
    window->setAttribute(Qt::WA_DeleteOnClose);
    window->setWindowModality(Qt::ApplicationModal);
    // Both positions are those of the outer frames, as the window manager places them.
    const QPoint ownerTopLeft = owner.frameGeometry().topLeft();
    window->move(ownerTopLeft + QPoint(0, TwipsToPixels(parameter_design::kOffsetBelowOwner)));
    window->show();
    return window;
}

}  // namespace toviran
