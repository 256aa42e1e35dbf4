#pragma once
// The plan's table, two rows for each step. The upper row, across the whole width, says
// what the player does: a press's items with their counts, or the special item. The lower
// row shows the mag after it, a column each: form, level, DEF, POW, DEX, MIND, IQ and
// synchro. So a press with four slots still takes two or three lines, and every column
// fits beside the main window on a small screen.
//
// A step is chosen as a whole, by a click on either of its rows or by the arrow keys,
// which move from step to step; Tab leaves the table.
#include <QTableWidget>
#include <optional>
#include <vector>

#include "planner/plan.h"
#include "ui/planner/plan_follow.h"

namespace toviran {

enum class MagColumn { Form, Level, Def, Pow, Dex, Mind, IQ, Synchro, Count };

class PlanTable final : public QTableWidget {
  public:
    explicit PlanTable(QWidget* parent = nullptr);

    void ShowPlan(const planner::Plan& plan, const std::vector<PlanStep>& steps);
    std::size_t StepCount() const { return steps_.size(); }
    // The step of the current row, if any.
    std::optional<std::size_t> SelectedStep() const;
    void SelectStep(std::size_t step);
    // Rows of a step: what the player does, then the mag after it.
    static int ItemsRow(std::size_t step) { return static_cast<int>(2 * step); }
    static int MagRow(std::size_t step) { return ItemsRow(step) + 1; }

    // Wide enough for every column of any plan, high enough for five steps.
    QSize minimumSizeHint() const override;
    // A table line's height.
    int LineHeight() const;

  protected:
    QModelIndex moveCursor(CursorAction action, Qt::KeyboardModifiers modifiers) override;
    void currentChanged(const QModelIndex& current, const QModelIndex& previous) override;
    QItemSelectionModel::SelectionFlags selectionCommand(const QModelIndex& index,
                                                         const QEvent* event) const override;
    bool viewportEvent(QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

  private:
    struct StepText {
        QStringList items;  // a slot's items each, or the special item
        QString spoken;     // the whole step, for screen readers
    };

    void FitItemRows();
    void FitFormColumn();

    std::vector<StepText> steps_;
};

}  // namespace toviran
