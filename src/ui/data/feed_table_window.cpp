#include "ui/data/feed_table_window.h"

#include <QLabel>
#include <QPainter>

#include "ui/close_on_escape.h"
#include "ui/data/data_window_font.h"
#include "ui/twips.h"

namespace toviran {
namespace {

constexpr int kRowHeaderLeft = 120;
constexpr int kColumnHeaderTop = 120;
constexpr int kCellHeight = 255;

struct TwipsLine {
    int x1, y1, x2, y2;
};
// Under the header row, and between the row headers and the cells.
constexpr std::array<TwipsLine, 2> kLines{{
    {120, 360, 4440, 360},
    {1320, 120, 1320, 3120},
}};

QString FromView(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

}  // namespace

// Owned by the catalogue as a tool window: above it, and minimised and restored with it.
FeedTableWindow::FeedTableWindow(QWidget* owner) : QWidget(owner, Qt::Tool) {
    setObjectName(QStringLiteral("frmEsa"));
    setWindowTitle(QStringLiteral("えさ表"));
    CloseOnEscape(*this);
    setFont(DataWindowFont());
    setFixedSize(TwipsSize(kClientWidthTwips, kClientHeightTwips));
    AddHeaders();
    AddCells();
}

void FeedTableWindow::AddHeaders() {
    int number = 1;
    for (const FeedGridRow& row : FeedGridRows()) {
        auto* label = new QLabel(FromView(row.caption), this);
        label->setObjectName(QStringLiteral("Label%1").arg(number++));
        label->move(TwipsPoint(kRowHeaderLeft, row.top));
        label->adjustSize();
    }
    for (const FeedGridColumn& column : FeedGridColumns()) {
        auto* label = new QLabel(FromView(column.caption), this);
        label->setObjectName(QStringLiteral("Label%1").arg(number++));
        label->move(TwipsPoint(column.left, kColumnHeaderTop));
        label->adjustSize();
    }
}

void FeedTableWindow::AddCells() {
    const auto rows = FeedGridRows();
    const auto columns = FeedGridColumns();
    for (int r = 0; r < kFeedGridRows; ++r) {
        for (int c = 0; c < kFeedGridColumns; ++c) {
            auto* cell = new QLabel(this);
            cell->setObjectName(FromView(rows[r].prefix) + FromView(columns[c].suffix));
            cell->setAlignment(Qt::AlignLeft | Qt::AlignTop);  // level with the row headers
            cell->setGeometry(
                TwipsRect(columns[c].left, rows[r].top, columns[c].width, kCellHeight));
            cells_[r][c] = cell;
        }
    }
}

void FeedTableWindow::Fill(int tableNo) {
    const FeedGridTexts texts = FeedGridTextsOf(tableNo);
    for (int r = 0; r < kFeedGridRows; ++r) {
        for (int c = 0; c < kFeedGridColumns; ++c) {
            cells_[r][c]->setText(QString::fromStdString(texts[r][c]));
        }
    }
}

const QLabel& FeedTableWindow::Cell(int row, int column) const {
    return *cells_.at(row).at(column);
}

void FeedTableWindow::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setPen(palette().color(QPalette::WindowText));
    for (const TwipsLine& line : kLines) {
        painter.drawLine(TwipsPoint(line.x1, line.y1), TwipsPoint(line.x2, line.y2));
    }
}

}  // namespace toviran
