#include "ui/whole_names_combo.h"

#include <QAbstractItemView>
#include <QScrollBar>

namespace toviran {

void WholeNamesComboBox::showPopup() {
    QAbstractItemView& list = *view();
    list.setMinimumWidth(list.sizeHintForColumn(modelColumn()) + 2 * list.frameWidth() +
                         list.verticalScrollBar()->sizeHint().width());
    QComboBox::showPopup();
}

}  // namespace toviran
