#pragma once
// A slot check box: the program may set it grey, but a click by the user only ever
// checks or unchecks it (a grey box becomes checked).
#include <QCheckBox>

namespace toviran {

class SlotCheckBox final : public QCheckBox {
  public:
    using QCheckBox::QCheckBox;

  protected:
    void nextCheckState() override {
        setCheckState(checkState() == Qt::Checked ? Qt::Unchecked : Qt::Checked);
    }
};

}  // namespace toviran
