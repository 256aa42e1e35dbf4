#include "ui/main/planner_switch.h"

#include <QScreen>

#include "ui/data/mag_catalog_window.h"
#include "ui/main/mag_data_windows.h"
#include "ui/main/main_window.h"
#include "ui/main/menu_box_link.h"
#include "ui/main/side_windows.h"
#include "ui/planner/planner_window.h"
#include "ui/window_place.h"

namespace toviran {

PlannerSwitch::PlannerSwitch(frmMain& main, MagDataWindows& magData, QObject* parent)
    : QObject(parent), main_(main), magData_(magData), frameWait_(new FrameWait(this)) {
    const MainControls& c = main_.controls();
    // The menu entry and the window's close box both switch the window through chkPlanner.
    LinkMenuToHiddenBox(c.menu.mnuPlanner, c.chkPlanner, this, [this] { えさプランナーの表示(); });
    magData.OnPlaced([this] { MakeWay(); });
    // Queued: the menu's mark may change before the window shows.
    connect(
        c.menu.mnuEsaRireki, &QAction::toggled, this,
        [this](bool on) {
            if (on) MakeWay();
        },
        Qt::QueuedConnection);
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
        frameWait_->Start(window, [this] {
            if (!playersPlace_ && window_) Place(*window_);
        });
        // The planner is for typing and choosing: it takes the focus.
        window.raise();
        window.activateWindow();
    } else if (window_) {
        frameWait_->Stop();
        playersPlace_ = playersPlace_ || MovedByPlayer(*window_);
        window_->close();
    }
    c.menu.mnuPlanner->setChecked(c.chkPlanner->isChecked());
}

PlannerWindow& PlannerSwitch::Window() {
    if (window_ == nullptr) {
        QCheckBox* chkPlanner = main_.controls().chkPlanner;
        // Its own close box: the place it was closed at may be the player's.
        window_ = new PlannerWindow(main_, main_, [this, chkPlanner] {
            playersPlace_ = playersPlace_ || MovedByPlayer(*window_);
            chkPlanner->setChecked(false);
        });
    }
    return *window_;
}

std::vector<QRect> PlannerSwitch::OpenSideFrames() const {
    std::vector<QRect> open;
    const QWidget* catalogue = magData_.LoadedCatalogue();
    const QWidget* sides[] = {
        catalogue, catalogue != nullptr ? magData_.LoadedCatalogue()->LoadedFeedTable() : nullptr,
        main_.ExistingRirekiWindow()};
    for (const QWidget* side : sides)
        if (side != nullptr && side->isVisible()) open.push_back(side->frameGeometry());
    return open;
}

// Placed by its inside: a window not yet framed is taken to get the main window's frame.
void PlannerSwitch::Place(PlannerWindow& window) {
    const QMargins frame = FrameOr(window, main_);
    const QRect screen = main_.screen()->availableGeometry();
    const QRect place =
        PlannerFrame(main_.frameGeometry(), magData_.Area(), window.size().grownBy(frame),
                     window.minimumSizeHint().grownBy(frame), OpenSideFrames(), screen);
    PlaceFrame(window, place, frame);
    placedAt_ = place.topLeft();
    mainAt_ = main_.pos();
}

// A side window opened over the planner: the planner moves, to a place of the program's.
void PlannerSwitch::MakeWay() {
    if (!window_ || !window_->isVisible()) return;
    if (Covered(window_->frameGeometry(), OpenSideFrames()) == 0) return;
    Place(*window_);
    playersPlace_ = false;
}

// Moved since it was placed, other than along with the main window.
bool PlannerSwitch::MovedByPlayer(const PlannerWindow& window) const {
    const QPoint now = window.pos();
    return now != placedAt_ && now - main_.pos() != placedAt_ - mainAt_;
}

}  // namespace toviran
