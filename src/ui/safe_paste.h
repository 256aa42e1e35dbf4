#pragma once
// Pasting or dropping data without any format, which is what an X11 clipboard or selection
// that no program owns hands over. Qt 6.4's text edit reads the first format of such data
// without checking that there is one, and crashes; its line edit reads only the text and
// copes, but is guarded all the same. Every editable box of the program is built with one
// of the two guards below, which refuse such data and let any other through.
#include <QPlainTextEdit>

class QMimeData;

namespace toviran {

// A multi-line box that refuses such data where every way in (the paste keys, the middle
// button, the context menu, a drop) ends up.
class PasteSafeTextEdit final : public QPlainTextEdit {
  public:
    using QPlainTextEdit::QPlainTextEdit;

  protected:
    bool canInsertFromMimeData(const QMimeData* source) const override;
    void insertFromMimeData(const QMimeData* source) override;
};

// For a QLineEdit or an editable QComboBox (after setEditable): such a paste by the keys
// or the middle button, and such a drop, is dropped before the box sees it.
void GuardPaste(QWidget& box);

}  // namespace toviran
