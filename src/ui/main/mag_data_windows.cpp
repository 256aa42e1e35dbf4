#include "ui/main/mag_data_windows.h"

#include <QAction>
#include <QCheckBox>

#include "ui/data/mag_catalog_window.h"
#include "ui/main/menu_box_link.h"
#include "ui/main/side_windows.h"

namespace toviran {

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
    catalogue.move(CatalogueTopLeft(main.frameGeometry()));
    catalogue.show();
    // Placed after the catalogue is shown: only then does its outer height include the
    // frame, and the two windows must touch.
    QWidget& feedTable = FeedTable();
    feedTable.move(FeedTableTopLeft(main.frameGeometry(), catalogue.frameGeometry().height()));
    feedTable.show();
    // The main window keeps the focus: the data windows are for looking, not typing.
    main.show();
    main.raise();
    main.activateWindow();
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
