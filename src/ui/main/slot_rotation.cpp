#include "ui/main/slot_rotation.h"

namespace toviran {

SlotEnabling ローテーション(CheckValue chk2, CheckValue chk3, CheckValue chk4,
                            SlotEnabling current) {
    SlotEnabling e = current;
    if (chk2 == CheckValue::Grey) return e;
    if (chk2 == CheckValue::Unchecked) return SlotEnabling{};
    e.chk3 = true;
    e.slotEnabled[0] = true;
    if (chk3 == CheckValue::Grey) return e;
    if (chk3 == CheckValue::Unchecked) {
        e.chk4 = false;
        e.slotEnabled[1] = e.slotEnabled[2] = false;
        return e;
    }
    e.chk4 = true;
    e.slotEnabled[1] = true;
    if (chk4 != CheckValue::Grey) e.slotEnabled[2] = chk4 == CheckValue::Checked;
    return e;
}

}  // namespace toviran
