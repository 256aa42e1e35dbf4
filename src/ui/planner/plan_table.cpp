#include "ui/planner/plan_table.h"

#include <QEvent>
#include <QHeaderView>
#include <QKeyEvent>
#include <QScrollBar>
#include <QStyle>
#include <QStyleOptionViewItem>
#include <algorithm>

#include "engine/mag_forms.h"
#include "ui/planner/plan_status.h"
#include "ui/planner/plan_text.h"

namespace toviran {
namespace {

constexpr const char* kColumnTitles[] = {"姿", "Lv", "DEF", "POW", "DEX", "MIND", "IQ", "シンクロ"};
static_assert(std::size(kColumnTitles) == static_cast<std::size_t>(MagColumn::Count));
constexpr const char* kStatNames[] = {"DEF", "POW", "DEX", "MIND"};
constexpr const char* kItemGap = "、";
// The widest number a column shows (levels and stats stop at 200, IQ at 200).
constexpr const char* kWidestNumber = "200";
// The widest step number in the row headers.
constexpr const char* kWidestStepNumber = "88";
constexpr int kLeastSteps = 5;
constexpr int kLinesPerStep = 2;

QString Utf8(const std::string& text) {
    return QString::fromStdString(text);
}

QTableWidgetItem* Cell(const QString& text, Qt::Alignment alignment) {
    auto* cell = new QTableWidgetItem(text);
    cell->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable);
    cell->setTextAlignment(alignment | Qt::AlignVCenter);
    return cell;
}

// The mag's values in column order.
std::vector<QString> MagValues(const MagCore& m) {
    std::vector<QString> values{Utf8(FormText(m.form)), QString::number(m.level)};
    for (const auto level : m.statLevel) values.push_back(QString::number(level));
    values.push_back(QString::number(m.iq));
    values.push_back(QString::number(m.synchro));
    return values;
}

// "1回目：トリメイト×20、ディメイト×5。このあと カバンダ Lv35、DEF 5、…、シンクロ 40"
QString Spoken(const PlanStep& step, const QStringList& items) {
    const MagCore& m = step.after;
    QString text = step.kind == PlanStep::Kind::Press
                       ? QStringLiteral("%1回目：").arg(step.press + 1)
                       : QString();
    text += items.join(QString::fromUtf8(kItemGap)) + QStringLiteral("。このあと ");
    text += Utf8(FormText(m.form)) + QStringLiteral(" Lv%1").arg(m.level);
    for (std::size_t k = 0; k < 4; ++k)
        text += QStringLiteral("、%1 %2").arg(QString::fromUtf8(kStatNames[k])).arg(m.statLevel[k]);
    return text + QStringLiteral("、IQ %1、シンクロ %2").arg(m.iq).arg(m.synchro);
}

// The items on as few lines as `width` allows, a line breaking only between items.
QString Packed(const QStringList& items, const QFontMetrics& metrics, int width) {
    const QString gap = QString::fromUtf8(kItemGap);
    QStringList lines;
    QString line;
    for (const QString& item : items) {
        if (line.isEmpty()) {
            line = item;
        } else if (metrics.horizontalAdvance(line + gap + item) <= width) {
            line += gap + item;
        } else {
            lines << line + gap;
            line = item;
        }
    }
    lines << line;
    return lines.join(QLatin1Char('\n'));
}

}  // namespace

PlanTable::PlanTable(QWidget* parent)
    : QTableWidget(0, static_cast<int>(MagColumn::Count), parent) {
    QStringList titles;
    for (const char* title : kColumnTitles) titles << QString::fromUtf8(title);
    setHorizontalHeaderLabels(titles);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setSelectionBehavior(QAbstractItemView::SelectRows);
    setSelectionMode(QAbstractItemView::SingleSelection);
    // Tab goes on to the next control: the arrow keys move within the table.
    setTabKeyNavigation(false);
    setWordWrap(false);
    horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    // The form column takes the spare width, so that the items' rows have it too.
    horizontalHeader()->setSectionResizeMode(static_cast<int>(MagColumn::Form), QHeaderView::Fixed);
    verticalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
}

void PlanTable::ShowPlan(const planner::Plan& plan, const std::vector<PlanStep>& steps) {
    clearSpans();
    clearContents();
    setRowCount(static_cast<int>(2 * steps.size()));
    steps_.clear();
    QStringList numbers;
    for (std::size_t i = 0; i < steps.size(); ++i) {
        const PlanStep& step = steps[i];
        QStringList items;
        if (step.kind == PlanStep::Kind::SpecialItem) {
            items << Utf8(SpecialItemStepText(plan.specialItem));
        } else {
            for (const std::string& item : PressItemTexts(plan.presses[step.press]))
                items << Utf8(item);
        }
        steps_.push_back({items, Spoken(step, items)});
        setSpan(ItemsRow(i), 0, 1, columnCount());
        setItem(ItemsRow(i), 0, Cell({}, Qt::AlignLeft));
        const std::vector<QString> values = MagValues(step.after);
        for (std::size_t k = 0; k < values.size(); ++k)
            setItem(MagRow(i), static_cast<int>(k),
                    Cell(values[k], k == 0 ? Qt::AlignLeft : Qt::AlignRight));
        // Every other step shaded, so that a step's two rows read as one.
        if (i % 2 == 1)
            for (int row : {ItemsRow(i), MagRow(i)})
                for (int column = 0; column < columnCount(); ++column)
                    if (QTableWidgetItem* cell = item(row, column))
                        cell->setBackground(palette().alternateBase());
        numbers << Utf8(StepNumberText(step)) << QString();
    }
    setVerticalHeaderLabels(numbers);
    FitFormColumn();
    FitItemRows();
}

