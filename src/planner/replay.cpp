#include "planner/replay.h"

#include "engine/rare_evolution.h"

namespace toviran::planner {
namespace {

// Any refusal means the plan and the program disagree; the special item's usage text is
// the one message a plan expects.
class ExpectingPrompter final : public Prompter {
  public:
    bool Show(const Message& message) override {
        if (message.icon != MessageIcon::None) refused = true;
        return true;
    }
    bool refused = false;
};

std::string ItemName(int item) {
    return std::string(FeedItemNames()[static_cast<std::size_t>(item)]);
}

}  // namespace

FeedRequest FeedRequestFor(const Press& press, CharacterClass cls, SectionIdParity parity) {
    FeedRequest r;
    r.characterClass = cls;
    r.parity = parity;
    r.mode = press.levelMode ? FeedMode::Level : FeedMode::Count;
    for (std::size_t k = 0; k < press.feedSlots.size() && k < r.feedSlots.size(); ++k) {
        const Slot& slot = press.feedSlots[k];
        r.feedSlots[k] = {ItemName(slot.item),
                          std::to_string(press.levelMode ? press.targetLevel : slot.count), true};
    }
    r.feedSlots[0].enabled = true;
    return r;
}

bool ReplayConfirms(const PlanRequest& request, const Plan& plan) {
    MagState s = request.start;
    ExpectingPrompter prompter;
    NullDisplay display;
    const auto useSpecial = [&] {
        const auto entry = SpecialItemInfos()[static_cast<std::size_t>(plan.specialItem)].entry;
        return UseSpecialItem(s, entry, request.parity, prompter, display) && !prompter.refused;
    };
    for (std::size_t i = 0; i < plan.presses.size(); ++i) {
        if (plan.specialItem >= 0 && plan.specialAfter == i && !useSpecial()) return false;
        const Press& press = plan.presses[i];
        const FeedRequest r = FeedRequestFor(press, request.characterClass, request.parity);
        if (RunFeeding(s, r, prompter, display) != FeedOutcome::Fed || prompter.refused)
            return false;
        if (!(CoreOf(s) == press.after)) return false;
    }
    if (plan.specialItem >= 0 && plan.specialAfter >= plan.presses.size() && !useSpecial())
        return false;
    const MagCore end = CoreOf(s);
    const Target& target = request.target;
    for (std::size_t k = 0; k < 4; ++k)
        if (!target.stats[k].Holds(end.statLevel[k])) return false;
    return end == plan.final && (target.form == kAnyForm || end.form == target.form) &&
           end.level == target.level;
}

}  // namespace toviran::planner
