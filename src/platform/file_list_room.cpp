#include "platform/file_list_room.h"

#include <QDateTime>
#include <QFileDialog>
#include <QHeaderView>
#include <QLayout>
#include <QListView>
#include <QLocale>
#include <QMimeDatabase>
#include <QSplitter>
#include <QTreeView>
#include <algorithm>

namespace toviran {
namespace {

enum Column { kName, kSize, kType, kDate, kColumns };

// The widest of the texts the model writes into a column: it formats sizes and dates in
// the system's locale and names a file's type by its MIME comment.
QStringList Samples(int column) {
    const QLocale locale = QLocale::system();
    switch (column) {
        case kSize:  // "999 bytes", "1023.99 KiB", "1023.99 MiB" and their translations
            return {locale.formattedDataSize(999), locale.formattedDataSize(1048565),
                    locale.formattedDataSize(1073731010)};
        case kType:  // the files the dialog lists first are text files
            return {QMimeDatabase().mimeTypeForName(QStringLiteral("text/plain")).comment()};
        case kDate:
            return {locale.toString(QDateTime(QDate(2028, 12, 28), QTime(20, 48, 58)),
                                    QLocale::ShortFormat)};
        default:  // a history file's name, as the dialog suggests it, with room to spare
            return {QStringLiteral("マグ育成履歴マグ育成履歴.txt")};
    }
}

int ColumnWidth(const QTreeView& list, int column) {
    const QFontMetrics metrics = list.fontMetrics();
    int text = 0;
    for (const QString& sample : Samples(column))
        text = std::max(text, metrics.horizontalAdvance(sample));
    // The name column also shows the file's icon; every cell keeps a line's height of air.
    const int icon = column == kName ? list.iconSize().width() : 0;
    return std::max(list.header()->sectionSizeHint(column), text + icon + metrics.height());
}

int OtherColumnsWidth(const QTreeView& list) {
    int width = 0;
    for (int column = kSize; column < kColumns; ++column) width += ColumnWidth(list, column);
    return width;
}

int SidebarWidth(const QListView& sidebar) {
    return sidebar.sizeHintForColumn(0) + 2 * sidebar.frameWidth() + sidebar.fontMetrics().height();
}

// The file list's columns get their widths; the name takes what is left.
void SetColumns(QTreeView& list) {
    QHeaderView& header = *list.header();
    for (int column = kSize; column < kColumns; ++column)
        header.resizeSection(column, ColumnWidth(list, column));
    header.resizeSection(kName, std::max(ColumnWidth(list, kName),
                                         list.viewport()->width() - OtherColumnsWidth(list)));
}

void SetSidebar(const QListView& sidebar, QSplitter& splitter) {
    const int side = std::max(sidebar.width(), SidebarWidth(sidebar));
    const int total = splitter.width() - splitter.handleWidth();
    if (splitter.count() == 2 && total > side) splitter.setSizes({side, total - side});
}

}  // namespace

void GiveFileListsRoom(QFileDialog& dialog) {
    auto* list = dialog.findChild<QTreeView*>(QStringLiteral("treeView"));
    auto* sidebar = dialog.findChild<QListView*>(QStringLiteral("sidebar"));
    auto* splitter = dialog.findChild<QSplitter*>(QStringLiteral("splitter"));
    if (list == nullptr || sidebar == nullptr || splitter == nullptr) return;
    const int listLack =
        ColumnWidth(*list, kName) + OtherColumnsWidth(*list) - list->viewport()->width();
    const int sidebarLack = SidebarWidth(*sidebar) - sidebar->width();
    const int lack = std::max(0, listLack) + std::max(0, sidebarLack);
    if (lack > 0 && dialog.layout() != nullptr) {
        dialog.resize(dialog.width() + lack, dialog.height());
        dialog.layout()->invalidate();
        dialog.layout()->activate();  // the parts take the new width now, not at the next event
    }
    SetSidebar(*sidebar, *splitter);
    SetColumns(*list);
}

}  // namespace toviran
