#include "ui/main/side_windows_minimize.h"

#include <QApplication>
#include <QEvent>
#include <algorithm>

namespace toviran {
namespace {

// How many owners lie between `window` and `main`; 0 when `main` does not own it at all.
int OwnerLevels(const QWidget& window, const QWidget& main) {
    int levels = 0;
    for (const QWidget* w = &window; w != nullptr; w = w->parentWidget()) {
        if (w == &main) return levels;
        if (w->isWindow()) ++levels;
    }
    return 0;
}

}  // namespace

SideWindowsFollowMinimize::SideWindowsFollowMinimize(QWidget& mainWindow)
    : QObject(&mainWindow), main_(mainWindow) {
    main_.installEventFilter(this);
}

bool SideWindowsFollowMinimize::eventFilter(QObject* watched, QEvent* event) {
    if (watched == &main_ && event->type() == QEvent::WindowStateChange) {
        if (main_.isMinimized()) {
            HideSideWindows();
        } else {
            ShowSideWindows();
        }
    }
    return false;
}

void SideWindowsFollowMinimize::HideSideWindows() {
    if (!hidden_.empty()) return;
    std::vector<std::pair<int, QWidget*>> owned;
    for (QWidget* window : QApplication::topLevelWidgets()) {
        const int levels = OwnerLevels(*window, main_);
        if (levels > 0 && window->isVisible()) owned.emplace_back(levels, window);
    }
    std::stable_sort(owned.begin(), owned.end(),
                     [](const auto& a, const auto& b) { return a.first < b.first; });
    for (const auto& [levels, window] : owned) {
        hidden_.emplace_back(window);
        window->hide();
    }
}

void SideWindowsFollowMinimize::ShowSideWindows() {
    if (hidden_.empty()) return;
    for (const QPointer<QWidget>& window : hidden_) {
        if (!window) continue;
        // A window manager that minimised it along with the main window left it marked so.
        window->setWindowState(window->windowState() & ~Qt::WindowMinimized);
        window->show();
    }
    hidden_.clear();
    // The user restored the main window: it keeps the focus, as when the windows open.
    main_.raise();
    main_.activateWindow();
}

}  // namespace toviran
