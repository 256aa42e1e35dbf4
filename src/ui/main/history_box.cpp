#include "ui/main/history_box.h"

#include <QTextBlock>
#include <QTextCursor>
#include <QTextLayout>

#include "ui/fonts.h"
#include "ui/main/history_box_text.h"
#include "ui/safe_paste.h"

namespace toviran {
namespace {

const QColor kBoxBackground(0, 0, 64);
const QColor kBoxText(192, 255, 255);

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

HistoryBox::HistoryBox(QWidget& keeper) : keeper_(keeper), box_(new PasteSafeTextEdit(&keeper)) {
    box_->hide();
    box_->setObjectName(QStringLiteral("txtRireki"));
    box_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    QPalette p = box_->palette();
    p.setColor(QPalette::Base, kBoxBackground);
    p.setColor(QPalette::Text, kBoxText);
    box_->setPalette(p);
    box_->setFont(DesignFont(QString::fromUtf8("HG創英角ﾎﾟｯﾌﾟ体"), 12));
    QObject::connect(&Document(), &QTextDocument::contentsChange, box_, [this] {
        if (!following_) edited_ = true;
    });
}

HistoryBox::~HistoryBox() {
    delete box_;
}

void HistoryBox::LendTo(QWidget& window) {
    box_->setParent(&window);
    box_->show();  // with the window
}

void HistoryBox::GiveBack(const QWidget& window) {
    if (box_ == nullptr || box_->parentWidget() != &window) return;
    box_->hide();
    box_->setParent(&keeper_);
}

void HistoryBox::Follow(std::string_view history) {
    following_ = true;
    Document().setUndoRedoEnabled(false);  // drops the undo steps; Follow's changes make none
    if (!edited_ && Continues(history, held_)) {
        Append(history.substr(held_.size()));
    } else if (!edited_ && Continues(held_, history) && history.size() * 2 > held_.size()) {
        // (Cutting off most of a long text costs more than writing the rest anew.)
        CutOff(std::string_view(held_).substr(history.size()));
    } else {
        Replace(history);
    }
    Document().setUndoRedoEnabled(true);
    edited_ = false;
    following_ = false;
    box_->moveCursor(QTextCursor::Start);
}

std::string HistoryBox::Text() const {
    return HistoryFromBoxText(Document().toPlainText());
}

void HistoryBox::Append(std::string_view tail) {
    if (tail.empty()) return;
    QTextCursor cursor(&Document());
    cursor.movePosition(QTextCursor::End);
    const QTextBlock firstChanged = cursor.block();
    cursor.insertText(BoxTextFromHistory(tail));
    // Each new line gets its layout object now, a few per run, rather than all of them
    // at once the first time the box is shown with a long history.
    for (QTextBlock b = firstChanged; b.isValid(); b = b.next()) b.layout();
    held_.append(tail);
}

// A document position counts a UTF-16 unit or a line break as one, as the box text does.
void HistoryBox::CutOff(std::string_view tail) {
    QTextCursor cursor(&Document());
    cursor.movePosition(QTextCursor::End);
    const int length = static_cast<int>(BoxTextFromHistory(tail).size());
    cursor.setPosition(cursor.position() - length, QTextCursor::KeepAnchor);
    cursor.removeSelectedText();
    held_.resize(held_.size() - tail.size());
}

void HistoryBox::Replace(std::string_view history) {
    box_->setPlainText(BoxTextFromHistory(history));
    held_.assign(history);
}

}  // namespace toviran
