#include "plan_script/plan_script.h"

#include "engine/feed_tables.h"
#include "engine/mag_forms.h"
#include "engine/rare_evolution.h"

namespace toviran::sim {
namespace {

constexpr const char* kClassWords[] = {"HU", "RA", "FO"};
constexpr const char* kStatWords[] = {"DEF", "POW", "DEX", "MIND"};

std::string ItemName(int item) {
    return std::string(FeedItemNames()[static_cast<std::size_t>(item)]);
}

std::string FormName(int form) {
    if (form < 0 || form >= kMagFormCount) return "？";
    return std::string(kMagForms[form].name);
}

std::string PressLine(const planner::Press& press) {
    if (press.levelMode)
        return "feedto " + ItemName(press.feedSlots.front().item) + " " +
               std::to_string(press.targetLevel);
    std::string line = "feed";
    for (const planner::Slot& slot : press.feedSlots)
        line += " " + ItemName(slot.item) + " " + std::to_string(slot.count);
    return line;
}

// A stat's condition as the plan line writes it: "20", "45..", "..60", "45..60".
std::string RangeWords(const planner::StatRange& range) {
    if (range.Exact()) return std::to_string(range.least);
    return (range.least > 0 ? std::to_string(range.least) : std::string()) + ".." +
           (range.most < kLevelCap ? std::to_string(range.most) : std::string());
}

std::string TargetText(const planner::Target& target) {
    std::string text =
        (target.form == planner::kAnyForm ? std::string("*") : FormName(target.form)) + " Lv" +
        std::to_string(target.level);
    for (std::size_t k = 0; k < 4; ++k)
        if (!target.stats[k].Any())
            text += std::string(" ") + kStatWords[k] + RangeWords(target.stats[k]);
    return text;
}

// "set NAME DEF POW DEX MIND DEFP POWP DEXP MINDP IQ SYNCHRO"
std::string SetLine(const MagState& s) {
    std::string line = "set " + s.MagName;
    for (int v : {s.DefLevel, s.PowLevel, s.DexLevel, s.MindLevel, s.DefProgress, s.PowProgress,
                  s.DexProgress, s.MindProgress, s.IQ, s.Synchro})
        line += " " + std::to_string(v);
    return line;
}

}  // namespace

std::vector<std::string> PlanScriptLines(const planner::Plan& plan) {
    std::vector<std::string> lines;
    const auto special = [&plan] {
        return "rare " +
               std::string(SpecialItemInfos()[static_cast<std::size_t>(plan.specialItem)].entry);
    };
    for (std::size_t i = 0; i < plan.presses.size(); ++i) {
        if (plan.specialItem >= 0 && plan.specialAfter == i) lines.push_back(special());
        lines.push_back(PressLine(plan.presses[i]));
    }
    if (plan.specialItem >= 0 && plan.specialAfter >= plan.presses.size())
        lines.push_back(special());
    return lines;
}

std::string PlanScript(const planner::PlanRequest& request, const planner::Plan& plan) {
    std::string text = "# えさプランナー: " + TargetText(request.target) + "\n";
    text += std::string("class ") + kClassWords[static_cast<int>(request.characterClass)] + "\n";
    text += std::string("id ") + (request.parity == SectionIdParity::Even ? "even" : "odd") + "\n";
    const bool fresh = request.startIsNewMag || CoreOf(request.start) == CoreOf(MagState{});
    text += (fresh ? std::string("new") : SetLine(request.start)) + "\n";
    for (const std::string& line : PlanScriptLines(plan)) text += line + "\n";
    return text + "show\n";
}

}  // namespace toviran::sim
