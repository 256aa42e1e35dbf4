#pragma once
// Japanese text is broken into lines only between phrases: after a comma, a full stop or a
// colon, after a closing bracket, before an opening one, and at its own line breaks. Left
// to itself the toolkit breaks between any two kana or kanji, which splits words
// ("新しい／マグ", "いられませ／ん").
#include <QString>

class QFont;

namespace toviran {

// `text` with an invisible word joiner (U+2060) between the characters of each phrase and
// its spaces made no-break spaces, so that a word-wrapping label breaks it only between
// phrases.
QString KeepPhrasesWhole(const QString& text);

// `text` as it was before KeepPhrasesWhole.
QString WithoutJoiners(QString text);

// `text` with line breaks of its own between phrases, so that no line is wider than
// `width` pixels in `font`; a phrase wider than that is broken where it must be.
QString BreakBetweenPhrases(const QString& text, const QFont& font, int width);

}  // namespace toviran
