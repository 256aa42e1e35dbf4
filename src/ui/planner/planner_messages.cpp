#include "ui/planner/planner_messages.h"

#include <string>

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

Message BuildPartlyGivenMessage() {
    return Notice("DEF・POW・DEX・MIND は4つとも入れるか、4つとも空にしてください。");
}

Message NoItemsMessage() {
    return Notice("使うえさを1つ以上選んでください。");
}

}  // namespace toviran
