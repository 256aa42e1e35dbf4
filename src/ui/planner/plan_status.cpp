#include "ui/planner/plan_status.h"

#include "ui/planner/plan_text.h"

namespace toviran {
namespace {

std::string PressNumber(const PlanStep& step) {
    return std::to_string(step.press + 1) + "回目";
}

std::string StepName(const planner::Plan& plan, const PlanStep& step) {
    return step.kind == PlanStep::Kind::SpecialItem ? SpecialItemStepText(plan.specialItem)
                                                    : PressNumber(step);
}

// Only this step's own sentence, so that each line stays short in a narrow window.
std::string NextStepText(const planner::Plan& plan, const PlanStep& step, bool atStart) {
    if (step.kind == PlanStep::Kind::SpecialItem)
        return "プランどおりです。次はメイン画面の" + SpecialItemStepText(plan.specialItem) +
               "を選んでください。";
    if (atStart) return "プランの始まりです。" + PressNumber(step) + "をセットして与えてください。";
    return "プランどおりです。次は" + PressNumber(step) + "です。";
}

}  // namespace

StatusLine FollowStatus(const planner::PlanRequest& request, const planner::Plan& plan,
                        const std::vector<PlanStep>& steps, const PlanPlace& place, bool dueIsSet) {
    if (steps.empty()) return {};  // the summary says the mag needs nothing
    switch (place.kind) {
        case PlanPlace::Kind::Step: {
            const PlanStep& step = steps[place.step];
            if (dueIsSet && step.kind == PlanStep::Kind::Press)
                return {PressNumber(step) +
                        "がメイン画面に入っています。\n「与える」を押してください。"};
            return {NextStepText(plan, step, place.step == 0)};
        }
        case PlanPlace::Kind::Done:
            return {"プランどおり、" + FormText(plan.final.form) + " Lv" +
                    std::to_string(plan.final.level) + " になりました。"};
        case PlanPlace::Kind::Off:
            break;
    }
    if (request.startIsNewMag)
        return {
            "このプランは新しいマグから始まります。\n"
            "1回目の「この回をセット」で新規作成できます。",
            true};
    return {"今のマグはプランから外れています。", true};
}

StatusLine StaleStatus(const planner::PlanRequest& request, bool classOrIdDiffers) {
    if (classOrIdDiffers)
        return {"メイン画面のクラスとIDが、このプランの" +
                ClassAndIdText(request.characterClass, request.parity) + "と違います。"};
    return {"表のプランは上の条件のものです。今の入力とは違うので、セットできません。"};
}

SetChoice ChooseSet(const planner::PlanRequest& request, const planner::Plan& plan,
                    const std::vector<PlanStep>& steps, const PlanPlace& place,
                    std::size_t selected) {
    if (selected >= steps.size()) return {false, false, "与えるものはありません。"};
    switch (place.kind) {
        case PlanPlace::Kind::Step:
            if (place.step == selected) return {true, false, {}};
            return {false, false,
                    "今のマグに合うのは" + StepName(plan, steps[place.step]) + "です。"};
        case PlanPlace::Kind::Done:
            return {false, false, "このプランはもう終わっています。"};
        case PlanPlace::Kind::Off:
            break;
    }
    if (request.startIsNewMag && selected == 0) return {true, true, {}};
    if (request.startIsNewMag)
        return {false, false, "今のマグはプランから外れています。1回目から始め直せます。"};
    return {false, false, "今のマグはプランから外れています。"};
}

std::string StepNumberText(const PlanStep& step) {
    return step.kind == PlanStep::Kind::SpecialItem ? "特" : std::to_string(step.press + 1);
}

}  // namespace toviran
