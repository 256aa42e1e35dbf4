#pragma once
// A combo box whose list drops down as wide as its longest entry, in the font it has when
// it drops down, however narrow the box itself is laid out.
#include <QComboBox>

namespace toviran {

class WholeNamesComboBox final : public QComboBox {
  public:
    using QComboBox::QComboBox;
    void showPopup() override;
};

}  // namespace toviran
