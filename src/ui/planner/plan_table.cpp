#include "ui/planner/plan_table.h"

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

void ShowPress(QTableWidget& table, int row, const planner::Press& press) {
    const MagCore& m = press.after;
    SetCell(table, row, PlanColumn::Items, QString::fromStdString(PressItemsText(press)));
    SetCell(table, row, PlanColumn::Form, QString::fromStdString(FormText(m.form)));
    SetCell(table, row, PlanColumn::Level, QString::number(m.level));
    const PlanColumn stats[] = {PlanColumn::Def, PlanColumn::Pow, PlanColumn::Dex,
                                PlanColumn::Mind};
    for (std::size_t k = 0; k < 4; ++k)
        SetCell(table, row, stats[k], QString::number(m.statLevel[k]));
    SetCell(table, row, PlanColumn::IQ, QString::number(m.iq));
    SetCell(table, row, PlanColumn::Synchro, QString::number(m.synchro));
}

}  // namespace

void ShowPlanInTable(QTableWidget& table, const planner::Plan& plan) {
    table.clearContents();
    table.setRowCount(static_cast<int>(plan.presses.size()));
    for (std::size_t i = 0; i < plan.presses.size(); ++i)
        ShowPress(table, static_cast<int>(i), plan.presses[i]);
}

}  // namespace toviran
