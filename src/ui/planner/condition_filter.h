#pragma once
// Keeps a stat box of the planner to what a condition is made of: the digits "0".."9", "."
// and "*", in a shape that is one of "N", "N..", "..N", "N..M" or "*", or that one more key
// can still make one (numbers of at most three digits; a single dot between two numbers
// while the second is typed or deleted). A key that would make anything else is thrown away
// before the box sees it; pasted and dropped text loses the characters no condition has
// and is refused when the rest is still no condition.
#include <QLineEdit>
#include <QValidator>

namespace toviran {

class ConditionFilter final : public QValidator {
  public:
    // The most characters a condition needs: "200..200".
    static constexpr int kLongest = 8;

    // Filters `box` (as its validator) and what is typed into it.
    explicit ConditionFilter(QLineEdit* box);
    State validate(QString& input, int& pos) const override;

    // The text is, or is on its way to, a condition.
    static bool Possible(const QString& text);

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
};

}  // namespace toviran
