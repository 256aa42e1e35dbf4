#include "ui/digit_filter.h"

#include <QKeyEvent>
#include <algorithm>

namespace toviran {
namespace {

// Only ASCII digits: full-width digits and other scripts' digits are not numbers the
// engine reads.
bool IsDigit(QChar c) {
    return c >= u'0' && c <= u'9';
}

// A key that would type a character other than a digit. Keys that type nothing
// (backspace, arrows, Ctrl+C and the like) are the box's own editing.
bool TypesNonDigit(const QKeyEvent& key) {
    const QString text = key.text();
    return std::any_of(text.begin(), text.end(),
                       [](QChar c) { return c.isPrint() && !IsDigit(c); });
}

}  // namespace

DigitFilter::DigitFilter(QLineEdit* box) : QValidator(box) {
    box->installEventFilter(this);
    // Digits need no input method; without one, keys arrive as plain key presses.
    box->setAttribute(Qt::WA_InputMethodEnabled, false);
}

QValidator::State DigitFilter::validate(QString& input, int& pos) const {
    QString digits;
    digits.reserve(input.size());
    int newPos = pos;
    for (qsizetype i = 0; i < input.size(); ++i) {
        const QChar c = input.at(i);
        if (IsDigit(c)) {
            digits.append(c);
        } else if (i < pos) {
            --newPos;  // keep the cursor after the characters the user just entered
        }
    }
    input = digits;
    pos = newPos;
    return Acceptable;
}

bool DigitFilter::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::KeyPress && TypesNonDigit(*static_cast<QKeyEvent*>(event))) {
        return true;
    }
    return QValidator::eventFilter(watched, event);
}

}  // namespace toviran
