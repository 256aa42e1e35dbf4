#pragma once
// Rare-mag evolution by the six special items of the cmbAwake list.
#include <span>
#include <string_view>

#include "engine/display.h"
#include "engine/mag_state.h"
#include "engine/messages.h"

namespace toviran {

inline constexpr const char* kAwakeCaption = "レアマグ進化";

std::span<const std::string_view> SpecialItemNames();

// cmbAwake_Click with the picked entry's text. Returns true when the mag evolved.
bool UseSpecialItem(MagState& s, std::string_view entry, SectionIdParity parity, Prompter& prompter,
                    DisplayObserver& d);

}  // namespace toviran
