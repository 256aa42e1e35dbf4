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
        Place(window);
        window.show();
        // The planner is for typing and choosing: it takes the focus.
        window.raise();
        window.activateWindow();
    } else if (window_) {
        window_->close();
    }
    c.menu.mnuPlanner->setChecked(c.chkPlanner->isChecked());
}

PlannerWindow& PlannerSwitch::Window() {
    if (window_ == nullptr) {
        QCheckBox* chkPlanner = main_.controls().chkPlanner;
        window_ = new PlannerWindow(main_, [chkPlanner] { chkPlanner->setChecked(false); });
    }
    return *window_;
}

void PlannerSwitch::Place(PlannerWindow& window) const {
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
    window.move(PlannerTopLeft(main_.frameGeometry(), magData_.Area(), frame, open, screen));
}

}  // namespace toviran
