#include "ui/digit_filter.h"

namespace toviran {

QValidator::State DigitFilter::validate(QString& input, int& pos) const {
    QString digits;
    digits.reserve(input.size());
    int newPos = pos;
    for (qsizetype i = 0; i < input.size(); ++i) {
        const QChar c = input.at(i);
        // Only ASCII digits: full-width digits and other scripts' digits are not numbers
        // the engine reads.
        if (c >= u'0' && c <= u'9') {
            digits.append(c);
        } else if (i < pos) {
            --newPos;  // keep the cursor after the characters the user just entered
        }
    }
    input = digits;
    pos = newPos;
    return Acceptable;
}

}  // namespace toviran
