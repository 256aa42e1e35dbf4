#pragma once
// The text of one feed-history entry.
#include <string>
#include <string_view>

#include "engine/types.h"

namespace toviran {

std::string ParityWord(SectionIdParity parity);
std::string ClassWord(CharacterClass cls);
std::string HistoryEntry(SectionIdParity parity, CharacterClass cls, std::string_view item,
                         std::string_view quantity, std::string_view magName);

}  // namespace toviran
