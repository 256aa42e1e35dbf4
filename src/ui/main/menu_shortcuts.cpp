#include "ui/main/menu_shortcuts.h"

#include <QCoreApplication>
#include <QKeyEvent>
#include <QWidget>
#include <algorithm>

namespace toviran {

MenuShortcuts::MenuShortcuts(const QWidget& menuBar, QObject* parent) : QObject(parent) {
    for (QAction* action : menuBar.findChildren<QAction*>()) {
        if (action->shortcut().isEmpty()) continue;
        action->setShortcutContext(Qt::ApplicationShortcut);
        actions_.emplace_back(action);
    }
    QCoreApplication::instance()->installEventFilter(this);
}

bool MenuShortcuts::eventFilter(QObject* /*watched*/, QEvent* event) {
    if (event->type() != QEvent::ShortcutOverride) return false;
    const QKeySequence pressed(static_cast<QKeyEvent*>(event)->keyCombination());
    // Kept from the focused control and left unaccepted: the menu entry's shortcut runs.
    return std::any_of(actions_.begin(), actions_.end(), [&](const QPointer<QAction>& action) {
        return action && action->isEnabled() && action->shortcut() == pressed;
    });
}

}  // namespace toviran
