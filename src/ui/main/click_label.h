#pragma once
// A label that reports a left click (press and release on it), as a button would.
#include <QLabel>
#include <QMouseEvent>
#include <functional>

namespace toviran {

class ClickLabel final : public QLabel {
  public:
    using QLabel::QLabel;
    void setClickHandler(std::function<void()> handler) { onClick_ = std::move(handler); }

  protected:
    void mouseReleaseEvent(QMouseEvent* event) override {
        QLabel::mouseReleaseEvent(event);
        if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()) &&
            onClick_) {
            onClick_();
        }
    }

  private:
    std::function<void()> onClick_;
};

}  // namespace toviran
