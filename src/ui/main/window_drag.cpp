#include "ui/main/window_drag.h"

#include <QAbstractButton>
#include <QMenu>
#include <QMouseEvent>
#include <QWidget>

namespace toviran {

WindowDrag::WindowDrag(WindowList windows, QMenu* quickMenu, QObject* parent)
    : QObject(parent), windows_(std::move(windows)), quickMenu_(quickMenu) {}

void WindowDrag::AddSurface(QWidget* surface) {
    surface->installEventFilter(this);
}

bool WindowDrag::eventFilter(QObject* watched, QEvent* event) {
    auto* surface = qobject_cast<QWidget*>(watched);
    if (surface == nullptr) return false;
    switch (event->type()) {
        case QEvent::MouseButtonPress:
            return Press(*surface, static_cast<const QMouseEvent&>(*event));
        case QEvent::MouseMove:
            if (active_) DragMove(static_cast<QMouseEvent*>(event)->globalPosition().toPoint());
            return false;
        case QEvent::MouseButtonRelease:
            active_ = false;
            return false;
        default:
            return false;
    }
}

bool WindowDrag::Press(QWidget& surface, const QMouseEvent& event) {
    // A press that a child control left unhandled bubbles up to its surface; only presses
    // on the surface itself count.
    if (surface.childAt(event.position().toPoint()) != nullptr) return false;
    if (event.button() != Qt::LeftButton) {
        if (quickMenu_) quickMenu_->popup(event.globalPosition().toPoint());
        return true;
    }
    active_ = true;
    anchor_ = event.globalPosition().toPoint();
    // An option button used as a surface is selected by the press itself: its own
    // release would miss it, as the window has moved under the pointer by then.
    if (auto* option = qobject_cast<QAbstractButton*>(&surface)) option->click();
    return true;
}

void WindowDrag::DragMove(QPoint globalPointer) {
    const QPoint distance = globalPointer - anchor_;
    if (distance.isNull()) return;
    anchor_ = globalPointer;
    for (QWidget* window : windows_()) {
        if (window != nullptr) window->move(window->pos() + distance);
    }
}

}  // namespace toviran
