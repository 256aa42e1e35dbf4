#pragma once
// The history is kept with CR LF line breaks; a text box works with LF alone.
#include <QString>
#include <string>
#include <string_view>

namespace toviran {

QString BoxTextFromHistory(std::string_view history);
std::string HistoryFromBoxText(const QString& boxText);

}  // namespace toviran
