#include "wording/reach_row_text.h"

#include "wording/answer_text.h"
#include "wording/play_time.h"
#include "wording/reason_text.h"

namespace toviran::wording {
namespace {

// "えさ130個（えさ時計で約7時間10分）"
std::string ItemsText(int items) {
    std::string text = "えさ" + std::to_string(items) + "個";
    if (FeedSeconds(items) > 0) text += "（" + FeedTimeText(items) + "）";
    return text;
}

}  // namespace

std::string ReachStatusText(planner::ReachRow::Status status) {
    switch (status) {
        case planner::ReachRow::Status::Reachable:
            return "なれます";
        case planner::ReachRow::Status::Impossible:
            return "なれません";
        case planner::ReachRow::Status::Unsettled:
            break;
    }
    return "未確定";
}

std::string ReachRowText(const planner::ReachRow& row) {
    const std::string level = "Lv" + std::to_string(row.level);
    switch (row.status) {
        case planner::ReachRow::Status::Reachable:
            if (row.items == 0) return level + "で、もうこの姿です。えさは要りません。";
            return level + "からなれます。" + ItemsText(row.items) + "。" +
                   BoundText(row.items, row.bound);
        case planner::ReachRow::Status::Impossible:
            return "なれません。" + ReasonText(row.reason);
        case planner::ReachRow::Status::Unsettled:
            break;
    }
    // With a plan in hand the reason is about the levels below it, not about finding one.
    if (row.level > 0)
        return "未確定です。" + level + "なら、" + ItemsText(row.items) + "のプランがあります。" +
               UnsettledBelowText(row, "なれる");
    return "未確定です。" + ReasonText(row.reason);
}

}  // namespace toviran::wording
