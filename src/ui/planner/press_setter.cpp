#include "ui/planner/press_setter.h"

namespace toviran {
namespace {

QRadioButton* ClassOption(const MainControls& c, CharacterClass cls) {
    switch (cls) {
        case CharacterClass::RA:
            return c.optRan;
        case CharacterClass::FO:
            return c.optFor;
        case CharacterClass::HU:
            break;
    }
    return c.optHun;
}

void SetSlot(const FeedSlotControls& slot, int item, int count) {
    // Picked afresh, so that the pick handler names the slot's item even when the list
    // already showed it under a typed text.
    slot.item->setCurrentIndex(-1);
    slot.item->setCurrentIndex(item);
    slot.count->setText(QString::number(count));
}

}  // namespace

void SetPressInMainWindow(const MainControls& c, const planner::Press& press, CharacterClass cls,
                          SectionIdParity parity) {
    ClassOption(c, cls)->setChecked(true);
    (parity == SectionIdParity::Even ? c.optID0 : c.optID1)->setChecked(true);
    if (press.levelMode) {
        c.optLv->setChecked(true);  // hides slots 2 to 4 and unchecks slot 2
        SetSlot(c.feedSlots[0], press.feedSlots.front().item, press.targetLevel);
        return;
    }
    c.optKazu->setChecked(true);
    const std::size_t used = press.feedSlots.size();
    // Each box's change runs the slot chain: switched on front to back, off back to front.
    for (std::size_t k = 1; k < used; ++k) c.feedSlots[k].check->setChecked(true);
    for (std::size_t k = c.feedSlots.size(); k-- > used;)
        if (k > 0) c.feedSlots[k].check->setChecked(false);
    for (std::size_t k = 0; k < used; ++k)
        SetSlot(c.feedSlots[k], press.feedSlots[k].item, press.feedSlots[k].count);
}

}  // namespace toviran
