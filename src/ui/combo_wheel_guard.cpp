#include "ui/combo_wheel_guard.h"

#include <QApplication>
#include <QComboBox>

namespace toviran {
namespace {

bool HasFocusWithin(const QComboBox& combo) {
    const QWidget* focus = QApplication::focusWidget();
    return focus != nullptr && (focus == &combo || combo.isAncestorOf(focus));
}

}  // namespace

ComboWheelGuard::ComboWheelGuard(QObject* parent) : QObject(parent) {
    QCoreApplication::instance()->installEventFilter(this);
}

bool ComboWheelGuard::eventFilter(QObject* watched, QEvent* event) {
    const QEvent::Type type = event->type();
    if (type != QEvent::Polish && type != QEvent::Wheel) return false;  // every event passes here
    auto* combo = qobject_cast<QComboBox*>(watched);
    if (combo == nullptr) return false;
    if (type == QEvent::Polish && combo->focusPolicy() == Qt::WheelFocus) {
        // The toolkit would focus the box on the first turn of the wheel, before any filter.
        combo->setFocusPolicy(Qt::StrongFocus);
    } else if (type == QEvent::Wheel && !HasFocusWithin(*combo)) {
        event->ignore();  // filtered but not accepted: the parent gets the wheel instead
        return true;
    }
    return false;
}

}  // namespace toviran
