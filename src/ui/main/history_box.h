#pragma once
// txtRireki, the history window's text box. The main window keeps it while the window,
// which is destroyed whenever it is hidden, comes and goes: a window shown again takes
// the same box, already laid out, instead of laying out a long history anew. The box
// follows the history log by changing only the end that differs, so that a run or an
// undo costs what it adds or removes.
#include <QPlainTextEdit>
#include <QPointer>
#include <string>
#include <string_view>

namespace toviran {

class HistoryBox {
  public:
    // The box waits, hidden, in `keeper` while no window holds it.
    explicit HistoryBox(QWidget& keeper);
    ~HistoryBox();
    HistoryBox(const HistoryBox&) = delete;
    HistoryBox& operator=(const HistoryBox&) = delete;

    QPlainTextEdit& widget() const { return *box_; }

    // A window takes the box when it is created and gives it back when it is destroyed
    // (unless a newer window has taken it since).
    void LendTo(QWidget& window);
    void GiveBack(const QWidget& window);

    // Makes the box hold `history` (CR LF shown as line breaks), the cursor at the start
    // and scrolled to the top, as a refilled box. While it still holds the log it was last
    // given (the user has not edited it since) and one continues the other, only the
    // difference is appended or cut off; otherwise the whole text is replaced. The user's
    // undo steps go either way.
    void Follow(std::string_view history);

    // What the box holds now, the user's edits included, with CR LF line breaks.
    std::string Text() const;

  private:
    QTextDocument& Document() const { return *box_->document(); }
    void Append(std::string_view tail);
    void CutOff(std::string_view tail);
    void Replace(std::string_view history);

    QWidget& keeper_;
    QPointer<QPlainTextEdit> box_;  // a child of the keeper or of the window holding it
    std::string held_;              // the log the box was last made to hold
    bool edited_ = false;           // changed by the user since
    bool following_ = false;        // a change of Follow's own is under way
};

}  // namespace toviran
