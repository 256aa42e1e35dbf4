#pragma once
// Word-wrapped labels that break their text only between phrases (see platform/phrases.h),
// and read it to screen readers as it is. An empty label is read by `nameWhenEmpty`: with
// no name at all, a screen reader would call it by the caption of the box around it.
#include <QLabel>

namespace toviran {

void ShowPhrases(QLabel& label, const QString& text, const QString& nameWhenEmpty = {});

}  // namespace toviran
