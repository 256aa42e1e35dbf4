#pragma once
// The feed-table window (frmEsa, "えさ表"): what each feed item does to a mag of one feed
// table, as an 11 x 6 grid of signed deltas. It has no behaviour of its own; the mag
// catalogue fills it and the main window places and shows it.
#include <QWidget>
#include <array>

#include "ui/data/feed_grid.h"

class QLabel;

namespace toviran {

class FeedTableWindow : public QWidget {
    Q_OBJECT
  public:
    // The inner size, fixed: also where the window will stand before it is made.
    static constexpr int kClientWidthTwips = 4560;
    static constexpr int kClientHeightTwips = 3255;

    // `owner` keeps the window above it and destroys it with itself. Created hidden.
    // Closing it only hides it: the next fill writes to it unseen, as to a new window.
    explicit FeedTableWindow(QWidget* owner = nullptr);

    // Writes all 66 cells with feed table 1..8 (other numbers throw std::out_of_range
    // and leave the grid as it was).
    void Fill(int tableNo);

    // The value cell of an item row and a column, in the grid's order.
    const QLabel& Cell(int row, int column) const;

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    void AddHeaders();
    void AddCells();

    std::array<std::array<QLabel*, kFeedGridColumns>, kFeedGridRows> cells_{};
};

}  // namespace toviran
