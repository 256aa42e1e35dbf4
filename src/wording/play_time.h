#pragma once
// How long a plan takes to play: the game lets a mag take one item per feeding interval, so
// the first item goes at once and each later one an interval after the one before.
#include <cstdint>
#include <string>

namespace toviran::wording {

// Seconds from the first item to the last.
std::int64_t FeedSeconds(int items);
// 「えさ時計で約5時間37分」 (minutes rounded to the nearest; under a minute in seconds).
std::string FeedTimeText(int items);

}  // namespace toviran::wording
