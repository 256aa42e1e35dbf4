#pragma once
// The text of one feed-history entry. The history is part of the mag's record: the
// feeding run writes an entry for each fed slot into HistoryText.
#include <string>
#include <string_view>

#include "types.h"

namespace toviran {

std::string HistoryEntry(SectionIdParity parity, CharacterClass cls, std::string_view item,
                         std::string_view quantity, std::string_view magName);

}  // namespace toviran
