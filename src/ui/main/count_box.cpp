#include "ui/main/count_box.h"

#include <QValidator>

#include "ui/main/count_text.h"

namespace toviran {
namespace {

// Drops every character but "0".."9" from what is typed, pasted or dropped; the box
// itself never refuses the edit, so a pasted "1a2" becomes "12".
class DigitsValidator final : public QValidator {
  public:
    using QValidator::QValidator;
    State validate(QString& input, int& pos) const override {
        const QString before = input.left(pos);
        input = QString::fromStdString(DigitsOnly(input.toStdString()));
        pos = static_cast<int>(DigitsOnly(before.toStdString()).size());
        return Acceptable;
    }
};

}  // namespace

CountBox::CountBox(QWidget* parent) : QLineEdit(QString::fromUtf8(kEmptyCountText), parent) {
    setValidator(new DigitsValidator(this));
    connect(this, &QLineEdit::textChanged, this, [this](const QString& text) {
        if (text.isEmpty()) setText(QString::fromUtf8(kEmptyCountText));
    });
}

void CountBox::plus() {
    setText(QString::fromStdString(CountAfterPlus(text().toStdString())));
}

void CountBox::minus() {
    setText(QString::fromStdString(CountAfterMinus(text().toStdString())));
}

}  // namespace toviran
