#include "ui/planner/planner_inputs.h"

#include <algorithm>
#include <optional>

#include "ui/planner/form_list.h"
#include "ui/planner/planner_messages.h"
#include "wording/conditions_text.h"

namespace toviran {
namespace {

// The number in a digits-only box; nothing when it is empty.
std::optional<std::int16_t> BoxNumber(const QLineEdit* box) {
    if (box->text().isEmpty()) return std::nullopt;
    return static_cast<std::int16_t>(std::min(box->text().toInt(), int{INT16_MAX}));
}

}  // namespace

RequestKey KeyOf(const planner::PlanRequest& request) {
    return {request.target.form,  request.target.level,   request.target.stats,
            request.allowedItems, request.characterClass, request.parity,
            request.startIsNewMag};
}

std::variant<RequestKey, Message> KeyFromInputs(const PlannerControls& c, CharacterClass cls,
                                                SectionIdParity parity) {
    RequestKey key;
    key.characterClass = cls;
    key.parity = parity;
    key.startIsNewMag = c.optFromNew->isChecked();
    key.form = PickedForm(*c.cmbForm);
    const auto level = BoxNumber(c.txtLevel);
    if (!level) return LevelMissingMessage();
    key.level = *level;

    for (std::size_t k = 0; k < key.stats.size(); ++k) {
        const auto range = wording::ReadRange(c.txtBuild[k]->text().trimmed().toStdString());
        if (!range) return StatConditionMessage(static_cast<StatKind>(k));
        key.stats[k] = *range;
    }

    key.allowedItems = 0;
    for (std::size_t i = 0; i < c.chkItems.size(); ++i)
        if (c.chkItems[i]->isChecked()) key.allowedItems |= planner::ItemSet(1u << i);
    if (key.allowedItems == 0) return NoItemsMessage();
    return key;
}

std::variant<planner::PlanRequest, Message> RequestFromInputs(const PlannerControls& c,
                                                              const MagState& current,
                                                              CharacterClass cls,
                                                              SectionIdParity parity) {
    const auto asked = KeyFromInputs(c, cls, parity);
    if (const auto* message = std::get_if<Message>(&asked)) return *message;
    const RequestKey& key = std::get<RequestKey>(asked);
    planner::PlanRequest request;
    request.startIsNewMag = key.startIsNewMag;
    request.start = key.startIsNewMag ? MagState{} : current;
    // The history plays no part in a plan, and after long feeding it is long.
    request.start.HistoryText = MagState{}.HistoryText;
    request.start.UndoHistoryText.clear();
    request.characterClass = key.characterClass;
    request.parity = key.parity;
    request.target = {key.form, key.level, key.stats};
    request.allowedItems = key.allowedItems;
    return request;
}

}  // namespace toviran
