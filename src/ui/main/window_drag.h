#pragma once
// Dragging the main window by its passive surfaces (background, frames, title and timer
// labels, the mode options) with the left button moves the main window and every side
// window by the same distance, so their arrangement stays as it was. Any other button
// on those surfaces opens the view menu as a pop-up at the pointer.
#include <QObject>
#include <QPoint>
#include <QPointer>
#include <functional>
#include <vector>

class QMenu;
class QMouseEvent;
class QWidget;

namespace toviran {

class WindowDrag final : public QObject {
  public:
    // The windows to move, main window first. Asking for a side window that does not
    // exist yet may create it (hidden); it is placed again when it is shown.
    using WindowList = std::function<std::vector<QWidget*>()>;

    WindowDrag(WindowList windows, QMenu* quickMenu, QObject* parent);

    // Makes `surface` drag the windows and open the quick menu. Its children (buttons,
    // boxes, labels inside a frame) do neither.
    void AddSurface(QWidget* surface);

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    bool Press(QWidget& surface, const QMouseEvent& event);
    void DragMove(QPoint globalPointer);

    WindowList windows_;
    QPointer<QMenu> quickMenu_;
    bool active_ = false;
    // Pointer position, in screen pixels, at the start of the drag or its last step.
    // Screen coordinates rather than the surface's: the surface moves with the window,
    // and a window manager may report the move later than the next pointer event.
    QPoint anchor_;
};

}  // namespace toviran
