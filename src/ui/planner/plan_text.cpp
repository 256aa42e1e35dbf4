#include "ui/planner/plan_text.h"

#include <bit>

#include "engine/feed_tables.h"
#include "engine/mag_forms.h"
#include "engine/rare_evolution.h"
#include "plan_script/plan_script.h"
#include "wording/answer_text.h"
#include "wording/conditions_text.h"
#include "wording/play_time.h"

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
    return wording::TargetFormText(form);
}

std::vector<std::string> PressItemTexts(const planner::Press& press) {
    if (press.levelMode)
        return {ItemText(press.feedSlots.front().item) + "→Lv" + std::to_string(press.targetLevel)};
    std::vector<std::string> texts;
    for (const planner::Slot& slot : press.feedSlots)
        texts.push_back(ItemText(slot.item) + "×" + std::to_string(slot.count));
    return texts;
}

std::string SpecialItemStepText(int specialItem) {
    return "レアマグ進化「" + SpecialItemText(specialItem) + "」";
}

std::string RequestText(const planner::PlanRequest& request) {
    const planner::Target& target = request.target;
    std::string text = FormText(target.form) + " Lv" + std::to_string(target.level);
    if (const std::string conditions = wording::ConditionsText(target.stats); !conditions.empty())
        text += "（" + conditions + "）";
    text += "、" + ClassAndIdText(request.characterClass, request.parity) + "、";
    const MagCore start = CoreOf(request.start);
    text += request.startIsNewMag ? std::string("新しいマグから")
                                  : "今のマグ（" + request.start.MagName + " Lv" +
                                        std::to_string(start.level) + "）から";
    if (request.allowedItems != planner::kAllItems)
        text += "、えさ" + std::to_string(std::popcount(request.allowedItems)) + "種だけ";
    return text;
}

std::string PlanSummaryText(const planner::Plan& plan, planner::SearchEnd end) {
    if (plan.presses.empty() && plan.specialItem < 0)
        return "このマグはもう目標どおりです。えさは要りません。";
    std::string text = "えさ " + std::to_string(plan.items) + "個、与える " +
                       std::to_string(plan.presses.size()) + "回";
    if (wording::FeedSeconds(plan.items) > 0)
        text += "（" + wording::FeedTimeText(plan.items) + "）";
    text += "。";
    if (plan.specialItem >= 0) {
        const std::string item = "「" + SpecialItemText(plan.specialItem) + "」";
        if (plan.specialAfter >= plan.presses.size())
            text += "最後に" + item + "を使います。";
        else if (plan.specialAfter == 0)
            text += "はじめに" + item + "を使います。";
        else
            text += std::to_string(plan.specialAfter) + "回目のあとで" + item + "を使います。";
    }
    return text + "\n" + wording::SearchCutText(end) +
           wording::BoundText(plan.items, plan.lowerBound);
}

std::string PlanScriptText(const planner::PlanRequest& request, const planner::Plan& plan) {
    return sim::PlanScript(request, plan);
}

}  // namespace toviran
