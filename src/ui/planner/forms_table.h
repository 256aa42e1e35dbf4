#pragma once
// The table of every form a mag can still become: a row per form in catalogue order, with
// the lowest level, the plan's items there and the bound, and the answer. A row is chosen
// with the arrow keys, Home, End or a click; Enter or a double click opens it; Tab leaves
// the table.
#include <QTableWidget>
#include <functional>

namespace toviran {

enum class FormsColumn { Form, Level, Items, Bound, Answer, Count };

// What one row shows; `spoken` is the row in full, for a screen reader and the tooltip.
struct FormsRowText {
    QString level;
    QString items;
    QString bound;
    QString answer;
    QString spoken;
};

class FormsTable final : public QTableWidget {
  public:
    explicit FormsTable(QWidget* parent = nullptr);

    void ShowRow(int form, const FormsRowText& text);
    // The form of the current row, or -1.
    int CurrentForm() const;
    void OnOpen(std::function<void(int form)> open) { open_ = std::move(open); }

    // Wide enough for the numbers and the longest name, with some room for the answer.
    QSize minimumSizeHint() const override;

  protected:
    // Home and End go to the first and last form, as in a list; left and right stay.
    QModelIndex moveCursor(CursorAction action, Qt::KeyboardModifiers modifiers) override;
    void keyPressEvent(QKeyEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;

  private:
    std::function<void(int)> open_;
};

}  // namespace toviran