std::optional<std::size_t> PlanTable::SelectedStep() const {
    const QModelIndex current = currentIndex();
    if (!current.isValid() || steps_.empty()) return std::nullopt;
    return static_cast<std::size_t>(current.row() / 2);
}

void PlanTable::SelectStep(std::size_t step) {
    if (step < steps_.size()) setCurrentCell(ItemsRow(step), 0);
}

QModelIndex PlanTable::moveCursor(CursorAction action, Qt::KeyboardModifiers modifiers) {
    if (steps_.empty()) return {};
    const std::size_t last = steps_.size() - 1;
    const std::optional<std::size_t> now = SelectedStep();
    std::size_t next = now.value_or(0);
    switch (action) {
        case MoveUp:
        case MovePrevious:
            if (now && next > 0) --next;
            break;
        case MoveDown:
        case MoveNext:
            if (now && next < last) ++next;
            break;
        case MoveHome:
            next = 0;
            break;
        case MoveEnd:
            next = last;
            break;
        case MovePageUp:
        case MovePageDown: {
            const QModelIndex paged = QTableWidget::moveCursor(action, modifiers);
            if (paged.isValid()) next = static_cast<std::size_t>(paged.row() / 2);
            break;
        }
        case MoveLeft:
        case MoveRight:
            break;
    }
    return model()->index(ItemsRow(next), 0);
}

// The selection is always the current step's two rows, however the current row was chosen.
void PlanTable::currentChanged(const QModelIndex& current, const QModelIndex& previous) {
    QTableWidget::currentChanged(current, previous);
    if (!current.isValid()) return;
    const int top = current.row() / 2 * 2;
    const QItemSelection rows(model()->index(top, 0), model()->index(top + 1, columnCount() - 1));
    selectionModel()->select(rows, QItemSelectionModel::ClearAndSelect);
}

QItemSelectionModel::SelectionFlags PlanTable::selectionCommand(const QModelIndex&,
                                                                const QEvent*) const {
    return QItemSelectionModel::NoUpdate;  // currentChanged selects
}

// The viewport's width changes with the table's and as the vertical scroll bar comes and goes.
bool PlanTable::viewportEvent(QEvent* event) {
    if (event->type() == QEvent::Resize) {
        FitFormColumn();
        FitItemRows();
    }
    return QTableWidget::viewportEvent(event);
}

// Ctrl+Tab, which leaves controls that keep Tab for themselves, leaves this one too.
void PlanTable::keyPressEvent(QKeyEvent* event) {
    const bool tab = event->key() == Qt::Key_Tab || event->key() == Qt::Key_Backtab;
    if (tab && (event->modifiers() & Qt::ControlModifier)) {
        focusNextPrevChild(event->key() == Qt::Key_Tab &&
                           !(event->modifiers() & Qt::ShiftModifier));
        return;
    }
    QTableWidget::keyPressEvent(event);
}

QSize PlanTable::minimumSizeHint() const {
    const QFontMetrics metrics = fontMetrics();
    const int headerMargin = style()->pixelMetric(QStyle::PM_HeaderMargin, nullptr, this);
    const int padding =
        2 * (style()->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, this) + 1) + 1;
    int widestForm = 0;
    for (const MagForm& form : kMagForms)
        widestForm = std::max(widestForm, metrics.horizontalAdvance(Utf8(std::string(form.name))));
    int width = 2 * frameWidth() + verticalScrollBar()->sizeHint().width() +
                metrics.horizontalAdvance(QString::fromUtf8(kWidestStepNumber)) + 2 * headerMargin +
                2;
    for (int column = 0; column < columnCount(); ++column) {
        const int content = column == static_cast<int>(MagColumn::Form)
                                ? widestForm
                                : metrics.horizontalAdvance(QString::fromUtf8(kWidestNumber));
        width += std::max(horizontalHeader()->sectionSizeHint(column), content + padding);
    }
    const int height = 2 * frameWidth() + horizontalHeader()->sizeHint().height() +
                       kLeastSteps * kLinesPerStep * LineHeight();
    return {width, height};
}

int PlanTable::LineHeight() const {
    QStyleOptionViewItem option;
    initViewItemOption(&option);
    option.features |= QStyleOptionViewItem::HasDisplay;
    option.text = QString::fromUtf8(kWidestNumber);
    const int grid = showGrid() ? 1 : 0;
    return style()->sizeFromContents(QStyle::CT_ItemViewItem, &option, QSize(), this).height() +
           grid;
}

// The form column takes whatever width the others leave: never less than its names need.
// Only the mag rows' names count: the items rows span every column, packed into the width
// the columns leave them, so packed for a wider table they would keep it too wide.
void PlanTable::FitFormColumn() {
    const int form = static_cast<int>(MagColumn::Form);
    QHeaderView& header = *horizontalHeader();
    const int others = header.length() - header.sectionSize(form);
    int needed = header.sectionSizeHint(form);
    for (std::size_t i = 0; i < steps_.size(); ++i)
        if (const QTableWidgetItem* cell = item(MagRow(i), form))
            needed = std::max(needed, sizeHintForIndex(indexFromItem(cell)).width());
    header.resizeSection(form, std::max(needed, viewport()->width() - others));
}

void PlanTable::FitItemRows() {
    const int padding =
        2 * (style()->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, this) + 1) + 1;
    const int width = horizontalHeader()->length() - padding;
    for (std::size_t i = 0; i < steps_.size(); ++i) {
        QTableWidgetItem* cell = item(ItemsRow(i), 0);
        if (cell == nullptr) continue;
        cell->setText(Packed(steps_[i].items, fontMetrics(), width));
        cell->setData(Qt::AccessibleTextRole, steps_[i].spoken);
    }
}

}  // namespace toviran
