#include "wording/play_time.h"

#include "engine/mag_core.h"

namespace toviran::wording {

std::int64_t FeedSeconds(int items) {
    return items <= 0 ? 0 : static_cast<std::int64_t>(items - 1) * kFeedIntervalSeconds;
}

std::string FeedTimeText(int items) {
    const std::int64_t seconds = FeedSeconds(items);
    if (seconds < 60) return "えさ時計で" + std::to_string(seconds) + "秒";
    const std::int64_t minutes = (seconds + 30) / 60;
    const std::int64_t days = minutes / (24 * 60);
    const std::int64_t hours = minutes / 60 % 24;
    std::string text = "えさ時計で約";
    if (days > 0) text += std::to_string(days) + "日";
    if (hours > 0) text += std::to_string(hours) + "時間";
    if (minutes % 60 > 0 || (days == 0 && hours == 0)) text += std::to_string(minutes % 60) + "分";
    return text;
}

}  // namespace toviran::wording
