#pragma once
// ローテーション: which of feed slots 2 to 4 (and check boxes chk3, chk4) are usable,
// from the slot check boxes. The slots form a chain: a slot needs its own box and every
// box before it checked.
#include <array>

namespace toviran {

enum class CheckValue { Unchecked, Checked, Grey };

struct SlotEnabling {
    bool chk3 = false;
    bool chk4 = false;
    std::array<bool, 3> slotEnabled{};  // slots 2, 3 and 4
    friend bool operator==(const SlotEnabling&, const SlotEnabling&) = default;
};

// A box in the grey state stops the chain there: what lies after it keeps `current`.
SlotEnabling ローテーション(CheckValue chk2, CheckValue chk3, CheckValue chk4,
                            SlotEnabling current);

}  // namespace toviran
