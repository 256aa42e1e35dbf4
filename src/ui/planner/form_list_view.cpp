#include "ui/planner/form_list_view.h"

#include <QAccessibleWidget>
#include <QComboBox>
#include <QPointer>
#include <map>

namespace toviran {
namespace {

// One entry of the list, greyed (disabled) when its item is not enabled.
class EntryAccessible final : public QAccessibleInterface {
  public:
    EntryAccessible(QListView& view, int row) : view_(&view), row_(row) {}

    bool isValid() const override { return view_ && row_ < view_->model()->rowCount(); }
    QObject* object() const override { return nullptr; }
    QWindow* window() const override { return view_->window()->windowHandle(); }
    QAccessibleInterface* parent() const override {
        return QAccessible::queryAccessibleInterface(view_);
    }
    QAccessibleInterface* child(int) const override { return nullptr; }
    int childCount() const override { return 0; }
    int indexOfChild(const QAccessibleInterface*) const override { return -1; }
    QAccessibleInterface* childAt(int, int) const override { return nullptr; }
    QAccessible::Role role() const override { return QAccessible::ListItem; }
    void setText(QAccessible::Text, const QString&) override {}

    QString text(QAccessible::Text kind) const override {
        if (kind == QAccessible::Name) return Index().data(Qt::DisplayRole).toString();
        if (kind == QAccessible::Description) return Index().data(Qt::ToolTipRole).toString();
        return {};
    }

    QRect rect() const override {
        return view_->visualRect(Index()).translated(view_->viewport()->mapToGlobal(QPoint()));
    }

    QAccessible::State state() const override {
        const QModelIndex index = Index();
        QAccessible::State state;
        state.disabled = !(index.flags() & Qt::ItemIsEnabled);
        state.selectable = !state.disabled && (index.flags() & Qt::ItemIsSelectable);
        state.focusable = state.selectable;
        state.selected = view_->selectionModel()->isSelected(index);
        state.focused = view_->currentIndex() == index;
        state.invisible =
            !view_->isVisible() || !view_->viewport()->rect().intersects(view_->visualRect(index));
        return state;
    }

  private:
    QModelIndex Index() const { return view_->model()->index(row_, view_->modelColumn()); }

    QPointer<QListView> view_;
    int row_;
};

// The list with one entry per row, in the order the list shows them.
class ListAccessible final : public QAccessibleWidget {
  public:
    explicit ListAccessible(FormListView& view) : QAccessibleWidget(&view, QAccessible::List) {}
    ~ListAccessible() override {
        for (const auto& [row, id] : entries_) QAccessible::deleteAccessibleInterface(id);
    }

    int childCount() const override { return View().model()->rowCount(); }

    QAccessibleInterface* child(int row) const override {
        if (row < 0 || row >= childCount()) return nullptr;
        if (const auto known = entries_.find(row); known != entries_.end())
            return QAccessible::accessibleInterface(known->second);
        auto* entry = new EntryAccessible(View(), row);
        entries_[row] = QAccessible::registerAccessibleInterface(entry);
        return entry;
    }

    int indexOfChild(const QAccessibleInterface* child) const override {
        for (const auto& [row, id] : entries_)
            if (QAccessible::accessibleInterface(id) == child) return row;
        return -1;
    }

    QAccessibleInterface* childAt(int x, int y) const override {
        const QModelIndex index = View().indexAt(View().viewport()->mapFromGlobal(QPoint(x, y)));
        return index.isValid() ? child(index.row()) : nullptr;
    }

  private:
    FormListView& View() const { return static_cast<FormListView&>(*widget()); }

    mutable std::map<int, QAccessible::Id> entries_;
};

// The view has no meta-object of its own: the toolkit asks for it by QListView's name.
QAccessibleInterface* FormListFactory(const QString& className, QObject* object) {
    if (className != QLatin1String("QListView")) return nullptr;
    auto* view = dynamic_cast<FormListView*>(object);
    return view != nullptr ? new ListAccessible(*view) : nullptr;
}

}  // namespace

void UseFormListView(QComboBox& list) {
    static const bool installed = [] {
        QAccessible::installFactory(FormListFactory);
        return true;
    }();
    (void)installed;
    list.setView(new FormListView);
}

}  // namespace toviran
