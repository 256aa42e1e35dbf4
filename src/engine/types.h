#pragma once
// Small value types shared by every part of the mag engine.
#include <cstdint>
#include <string>

namespace toviran {

// The mag's flags are 16-bit: true is -1, false is 0, as the state record keeps them.
using Flag = std::int16_t;
inline constexpr Flag kTrue = -1;
inline constexpr Flag kFalse = 0;

struct Rgb {
    std::uint8_t r = 255, g = 255, b = 255;
    friend bool operator==(const Rgb&, const Rgb&) = default;
};

inline constexpr Rgb kWhite{255, 255, 255};
inline constexpr Rgb kRareGreen{0, 192, 0};
inline constexpr Rgb kRareYellow{255, 255, 0};
inline constexpr Rgb kRareLightRed{255, 128, 128};

enum class StatKind { Def, Pow, Dex, Mind };
inline constexpr StatKind kAllStats[] = {StatKind::Def, StatKind::Pow, StatKind::Dex,
                                         StatKind::Mind};

enum class CharacterClass { HU, RA, FO };
enum class SectionIdParity { Even, Odd };

}  // namespace toviran
