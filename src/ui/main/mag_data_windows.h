#pragma once
// The mag data windows as the main window switches them: the catalogue and, owned by
// it, the feed-table window. They open together beside the main window and close
// together; the hidden check box chkMag holds the on/off state and the menu entry
// mnuMag follows it.
#include <QObject>
#include <QPointer>
#include <QRect>
#include <functional>

#include "engine/mag_state.h"

class QAction;
class QCheckBox;
class QWidget;

namespace toviran {

class FrameWait;
class MagCatalogWindow;

struct MagDataControls {
    QWidget* mainWindow = nullptr;
    QCheckBox* chkMag = nullptr;
    QAction* mnuMag = nullptr;  // checkable menu entry
};

class MagDataWindows final : public QObject {
  public:
    MagDataWindows(const MagState& state, const MagDataControls& controls, QObject* parent);

    // マグ特性ウインドウの表示: opens or closes both windows according to chkMag.
    void マグ特性ウインドウの表示();

    // The catalogue, created hidden (showing the current mag) on first reference.
    MagCatalogWindow& Catalogue();
    // The catalogue if it is loaded, else nullptr.
    MagCatalogWindow* LoadedCatalogue() const { return catalogue_; }
    // The feed-table window, created hidden (with the catalogue) on first reference.
    QWidget& FeedTable();

    // Closes the feed-table window, then the catalogue; nothing if not loaded.
    void Unload();

    // Where both windows stand (screen pixels, outer frames) when open, or would stand.
    QRect Area() const;

    // `handler` runs each time the windows have been placed, when they open and again once
    // the window manager has framed them.
    void OnPlaced(std::function<void()> handler) { placed_ = std::move(handler); }

  private:
    void Open();
    // The catalogue right of the main window with the tops aligned, the feed table under it.
    void Place();

    const MagState& state_;
    MagDataControls controls_;
    QPointer<MagCatalogWindow> catalogue_;
    FrameWait* frameWait_;  // places a freshly opened catalogue again once it is framed
    std::function<void()> placed_;
};

}  // namespace toviran
