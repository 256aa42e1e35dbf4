#include "ui/planner/plan_text.h"

#include "cli/plan_script.h"
#include "engine/feed_tables.h"
#include "engine/mag_forms.h"
#include "engine/rare_evolution.h"

namespace toviran {
namespace {

constexpr const char* kClassWords[] = {"HU", "RA", "FO"};

std::string ItemText(int item) {
    return std::string(FeedItemNames()[static_cast<std::size_t>(item)]);
}

std::string SpecialItemText(int specialItem) {
    return std::string(SpecialItemInfos()[static_cast<std::size_t>(specialItem)].entry);
}

}  // namespace

std::string ClassAndIdText(CharacterClass cls, SectionIdParity parity) {
    return std::string(kClassWords[static_cast<int>(cls)]) +
           (parity == SectionIdParity::Even ? "・偶数ID" : "・奇数ID");
}

std::string FormText(int form) {
    if (form < 0 || form >= kMagFormCount) return "？";
    return std::string(kMagForms[form].name);
}

std::string PressItemsText(const planner::Press& press) {
    if (press.levelMode)
        return ItemText(press.feedSlots.front().item) + "→Lv" + std::to_string(press.targetLevel);
    std::string text;
    for (const planner::Slot& slot : press.feedSlots) {
        if (!text.empty()) text += "\n";
        text += ItemText(slot.item) + "×" + std::to_string(slot.count);
    }
    return text;
}

std::string PlanSummaryText(const planner::Plan& plan) {
    std::string text = "えさ " + std::to_string(plan.items) + "個・" +
                       std::to_string(plan.presses.size()) + "回・下限 " +
                       std::to_string(plan.lowerBound) + "個（差 " +
                       std::to_string(plan.items - plan.lowerBound) + "）";
    if (plan.specialItem >= 0) text += "・最後に「" + SpecialItemText(plan.specialItem) + "」";
    return text;
}

std::string PlanScriptText(const planner::PlanRequest& request, const planner::Plan& plan) {
    return sim::PlanScript(request, plan);
}

}  // namespace toviran
