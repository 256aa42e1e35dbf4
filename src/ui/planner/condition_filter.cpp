#include "ui/planner/condition_filter.h"

#include <QKeyEvent>
#include <algorithm>

#include "engine/mag_core.h"

namespace toviran {
namespace {

constexpr int DigitsOf(int n) {
    return n < 10 ? 1 : 1 + DigitsOf(n / 10);
}
// No level or stat is above the level cap, so no number in a condition is longer.
constexpr int kMostDigits = DigitsOf(kLevelCap);

bool ConditionChar(QChar c) {
    return (c >= u'0' && c <= u'9') || c == u'.' || c == u'*';
}

// A key that would type a character no condition has. Keys held with Ctrl, Alt or Meta are
// the box's commands (Ctrl+V pastes), whatever text a platform gives them.
bool TypesOtherChar(const QKeyEvent& key) {
    if (key.modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier)) return false;
    const QString text = key.text();
    return std::any_of(text.begin(), text.end(),
                       [](QChar c) { return c.isPrint() && !ConditionChar(c); });
}

bool AllDigits(QStringView text) {
    return std::all_of(text.begin(), text.end(), [](QChar c) { return c >= u'0' && c <= u'9'; });
}

}  // namespace

ConditionFilter::ConditionFilter(QLineEdit* box) : QValidator(box) {
    box->installEventFilter(this);
    // Conditions are typed in half-width characters; without an input method, keys arrive
    // as plain key presses.
    box->setAttribute(Qt::WA_InputMethodEnabled, false);
    // No maximum length on the box: it would cut pasted text before the other characters are
    // dropped. validate() keeps to the longest condition.
}

bool ConditionFilter::Possible(const QString& text) {
    if (text == QStringLiteral("*")) return true;
    if (text.contains(u'*') || text.size() > kLongest) return false;
    const qsizetype first = text.indexOf(u'.');
    if (first < 0) return text.size() <= kMostDigits;
    const qsizetype last = text.lastIndexOf(u'.');
    // One run of one or two dots, with a number of at most three digits on either side.
    if (last - first > 1) return false;
    const QStringView low = QStringView(text).left(first);
    const QStringView high = QStringView(text).mid(last + 1);
    return AllDigits(low) && AllDigits(high) && low.size() <= kMostDigits &&
           high.size() <= kMostDigits;
}

QValidator::State ConditionFilter::validate(QString& input, int& pos) const {
    QString kept;
    kept.reserve(input.size());
    int newPos = pos;
    for (qsizetype i = 0; i < input.size(); ++i) {
        if (ConditionChar(input.at(i)))
            kept.append(input.at(i));
        else if (i < pos)
            --newPos;  // keep the cursor after the characters the user just entered
    }
    if (!Possible(kept)) return Invalid;
    input = kept;
    pos = newPos;
    // Whatever may still become a condition is accepted, so that Enter still searches and
    // the planner window says what is wrong with a condition left half typed.
    return Acceptable;
}

bool ConditionFilter::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::KeyPress && TypesOtherChar(*static_cast<QKeyEvent*>(event)))
        return true;
    return QValidator::eventFilter(watched, event);
}

}  // namespace toviran
