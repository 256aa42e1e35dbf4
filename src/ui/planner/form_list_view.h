#pragma once
// The form list's drop-down. It tells screen readers which forms cannot be picked: the
// toolkit's own drop-down reports every entry as usable, greyed or not.
#include <QListView>

class QComboBox;

namespace toviran {

class FormListView final : public QListView {
  public:
    using QListView::QListView;
};

// Gives `list` a FormListView as its drop-down.
void UseFormListView(QComboBox& list);

}  // namespace toviran
