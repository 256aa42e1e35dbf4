#include "ui/close_on_escape.h"

#include <QKeyEvent>

namespace toviran {
namespace {

// Sees the Escape that no control of the window took for itself (a key a control ignores
// goes on to the window), so that an open list or an edit in progress keeps it first.
class EscapeFilter final : public QObject {
  public:
    explicit EscapeFilter(QWidget& window) : QObject(&window), window_(window) {}

    bool eventFilter(QObject* watched, QEvent* event) override {
        if (watched == &window_ && event->type() == QEvent::KeyPress) {
            const auto* key = static_cast<QKeyEvent*>(event);
            if (key->key() == Qt::Key_Escape && key->modifiers() == Qt::NoModifier) {
                window_.close();
                return true;
            }
        }
        return false;
    }

  private:
    QWidget& window_;
};

}  // namespace

void CloseOnEscape(QWidget& window) {
    window.installEventFilter(new EscapeFilter(window));
}

}  // namespace toviran
