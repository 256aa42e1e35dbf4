#pragma once
// The eleven feed items, the eight feed tables and the 57 mag names.
#include <array>
#include <cstdint>
#include <span>
#include <string_view>

namespace toviran {

inline constexpr int kFeedItemCount = 11;
inline constexpr int kFeedTableCount = 8;
inline constexpr int kRareFeedTable = 8;

// Per-item deltas of one feed table row.
struct FeedDelta {
    std::int8_t def, pow, dex, mind, iq, synchro;
};
using FeedTable = std::array<FeedDelta, kFeedItemCount>;

// The largest change one table row makes to a stat's progress, up or down.
int LargestStatDelta();

// "モノメイト" ... "スターアトマイザー", in the order of the feed-slot lists.
std::span<const std::string_view, kFeedItemCount> FeedItemNames();
// Index 0..10 of an item, or -1 for a name that is not a feed item.
int FeedItemIndex(std::string_view item);

// Table 1..8 (throws std::out_of_range otherwise).
const FeedTable& FeedTableByNo(int tableNo);
// The table a mag is fed from by name, 1..8, or 0 when no table lists the name.
int FeedTableNoForName(std::string_view magName);
// The same for a form index of mag_forms.h (kNoForm gives 0).
int FeedTableNoForForm(int form);

// All 57 mag forms, in catalogue order (the parameter window's list order).
std::span<const std::string_view> AllMagNames();
bool IsMagName(std::string_view name);

}  // namespace toviran
