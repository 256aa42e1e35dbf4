#include "ui/main/mag_data_windows.h"

#include <QAction>
#include <QCheckBox>
#include <QEvent>
#include <QTimer>

#include "ui/data/mag_catalog_window.h"
#include "ui/main/menu_box_link.h"
#include "ui/main/side_windows.h"

namespace toviran {
namespace {

// How long a new catalogue's frame is waited for; a window drag after that never
// re-places the feed table behind the drag's back.
constexpr int kFrameWaitMilliseconds = 2000;

}  // namespace

MagDataWindows::MagDataWindows(const MagState& state, const MagDataControls& controls,
                               QObject* parent)
    : QObject(parent), state_(state), controls_(controls) {
    // The menu entry and the catalogue's close box both switch the windows through chkMag.
    LinkMenuToHiddenBox(controls_.mnuMag, controls_.chkMag, this,
                        [this] { マグ特性ウインドウの表示(); });
}

void MagDataWindows::マグ特性ウインドウの表示() {
    if (controls_.chkMag->isChecked()) {
        Open();
    } else {
        Unload();
    }
    controls_.mnuMag->setChecked(controls_.chkMag->isChecked());
}

void MagDataWindows::Open() {
    QWidget& main = *controls_.mainWindow;
    MagCatalogWindow& catalogue = Catalogue();
    PlaceFeedTable();
    FeedTable().show();
    catalogue.move(CatalogueTopLeft(main.frameGeometry()));
    // A window manager frames the catalogue only after it is shown, and its outer height
    // grows by the title bar then; both windows are placed again once that is known, so
    // that the tops align and the two windows touch instead of overlapping.
    awaitingFrame_ = true;
    catalogue.installEventFilter(this);
    QTimer::singleShot(kFrameWaitMilliseconds, this, [this] { awaitingFrame_ = false; });
    catalogue.show();
    // The main window keeps the focus: the data windows are for looking, not typing.
    main.show();
    main.raise();
    main.activateWindow();
}

void MagDataWindows::PlaceFeedTable() {
    const QRect main = controls_.mainWindow->frameGeometry();
    FeedTable().move(FeedTableTopLeft(main, Catalogue().frameGeometry().height()));
}

bool MagDataWindows::eventFilter(QObject* watched, QEvent* event) {
    // The frame is known by the first paint after the window manager has mapped it.
    const QEvent::Type type = event->type();
    const bool mapped = type == QEvent::Move || type == QEvent::Show || type == QEvent::Paint;
    if (awaitingFrame_ && mapped && watched == catalogue_) {
        const QRect frame = catalogue_->frameGeometry();
        if (frame.height() > catalogue_->height()) {
            awaitingFrame_ = false;
            // Placed before its frame was known, the catalogue may sit a title bar too high.
            catalogue_->move(CatalogueTopLeft(controls_.mainWindow->frameGeometry()));
            PlaceFeedTable();
        }
    }
    return QObject::eventFilter(watched, event);
}

MagCatalogWindow& MagDataWindows::Catalogue() {
    if (catalogue_ == nullptr) {
        QCheckBox* chkMag = controls_.chkMag;
        // The catalogue's own close box unticks the check box, which closes both windows
        // and clears the menu's check mark.
        catalogue_ = new MagCatalogWindow(
            state_,
            [chkMag = QPointer<QCheckBox>(chkMag)] {
                if (chkMag) chkMag->setChecked(false);
            },
            controls_.mainWindow);
    }
    return *catalogue_;
}

QWidget& MagDataWindows::FeedTable() {
    return Catalogue().FeedTable();
}

void MagDataWindows::Unload() {
    MagCatalogWindow* catalogue = catalogue_;
    catalogue_ = nullptr;  // closing runs the check box handler again, which must see it gone
    if (catalogue == nullptr) return;
    if (QWidget* feedTable = catalogue->LoadedFeedTable()) feedTable->close();
    catalogue->close();  // deletes itself and the feed-table window
}

}  // namespace toviran
