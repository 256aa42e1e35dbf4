#include "ui/planner/planner_inputs.h"

#include <algorithm>
#include <optional>

#include "ui/planner/form_list.h"
#include "ui/planner/planner_messages.h"

namespace toviran {
namespace {

// The number in a digits-only box; nothing when it is empty.
std::optional<std::int16_t> BoxNumber(const QLineEdit* box) {
    if (box->text().isEmpty()) return std::nullopt;
    return static_cast<std::int16_t>(std::min(box->text().toInt(), int{INT16_MAX}));
}

}  // namespace

std::variant<planner::PlanRequest, Message> RequestFromInputs(const PlannerControls& c,
                                                              const MagState& current,
                                                              CharacterClass cls,
                                                              SectionIdParity parity) {
    planner::PlanRequest request;
    request.start = c.optFromNew->isChecked() ? MagState{} : current;
    // The history plays no part in a plan, and after long feeding it is long.
    request.start.HistoryText = MagState{}.HistoryText;
    request.start.UndoHistoryText.clear();
    request.characterClass = cls;
    request.parity = parity;
    request.target.form = PickedForm(*c.cmbForm);
    const auto level = BoxNumber(c.txtLevel);
    if (!level) return LevelMissingMessage();
    request.target.level = *level;

    StatArray build{};
    int given = 0;
    for (std::size_t k = 0; k < build.size(); ++k) {
        const auto stat = BoxNumber(c.txtBuild[k]);
        given += stat.has_value();
        build[k] = stat.value_or(0);
    }
    if (given == 4) request.target.build = build;
    if (given != 0 && given != 4) return BuildPartlyGivenMessage();

    request.allowedItems = 0;
    for (std::size_t i = 0; i < c.chkItems.size(); ++i)
        if (c.chkItems[i]->isChecked()) request.allowedItems |= planner::ItemSet(1u << i);
    if (request.allowedItems == 0) return NoItemsMessage();
    return request;
}

}  // namespace toviran
