#include "ui/main/planner_switch.h"

#include <QScreen>

#include "ui/data/mag_catalog_window.h"
#include "ui/main/mag_data_windows.h"
#include "ui/main/main_window.h"
#include "ui/main/menu_box_link.h"
#include "ui/main/side_windows.h"
#include "ui/planner/planner_window.h"

namespace toviran {

PlannerSwitch::PlannerSwitch(frmMain& main, const MagDataWindows& magData, QObject* parent)
    : QObject(parent), main_(main), magData_(magData) {
    const MainControls& c = main_.controls();
    // The menu entry and the window's close box both switch the window through chkPlanner.
    LinkMenuToHiddenBox(c.menu.mnuPlanner, c.chkPlanner, this, [this] { えさプランナーの表示(); });
    main_.AddUnloadHandler([this] {
        if (window_) window_->close();
    });
}

void PlannerSwitch::えさプランナーの表示() {
    const MainControls& c = main_.controls();
    if (c.chkPlanner->isChecked()) {
        PlannerWindow& window = Window();
        if (!playersPlace_) Place(window);
        window.show();
        // The planner is for typing and choosing: it takes the focus.
        window.raise();
        window.activateWindow();
    } else if (window_) {
        playersPlace_ = playersPlace_ || MovedByPlayer(*window_);
        window_->close();
    }
    c.menu.mnuPlanner->setChecked(c.chkPlanner->isChecked());
}

PlannerWindow& PlannerSwitch::Window() {
    if (window_ == nullptr) {
        QCheckBox* chkPlanner = main_.controls().chkPlanner;
        // Its own close box: the place it was closed at may be the player's.
        window_ = new PlannerWindow(main_, [this, chkPlanner] {
            playersPlace_ = playersPlace_ || MovedByPlayer(*window_);
            chkPlanner->setChecked(false);
        });
    }
    return *window_;
}

void PlannerSwitch::Place(PlannerWindow& window) {
    std::vector<QRect> open;
    const QWidget* sides[] = {magData_.LoadedCatalogue(),
                              magData_.LoadedCatalogue() != nullptr
                                  ? magData_.LoadedCatalogue()->LoadedFeedTable()
                                  : nullptr,
                              main_.ExistingRirekiWindow()};
    for (const QWidget* side : sides)
        if (side != nullptr && side->isVisible()) open.push_back(side->frameGeometry());
    // Not yet shown, the window has no frame: it is taken to have the main window's.
    const QSize border = main_.frameGeometry().size() - main_.size();
    const QSize frame = window.isVisible() ? window.frameGeometry().size() : window.size() + border;
    const QRect screen = main_.screen()->availableGeometry();
    const QRect place = PlannerFrame(main_.frameGeometry(), magData_.Area(), frame,
                                     window.minimumSizeHint() + border, open, screen);
    if (place.size() != frame) window.resize(place.size() - border);
    window.move(place.topLeft());
    placedAt_ = place.topLeft();
    mainAt_ = main_.pos();
}

// Moved since it was placed, other than along with the main window.
bool PlannerSwitch::MovedByPlayer(const PlannerWindow& window) const {
    const QPoint now = window.pos();
    return now != placedAt_ && now - main_.pos() != placedAt_ - mainAt_;
}

}  // namespace toviran
