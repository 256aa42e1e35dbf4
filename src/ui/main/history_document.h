#pragma once
// The history box's text. It lives as long as the main window rather than the history
// window, which is destroyed whenever it is hidden: a window shown again displays the same
// document and need not lay out a long history anew. It follows the history log by changing
// only the end that differs, so that a run or an undo costs what it adds or removes.
#include <QTextDocument>
#include <string>
#include <string_view>

namespace toviran {

class HistoryDocument {
  public:
    HistoryDocument();
    HistoryDocument(const HistoryDocument&) = delete;
    HistoryDocument& operator=(const HistoryDocument&) = delete;

    // Laid out for a QPlainTextEdit.
    QTextDocument& document() { return doc_; }

    // Makes the document hold `history` (CR LF shown as line breaks). While it still holds
    // the log it was last given (the user has not edited it since) and one continues the
    // other, only the difference is appended or cut off; otherwise the whole text is
    // replaced. The user's undo steps go either way, as they do when a box is refilled.
    void Follow(std::string_view history);

    // What the document holds now, the user's edits included, with CR LF line breaks.
    std::string Text() const;

  private:
    void Append(std::string_view tail);
    void CutOff(std::string_view tail);
    void Replace(std::string_view history);

    QTextDocument doc_;
    std::string held_;        // the log the document was last made to hold
    bool edited_ = false;     // changed by the user since
    bool following_ = false;  // a change of Follow's own is under way
};

}  // namespace toviran
