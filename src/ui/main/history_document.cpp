#include "ui/main/history_document.h"

#include <QPlainTextDocumentLayout>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextLayout>

#include "ui/main/history_box_text.h"

namespace toviran {
namespace {

// Whether `text` may be split at byte `at` and each part shown on its own as the whole
// would be: not inside a CR LF pair (one line break) nor inside a UTF-8 sequence.
bool CleanSplit(std::string_view text, std::size_t at) {
    if (at == 0 || at >= text.size()) return true;
    const auto next = static_cast<unsigned char>(text[at]);
    return (next & 0xC0) != 0x80 && !(text[at - 1] == '\r' && next == '\n');
}

bool Continues(std::string_view longer, std::string_view shorter) {
    return longer.starts_with(shorter) && CleanSplit(longer, shorter.size());
}

}  // namespace

HistoryDocument::HistoryDocument() {
    doc_.setDocumentLayout(new QPlainTextDocumentLayout(&doc_));
    QObject::connect(&doc_, &QTextDocument::contentsChange, &doc_, [this] {
        if (!following_) edited_ = true;
    });
}

void HistoryDocument::Follow(std::string_view history) {
    following_ = true;
    doc_.setUndoRedoEnabled(false);  // drops the undo steps; Follow's changes make none
    if (!edited_ && Continues(history, held_)) {
        Append(history.substr(held_.size()));
    } else if (!edited_ && Continues(held_, history) && history.size() * 2 > held_.size()) {
        // (Cutting off most of a long text costs more than writing the rest anew.)
        CutOff(std::string_view(held_).substr(history.size()));
    } else {
        Replace(history);
    }
    doc_.setUndoRedoEnabled(true);
    edited_ = false;
    following_ = false;
}

std::string HistoryDocument::Text() const {
    return HistoryFromBoxText(doc_.toPlainText());
}

void HistoryDocument::Append(std::string_view tail) {
    if (tail.empty()) return;
    QTextCursor cursor(&doc_);
    cursor.movePosition(QTextCursor::End);
    const QTextBlock firstChanged = cursor.block();
    cursor.insertText(BoxTextFromHistory(tail));
    // Each new line gets its layout object now, a few per run, rather than all of them
    // at once the first time a box shows a long document.
    for (QTextBlock b = firstChanged; b.isValid(); b = b.next()) b.layout();
    held_.append(tail);
}

// A document position counts a UTF-16 unit or a line break as one, as the box text does.
void HistoryDocument::CutOff(std::string_view tail) {
    QTextCursor cursor(&doc_);
    cursor.movePosition(QTextCursor::End);
    const int length = static_cast<int>(BoxTextFromHistory(tail).size());
    cursor.setPosition(cursor.position() - length, QTextCursor::KeepAnchor);
    cursor.removeSelectedText();
    held_.resize(held_.size() - tail.size());
}

void HistoryDocument::Replace(std::string_view history) {
    doc_.setPlainText(BoxTextFromHistory(history));
    held_.assign(history);
}

}  // namespace toviran
