#pragma once
// The main menu's Ctrl shortcuts work in every window of the program and whatever control
// has the focus. Without this a side window would not see them, and a text box or the edit
// part of a combo box would claim some for its own editing (Ctrl+E is "end of line" on X11).
// While a modal window is open they wait, like the rest of the main window.
#include <QAction>
#include <QObject>
#include <QPointer>
#include <vector>

namespace toviran {

class MenuShortcuts final : public QObject {
  public:
    // Every entry of `menuBar` that has a shortcut.
    MenuShortcuts(const QWidget& menuBar, QObject* parent);

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    std::vector<QPointer<QAction>> actions_;
};

}  // namespace toviran
