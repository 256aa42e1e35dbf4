#pragma once
// Applying the parameter window's values to the mag.
#include <array>
#include <string>
#include <string_view>

#include "display.h"
#include "mag_state.h"
#include "messages.h"

namespace toviran {

// The window's typed values, in the order DEF, POW, DEX, MIND for the arrays.
struct ParameterInput {
    std::string name = "マグ";  // ParameterMagName
    std::array<std::string, 4> levelText{"5", "0", "0", "0"};
    std::array<std::string, 4> progressText{"0", "0", "0", "0"};
    std::string iqText = "0";
    std::string synchroText = "40";
};

// Text rules of the window's boxes: an emptied box becomes "0"; a progress box above
// 99 becomes "99". Both keep only what the digit filter lets through.
std::string LevelBoxText(std::string_view typed);
std::string ProgressBoxText(std::string_view typed);

// 反映: refusals, confirmation, undo snapshot, the new values, history restarted, undo
// enabled. Returns true when applied (the window then closes).
bool ApplyParameters(MagState& s, const ParameterInput& in, Prompter& prompter, DisplayObserver& d);

}  // namespace toviran
