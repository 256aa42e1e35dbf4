#include "ui/phrase_label.h"

#include "platform/phrases.h"

namespace toviran {

void ShowPhrases(QLabel& label, const QString& text, const QString& nameWhenEmpty) {
    label.setText(KeepPhrasesWhole(text));
    label.setAccessibleName(text.isEmpty() ? nameWhenEmpty : text);  // without the joiners
}

}  // namespace toviran
