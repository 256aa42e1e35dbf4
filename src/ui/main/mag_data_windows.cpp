#include "ui/main/mag_data_windows.h"

#include <QAction>
#include <QCheckBox>
#include <QTimer>

#include "ui/data/mag_catalog_window.h"
#include "ui/main/menu_box_link.h"
#include "ui/main/side_windows.h"
#include "ui/twips.h"

namespace toviran {
namespace {

// A new catalogue's frame is looked for every 50 ms, for two seconds at most: a window
// drag after that never re-places the windows behind the drag's back.
constexpr int kFramePollMilliseconds = 50;
constexpr int kMaxFramePolls = 40;

// The window's frame around its inside; none while the toolkit does not know it.
QMargins FrameMargins(const QWidget& window) {
    const QRect frame = window.frameGeometry();
    const QRect inside = window.geometry();
    return {inside.left() - frame.left(), inside.top() - frame.top(),
            frame.right() - inside.right(), frame.bottom() - inside.bottom()};
}

// A window whose frame the toolkit does not know yet is taken to get the main window's.
QMargins FrameOr(const QWidget& window, const QWidget& main) {
    const QMargins margins = FrameMargins(window);
    return margins.isNull() ? FrameMargins(main) : margins;
}

// Puts the window's frame at `frameTopLeft` by placing its inside: moving a window by its
// frame goes wrong when the window manager frames it late, or when the toolkit never
// learns of the frame at all (as happens to a window shown again soon after).
void PlaceFrame(QWidget& window, QPoint frameTopLeft, const QMargins& frame) {
    window.setGeometry(QRect(frameTopLeft + QPoint(frame.left(), frame.top()), window.size()));
}

}  // namespace

MagDataWindows::MagDataWindows(const MagState& state, const MagDataControls& controls,
                               QObject* parent)
    : QObject(parent), state_(state), controls_(controls) {
    // The menu entry and the catalogue's close box both switch the windows through chkMag.
    LinkMenuToHiddenBox(controls_.mnuMag, controls_.chkMag, this,
                        [this] { マグ特性ウインドウの表示(); });
    frameWait_.setInterval(kFramePollMilliseconds);
    connect(&frameWait_, &QTimer::timeout, this, [this] {
        if (PlaceOnceFramed() || ++framePolls_ >= kMaxFramePolls) frameWait_.stop();
    });
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
    framePolls_ = 0;
    if (!PlaceOnceFramed()) frameWait_.start();
    // The main window keeps the focus: the data windows are for looking, not typing.
    main.show();
    main.raise();
    main.activateWindow();
}

void MagDataWindows::Place() {
    const QWidget& main = *controls_.mainWindow;
    MagCatalogWindow& catalogue = Catalogue();
    const QMargins frame = FrameOr(catalogue, main);
    PlaceFrame(catalogue, CatalogueTopLeft(main.frameGeometry()), frame);
    const int catalogueHeight = catalogue.height() + frame.top() + frame.bottom();
    PlaceFrame(FeedTable(), FeedTableTopLeft(main.frameGeometry(), catalogueHeight),
               FrameOr(FeedTable(), main));
}

bool MagDataWindows::PlaceOnceFramed() {
    if (catalogue_ == nullptr) return true;
    Place();
    return !FrameMargins(*catalogue_).isNull();
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
    frameWait_.stop();
    MagCatalogWindow* catalogue = catalogue_;
    catalogue_ = nullptr;  // closing runs the check box handler again, which must see it gone
    if (catalogue == nullptr) return;
    if (QWidget* feedTable = catalogue->LoadedFeedTable()) feedTable->close();
    catalogue->close();  // deletes itself and the feed-table window
}

}  // namespace toviran
