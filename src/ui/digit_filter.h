#pragma once
// Keeps a number box (feed counts, parameter values) to the characters "0".."9": typed keys, pasted
// text and dropped text alike lose every other character, so a box never holds anything but digits.
#include <QValidator>

namespace toviran {

class DigitFilter final : public QValidator {
  public:
    using QValidator::QValidator;
    State validate(QString& input, int& pos) const override;
};

}  // namespace toviran
