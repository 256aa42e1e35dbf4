#include "ui/planner/plan_table.h"

#include <QEvent>
#include <QHeaderView>
#include <QStyle>
#include <algorithm>

#include "ui/planner/plan_text.h"
#include "ui/planner/planner_controls.h"

namespace toviran {
namespace {

void SetCell(QTableWidget& table, int row, PlanColumn column, const QString& text) {
    auto* cell = new QTableWidgetItem(text);
    cell->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable);
    cell->setToolTip(text);  // whole, when a narrow window cuts the cell short
    if (column != PlanColumn::Items && column != PlanColumn::Form)
        cell->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
    table.setItem(row, static_cast<int>(column), cell);
}

void ShowStep(QTableWidget& table, int row, const QString& what, const MagCore& m) {
    SetCell(table, row, PlanColumn::Items, what);
    SetCell(table, row, PlanColumn::Form, QString::fromStdString(FormText(m.form)));
    SetCell(table, row, PlanColumn::Level, QString::number(m.level));
    const PlanColumn stats[] = {PlanColumn::Def, PlanColumn::Pow, PlanColumn::Dex,
                                PlanColumn::Mind};
    for (std::size_t k = 0; k < 4; ++k)
        SetCell(table, row, stats[k], QString::number(m.statLevel[k]));
    SetCell(table, row, PlanColumn::IQ, QString::number(m.iq));
    SetCell(table, row, PlanColumn::Synchro, QString::number(m.synchro));
}

// The widest line of the items column, with the cell's margins and its grid line.
int ItemsWidth(const QTableWidget& table) {
    const int items = static_cast<int>(PlanColumn::Items);
    const int margin = table.style()->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, &table);
    int widest = table.horizontalHeader()->sectionSizeHint(items);
    for (int row = 0; row < table.rowCount(); ++row) {
        const QTableWidgetItem* cell = table.item(row, items);
        if (cell == nullptr) continue;
        for (const QString& line : cell->text().split(QLatin1Char('\n')))
            widest = std::max(widest,
                              table.fontMetrics().horizontalAdvance(line) + 2 * (margin + 1) + 1);
    }
    return widest;
}

void FitItemsColumn(QTableWidget& table) {
    const int items = static_cast<int>(PlanColumn::Items);
    QHeaderView& header = *table.horizontalHeader();
    const int others = header.length() - header.sectionSize(items);
    const int spare = table.viewport()->width() - others;
    header.resizeSection(items, std::max(ItemsWidth(table), spare));
}

class ItemsColumnFitter final : public QObject {
  public:
    explicit ItemsColumnFitter(QTableWidget& table) : QObject(&table), table_(table) {}

  protected:
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() == QEvent::Resize) FitItemsColumn(table_);
        return false;
    }

  private:
    QTableWidget& table_;
};

}  // namespace

void KeepItemsWhole(QTableWidget& table) {
    table.horizontalHeader()->setSectionResizeMode(static_cast<int>(PlanColumn::Items),
                                                   QHeaderView::Fixed);
    table.viewport()->installEventFilter(new ItemsColumnFitter(table));
}

void ShowPlanInTable(QTableWidget& table, const planner::Plan& plan,
                     const std::vector<PlanStep>& steps) {
    table.clearContents();
    table.setRowCount(static_cast<int>(steps.size()));
    for (std::size_t i = 0; i < steps.size(); ++i) {
        const PlanStep& step = steps[i];
        const std::string what = step.kind == PlanStep::Kind::SpecialItem
                                     ? SpecialItemStepText(plan.specialItem)
                                     : PressItemsText(plan.presses[step.press]);
        ShowStep(table, static_cast<int>(i), QString::fromStdString(what), step.after);
    }
    FitItemsColumn(table);
}

}  // namespace toviran
