#pragma once
// Rare-mag evolution by the six special items of the cmbAwake list.
#include <span>
#include <string_view>

#include "display.h"
#include "mag_core.h"
#include "mag_state.h"
#include "messages.h"

namespace toviran {

inline constexpr const char* kAwakeCaption = "レアマグ進化";

// What a special item asks of the mag; every bound is inclusive. A requirement that
// leaves a field at its default does not test it.
struct SpecialRequirement {
    int minLevel = 0;
    int minIq = 0;
    int minSynchro = 0;
    int statMin = 0;    // with statCount: at least statCount of DEF, POW, DEX, MIND
    int statCount = 0;  // are statMin or more
};
bool RequirementMet(const SpecialRequirement& r, const MagCore& m);

// The special items in the order of the cmbAwake list, with what each gives.
struct SpecialItemInfo {
    std::string_view entry;
    std::string_view evenName;  // the name with an even section ID
    std::string_view oddName;   // the name with an odd section ID
    Rgb colour;
    std::string_view usage;  // the usage text, which states the condition
    SpecialRequirement requirement;
    std::string_view NameFor(SectionIdParity parity) const {
        return parity == SectionIdParity::Even ? evenName : oddName;
    }
};
std::span<const SpecialItemInfo> SpecialItemInfos();

// The mag's numbers after a special item: it takes the rare form and is rare from then on;
// levels, stats, progress, IQ and synchro stay as they were.
inline MagCore AfterSpecialItem(MagCore m, int rareForm) {
    m.form = static_cast<std::int8_t>(rareForm);
    m.rare = true;
    return m;
}

// cmbAwake_Click with the picked entry's text. Returns true when the mag evolved.
bool UseSpecialItem(MagState& s, std::string_view entry, SectionIdParity parity, Prompter& prompter,
                    DisplayObserver& d);

}  // namespace toviran
