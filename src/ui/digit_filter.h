#pragma once
// Keeps a number box (feed counts, parameter values) to the characters "0".."9". A typed
// key that would put anything else into the box is thrown away before the box sees it, so
// the box keeps its text and selection; pasted and dropped text lose every other character.
#include <QLineEdit>
#include <QValidator>

namespace toviran {

class DigitFilter final : public QValidator {
  public:
    // Filters what is pasted or dropped into `box` (as its validator) and what is typed.
    explicit DigitFilter(QLineEdit* box);
    State validate(QString& input, int& pos) const override;

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
};

}  // namespace toviran
