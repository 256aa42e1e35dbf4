#pragma once
// A feed-slot count box: it holds digits only, whether typed or pasted, and an emptied
// box shows "1" again at once.
#include <QLineEdit>

namespace toviran {

class CountBox final : public QLineEdit {
  public:
    explicit CountBox(QWidget* parent);

    void plus();   // cmdPlusN_Click
    void minus();  // cmdMinusN_Click
};

}  // namespace toviran
