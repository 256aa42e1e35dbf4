#include "ui/safe_paste.h"

#include <QClipboard>
#include <QComboBox>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMimeData>
#include <QMouseEvent>

namespace toviran {
namespace {

bool HasNoFormat(const QMimeData* data) {
    return data == nullptr || data->formats().isEmpty();
}

// What a paste key reads: where there is a selection (X11), Ctrl+Shift+Insert pastes it.
QClipboard::Mode PasteSource(const QKeyEvent& key) {
    const bool selection = QGuiApplication::clipboard()->supportsSelection() &&
                           key.modifiers() == (Qt::ControlModifier | Qt::ShiftModifier) &&
                           key.key() == Qt::Key_Insert;
    return selection ? QClipboard::Selection : QClipboard::Clipboard;
}

// Whether `event` would hand the box data without any format.
bool PastesNothing(QEvent* event) {
    const QClipboard* clipboard = QGuiApplication::clipboard();
    switch (event->type()) {
        case QEvent::KeyPress: {
            const auto& key = static_cast<const QKeyEvent&>(*event);
            return key.matches(QKeySequence::Paste) &&
                   HasNoFormat(clipboard->mimeData(PasteSource(key)));
        }
        case QEvent::MouseButtonRelease:  // the middle button pastes the selection
            return static_cast<QMouseEvent*>(event)->button() == Qt::MiddleButton &&
                   clipboard->supportsSelection() &&
                   HasNoFormat(clipboard->mimeData(QClipboard::Selection));
        case QEvent::DragEnter:
        case QEvent::DragMove:
        case QEvent::Drop:
            return HasNoFormat(static_cast<QDropEvent*>(event)->mimeData());
        default:
            return false;
    }
}

class PasteGuard final : public QObject {
  public:
    using QObject::QObject;

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (!PastesNothing(event)) return QObject::eventFilter(watched, event);
        event->ignore();  // a refused drop
        return true;
    }
};

}  // namespace

bool PasteSafeTextEdit::canInsertFromMimeData(const QMimeData* source) const {
    return !HasNoFormat(source) && QPlainTextEdit::canInsertFromMimeData(source);
}

void PasteSafeTextEdit::insertFromMimeData(const QMimeData* source) {
    if (!HasNoFormat(source)) QPlainTextEdit::insertFromMimeData(source);
}

void GuardPaste(QWidget& box) {
    auto* guard = new PasteGuard(&box);
    box.installEventFilter(guard);
    // An editable combo box hands keys to its line edit, which takes the mouse directly.
    if (auto* combo = qobject_cast<QComboBox*>(&box); combo && combo->lineEdit())
        combo->lineEdit()->installEventFilter(guard);
}

}  // namespace toviran
