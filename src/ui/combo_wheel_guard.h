#pragma once
// The mouse wheel never picks a combo box entry behind the user's back: a combo box that
// does not have the focus passes the wheel on to its parent, and the wheel no longer
// gives a combo box the focus. One guard serves every combo box of every window.
#include <QObject>

namespace toviran {

class ComboWheelGuard final : public QObject {
  public:
    // Watches the whole application from now on; combo boxes made later are covered too.
    explicit ComboWheelGuard(QObject* parent);

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
};

}  // namespace toviran
