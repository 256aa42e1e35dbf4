#pragma once
// The 21 rare mags and the colour their name is shown in.
#include <string_view>

#include "types.h"

namespace toviran {

bool IsRareMagName(std::string_view name);
// Green, yellow or light red for the rare mags, white for every other name.
Rgb NameColourFor(std::string_view name);

}  // namespace toviran
