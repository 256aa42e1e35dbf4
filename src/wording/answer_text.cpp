#include "wording/answer_text.h"

namespace toviran::wording {

std::string BoundText(int items, int bound) {
    if (items <= bound) return "これより少ない与え方はありません。";
    // The bound is only a floor: no feeding is known to reach it.
    return "これより少ない与え方があるかどうかは、確かめきれていません。あったとしても、えさは" +
           std::to_string(bound) + "個以上要ります（減らせるのは多くて" +
           std::to_string(items - bound) + "個）。";
}

std::string SearchCutText(planner::SearchEnd end) {
    switch (end) {
        case planner::SearchEnd::Work:
            // The work allowed ran out: the whole budget, or only the share for bettering the
            // plan in hand, which may leave the bar far from full; the sentence fits both.
            return "見つけたプランより少ない与え方を、決まった分だけ探して止めました。";
        case planner::SearchEnd::Memory:
            return "探すのに使えるメモリが上限に達したので、途中で止めました。";
        case planner::SearchEnd::Time:
            return "制限時間に達したので、途中で止めました。";
        default:
            return {};
    }
}

}  // namespace toviran::wording
