#include "ui/planner/planner_messages.h"

#include <string>

#include "wording/conditions_text.h"

namespace toviran {
namespace {

Message Notice(std::string text) {
    return {MessageIcon::Information, kPlannerTitle, std::move(text), MessageButtons::Ok};
}

}  // namespace

Message NoPlanMessage(std::string_view reason) {
    return Notice(reason.empty() ? "えさの与え方は見つかりませんでした。" : std::string(reason));
}

Message NewMagFirstQuestion() {
    return {MessageIcon::Question, kPlannerTitle,
            "このプランは新しいマグから始まります。\n先に新規作成しますか？",
            MessageButtons::OkCancel};
}

Message LevelMissingMessage() {
    return Notice("目標のレベルを入れてください。");
}

Message StatConditionMessage(StatKind stat) {
    return Notice(wording::StatName(stat) + "の条件が読めません。" + wording::RangeSyntaxText() +
                  "のどれかで書いてください。空のときは任意です。");
}

Message NoItemsMessage() {
    return Notice("使うえさを1つ以上選んでください。");
}

}  // namespace toviran
