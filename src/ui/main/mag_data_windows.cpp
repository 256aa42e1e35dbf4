#include "ui/main/mag_data_windows.h"

#include <QAction>
#include <QCheckBox>
#include <QScreen>

#include "ui/data/mag_catalog_window.h"
#include "ui/main/menu_box_link.h"
#include "ui/main/side_windows.h"
#include "ui/twips.h"
#include "ui/window_place.h"

namespace toviran {
namespace {}  // namespace

MagDataWindows::MagDataWindows(const MagState& state, const MagDataControls& controls,
                               QObject* parent)
    : QObject(parent), state_(state), controls_(controls), frameWait_(new FrameWait(this)) {
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
    Place();
    FeedTable().show();
    Catalogue().show();
    // A window manager frames the catalogue only some time after it is shown; both windows
    // are placed again once the frame is known, in case it differs from the main window's.
    frameWait_->Start(Catalogue(), [this] { Place(); });
    // The main window keeps the focus: the data windows are for looking, not typing.
    main.show();
    main.raise();
    main.activateWindow();
}

// Where the screen's edge leaves room, each window is moved onto it: the feed table still
// touches the catalogue.
void MagDataWindows::Place() {
    const QWidget& main = *controls_.mainWindow;
    const QRect screen = main.screen()->availableGeometry();
    MagCatalogWindow& catalogue = Catalogue();
    const QMargins frame = FrameOr(catalogue, main);
    const QRect catalogueFrame = OnScreen(
        QRect(CatalogueTopLeft(main.frameGeometry()), catalogue.size().grownBy(frame)), screen);
    PlaceFrame(catalogue, catalogueFrame, frame);
    QWidget& feedTable = FeedTable();
    const QMargins tableFrame = FrameOr(feedTable, main);
    const QPoint under(catalogueFrame.left(), catalogueFrame.top() + catalogueFrame.height());
    PlaceFrame(feedTable, OnScreen(QRect(under, feedTable.size().grownBy(tableFrame)), screen),
               tableFrame);
    if (placed_) placed_();
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

QRect MagDataWindows::Area() const {
    if (catalogue_ != nullptr && catalogue_->isVisible()) {
        const QWidget* feedTable = catalogue_->LoadedFeedTable();
        const QRect frame = catalogue_->frameGeometry();
        return feedTable != nullptr ? frame.united(feedTable->frameGeometry()) : frame;
    }
    // Closed, they are taken to have the main window's frame around their fixed sizes.
    const QWidget& main = *controls_.mainWindow;
    const QSize border = main.frameGeometry().size() - main.size();
    const QSize catalogue =
        TwipsSize(MagCatalogWindow::kClientWidthTwips, MagCatalogWindow::kClientHeightTwips) +
        border;
    const QSize feedTable =
        TwipsSize(FeedTableWindow::kClientWidthTwips, FeedTableWindow::kClientHeightTwips) + border;
    return {CatalogueTopLeft(main.frameGeometry()),
            QSize(std::max(catalogue.width(), feedTable.width()),
                  catalogue.height() + feedTable.height())};
}

void MagDataWindows::Unload() {
    frameWait_->Stop();
    MagCatalogWindow* catalogue = catalogue_;
    catalogue_ = nullptr;  // closing runs the check box handler again, which must see it gone
    if (catalogue == nullptr) return;
    if (QWidget* feedTable = catalogue->LoadedFeedTable()) feedTable->close();
    catalogue->close();  // deletes itself and the feed-table window
}

}  // namespace toviran
