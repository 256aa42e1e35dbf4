#include "ui/planner/forms_table.h"

#include <QHeaderView>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QScrollBar>
#include <QStyle>

#include "engine/mag_forms.h"

namespace toviran {
namespace {

constexpr const char* kTitles[] = {"姿", "Lv", "えさ", "下限", "答え"};
static_assert(std::size(kTitles) == static_cast<std::size_t>(FormsColumn::Count));
constexpr const char* kTitleTips[] = {
    nullptr, "この姿になれる一番低いレベル", "そのレベルまでのプランのえさの数",
    "そのレベルまで、これより少ないえさでは届かないことが確かめられた数", nullptr};
constexpr const char* kWidestNumber = "1000";
// Room for the answer's first words beside the numbers.
constexpr const char* kAnswerRoom = "なれません：";

int Column(FormsColumn column) {
    return static_cast<int>(column);
}

QTableWidgetItem* Cell(const QString& text, Qt::Alignment alignment) {
    auto* cell = new QTableWidgetItem(text);
    cell->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable);
    cell->setTextAlignment(alignment | Qt::AlignVCenter);
    return cell;
}

}  // namespace

FormsTable::FormsTable(QWidget* parent)
    : QTableWidget(kMagFormCount, static_cast<int>(FormsColumn::Count), parent) {
    QStringList titles;
    for (const char* title : kTitles) titles << QString::fromUtf8(title);
    setHorizontalHeaderLabels(titles);
    for (int column = 0; column < columnCount(); ++column)
        if (kTitleTips[column] != nullptr)
            horizontalHeaderItem(column)->setToolTip(QString::fromUtf8(kTitleTips[column]));
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setSelectionBehavior(QAbstractItemView::SelectRows);
    setSelectionMode(QAbstractItemView::SingleSelection);
    // Tab goes on to the next control: the arrow keys move within the table.
    setTabKeyNavigation(false);
    setWordWrap(false);
    verticalHeader()->hide();
    // One line a row, whatever the font.
    verticalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    QHeaderView& header = *horizontalHeader();
    header.setSectionResizeMode(QHeaderView::ResizeToContents);
    header.setStretchLastSection(true);
    header.setSectionResizeMode(Column(FormsColumn::Answer), QHeaderView::Stretch);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    for (int form = 0; form < kMagFormCount; ++form) {
        const std::string_view name = kMagForms[form].name;
        setItem(form, Column(FormsColumn::Form),
                Cell(QString::fromUtf8(name.data(), static_cast<qsizetype>(name.size())),
                     Qt::AlignLeft));
        ShowRow(form, {});
    }
}

void FormsTable::ShowRow(int form, const FormsRowText& text) {
    const std::pair<FormsColumn, const QString*> cells[] = {{FormsColumn::Level, &text.level},
                                                            {FormsColumn::Items, &text.items},
                                                            {FormsColumn::Bound, &text.bound},
                                                            {FormsColumn::Answer, &text.answer}};
    for (const auto& [column, value] : cells) {
        const bool number = column != FormsColumn::Answer;
        setItem(form, Column(column), Cell(*value, number ? Qt::AlignRight : Qt::AlignLeft));
    }
    QTableWidgetItem* answer = item(form, Column(FormsColumn::Answer));
    answer->setToolTip(text.spoken);
    answer->setData(Qt::AccessibleTextRole, text.spoken.isEmpty() ? text.answer : text.spoken);
}

int FormsTable::CurrentForm() const {
    const QModelIndex current = currentIndex();
    return current.isValid() ? current.row() : -1;
}

QSize FormsTable::minimumSizeHint() const {
    const QFontMetrics metrics = fontMetrics();
    int widestForm = 0;
    for (const MagForm& form : kMagForms) {
        const std::string_view name = form.name;
        widestForm = std::max(widestForm, metrics.horizontalAdvance(QString::fromUtf8(
                                              name.data(), static_cast<qsizetype>(name.size()))));
    }
    const int padding =
        2 * (style()->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, this) + 1) + 1;
    int width = 2 * frameWidth() + verticalScrollBar()->sizeHint().width() + widestForm + padding;
    for (const FormsColumn column : {FormsColumn::Level, FormsColumn::Items, FormsColumn::Bound})
        width += std::max(horizontalHeader()->sectionSizeHint(Column(column)),
                          metrics.horizontalAdvance(QString::fromUtf8(kWidestNumber)) + padding);
    width += metrics.horizontalAdvance(QString::fromUtf8(kAnswerRoom)) + padding;
    return {width, QTableWidget::minimumSizeHint().height()};
}

QModelIndex FormsTable::moveCursor(CursorAction action, Qt::KeyboardModifiers modifiers) {
    const int column = std::max(0, currentIndex().column());
    switch (action) {
        case MoveHome:
            return model()->index(0, column);
        case MoveEnd:
            return model()->index(rowCount() - 1, column);
        case MoveLeft:
        case MoveRight:
            return currentIndex();
        default:
            return QTableWidget::moveCursor(action, modifiers);
    }
}

// Enter opens the current row, as a double click does.
void FormsTable::keyPressEvent(QKeyEvent* event) {
    const bool enter = event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
    if (enter && event->modifiers() == Qt::NoModifier) {
        if (const int form = CurrentForm(); form >= 0 && open_) open_(form);
        event->accept();
        return;
    }
    QTableWidget::keyPressEvent(event);
}

void FormsTable::mouseDoubleClickEvent(QMouseEvent* event) {
    const QModelIndex index = indexAt(event->position().toPoint());
    if (event->button() == Qt::LeftButton && index.isValid() && open_) {
        setCurrentIndex(index);
        open_(index.row());
        return;
    }
    QTableWidget::mouseDoubleClickEvent(event);
}

}  // namespace toviran
