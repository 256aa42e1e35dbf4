#include "ui/list_pick_combo.h"

#include <QComboBox>
#include <QKeyEvent>
#include <QLineEdit>

namespace toviran {
namespace {

// Swallows Enter, with which the edit part would pick a matching entry. Typed keys reach
// the combo box (the focus widget), which hands them to the edit part directly; only
// programs that send keys to the edit part itself reach it first.
class EnterSwallower final : public QObject {
  public:
    using QObject::QObject;

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::KeyPress) {
            const int key = static_cast<QKeyEvent*>(event)->key();
            if (key == Qt::Key_Return || key == Qt::Key_Enter) return true;
        }
        return QObject::eventFilter(watched, event);
    }
};

}  // namespace

void MakeListPickOnly(QComboBox& combo) {
    combo.setEditable(true);
    combo.setInsertPolicy(QComboBox::NoInsert);
    combo.setCompleter(nullptr);
    // When the edit part finishes editing (the focus leaves it for a button, another
    // window ...), the toolkit's combo box selects the list item that matches the typed
    // text and reports it as activated, as if it had been picked. That link goes.
    QObject::disconnect(combo.lineEdit(), &QLineEdit::editingFinished, &combo, nullptr);
    auto* swallower = new EnterSwallower(&combo);
    combo.installEventFilter(swallower);
    combo.lineEdit()->installEventFilter(swallower);
}

}  // namespace toviran
