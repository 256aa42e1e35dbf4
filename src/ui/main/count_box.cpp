#include "ui/main/count_box.h"

#include "ui/digit_filter.h"
#include "ui/main/count_text.h"
#include "ui/safe_paste.h"

namespace toviran {

CountBox::CountBox(QWidget* parent) : QLineEdit(QString::fromUtf8(kEmptyCountText), parent) {
    setValidator(new DigitFilter(this));
    GuardPaste(*this);
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
