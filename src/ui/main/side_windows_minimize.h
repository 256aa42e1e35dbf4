#pragma once
// Every side window is hidden while the main window is minimised and shown again when it
// is restored. A window manager hides the windows the main window owns along with it, but
// not always a window owned by one of those (the feed table, owned by the catalogue).
#include <QObject>
#include <QPointer>
#include <QWidget>
#include <vector>

namespace toviran {

class SideWindowsFollowMinimize final : public QObject {
  public:
    // Follows `mainWindow`, which owns this object.
    explicit SideWindowsFollowMinimize(QWidget& mainWindow);

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void HideSideWindows();
    void ShowSideWindows();

    QWidget& main_;
    std::vector<QPointer<QWidget>> hidden_;  // owners before the windows they own
};

}  // namespace toviran
