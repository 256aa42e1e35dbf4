#include "feed_tables.h"

#include <algorithm>
#include <stdexcept>

#include "mag_core.h"
#include "mag_forms.h"

namespace toviran {
namespace {

constexpr std::string_view kItems[kFeedItemCount] = {
    "モノメイト",       "ディメイト",         "トリメイト",         "モノフルイド",
    "ディフルイド",     "トリフルイド",       "アンティドート",     "アンティパラライズ",
    "ソルアトマイザー", "ムーンアトマイザー", "スターアトマイザー",
};

// Rows in item order; columns DEF, POW, DEX, MIND, IQ, synchro.
constexpr FeedTable kTables[kFeedTableCount] = {
    {{{5, 40, 5, 0, 3, 2},
      {10, 45, 5, 0, 3, 2},
      {15, 50, 10, 0, 4, 3},
      {5, 0, 5, 40, 3, 2},
      {10, 0, 5, 45, 3, 2},
      {15, 0, 10, 50, 4, 3},
      {5, 10, 40, 0, 3, 2},
      {5, 0, 40, 10, 3, 2},
      {15, 30, 15, 25, 1, 3},
      {15, 25, 15, 30, 1, 3},
      {25, 25, 25, 25, 5, 5}}},
    {{{5, 10, 0, 0, 0, 0},
      {5, 15, 3, 0, 1, 1},
      {8, 20, 6, -5, 2, 2},
      {5, 0, 0, 10, 0, 0},
      {5, 0, 3, 15, 1, 1},
      {8, -5, 6, 20, 2, 2},
      {0, 5, 14, 0, 1, 0},
      {0, 0, 14, 5, 0, 1},
      {9, 9, 8, 0, 2, -2},
      {9, 0, 8, 9, -2, 2},
      {14, 14, 14, 14, 3, 3}}},
    {{{0, 4, 0, 0, -1, 0},
      {5, 7, 0, -5, 0, 1},
      {4, 14, 4, -10, 1, 2},
      {0, 0, 0, 4, 0, 0},
      {5, -5, 0, 7, 1, 0},
      {4, -10, 4, 14, 2, 1},
      {0, 0, 5, 0, 3, -3},
      {-5, -5, 20, -5, 0, 2},
      {-10, 8, 5, 8, -2, 2},
      {7, 6, -8, 6, 2, -2},
      {7, 7, 7, 7, 2, 2}}},
    {{{0, 9, 0, -5, -1, 0},
      {4, 13, 0, -10, 0, 1},
      {6, 16, 4, -15, 1, 2},
      {0, -5, 0, 9, -1, 0},
      {4, -10, 0, 13, 0, 1},
      {6, -15, 4, 16, 2, 1},
      {-5, 4, 11, -5, 1, -1},
      {-5, -5, 11, 4, 0, 0},
      {0, 11, 5, -5, -2, 2},
      {5, -5, 0, 11, 1, -1},
      {6, 8, 6, 8, 2, 2}}},
    {{{-4, 13, -5, -5, -1, 1},
      {0, 16, 0, -15, 1, 0},
      {4, 19, 0, -20, 0, 1},
      {-4, -5, -5, 13, -1, 1},
      {0, -15, 0, 16, 1, 0},
      {4, -20, 0, 19, 0, 1},
      {5, -6, 6, -5, 1, 0},
      {0, -4, 14, -10, 1, -1},
      {5, 17, -5, -15, -1, 3},
      {-10, -15, 5, 22, 0, 1},
      {4, 6, 4, 6, 2, 2}}},
    {{{-5, 9, -5, 0, -1, 1},
      {0, 11, 0, -10, 0, 1},
      {4, 14, 0, -15, 1, 0},
      {-5, 0, -5, 9, -1, 1},
      {0, -10, 0, 11, 0, 1},
      {4, -15, 0, 14, 1, 0},
      {-5, -5, 15, -5, -1, 1},
      {6, -3, 0, -3, 3, -2},
      {5, 22, -5, -20, -2, 3},
      {-5, -20, 5, 22, 0, 2},
      {5, 5, 5, 5, 2, 2}}},
    {{{-3, 9, -3, -4, 1, -1},
      {0, 11, 0, -10, 0, 1},
      {4, 14, 0, -15, 0, 1},
      {-3, -4, -3, 9, 1, -1},
      {0, -10, 0, 11, 0, 1},
      {4, -15, 0, 14, 0, 1},
      {0, 6, 9, -15, -1, 1},
      {0, -15, 9, 6, 3, -2},
      {10, -20, -5, 17, -1, 2},
      {-3, 17, 8, -20, 2, 0},
      {0, 10, 0, 10, 2, 2}}},
    {{{-5, 20, -15, -5, 0, -1},
      {0, 25, -10, -16, 1, 0},
      {5, 29, -5, -27, 0, 1},
      {-10, -5, -10, 20, 0, -1},
      {-5, -16, -5, 25, 1, 0},
      {-5, -27, 5, 29, 0, 1},
      {-10, -10, 28, -10, 1, -1},
      {8, -15, 20, -15, -1, 1},
      {18, 18, -15, -20, 1, 1},
      {-15, -20, 18, 18, 1, 1},
      {3, 4, 3, 4, 2, 3}}},
};

constexpr int kLargestStatDelta = [] {
    int largest = 0;
    for (const FeedTable& table : kTables) {
        for (const FeedDelta& row : table) {
            for (const int delta : {row.def, row.pow, row.dex, row.mind})
                largest = std::max(largest, delta < 0 ? -delta : delta);
        }
    }
    return largest;
}();
// The carry gives a stat one level at most for an item: a full stat plus any row's delta
// stays below two levels' worth.
static_assert(kMostProgress + kLargestStatDelta < 2 * kProgressPerLevel);

constexpr auto kMagNames = [] {
    std::array<std::string_view, kMagFormCount> names{};
    for (std::size_t i = 0; i < names.size(); ++i) names[i] = kMagForms[i].name;
    return names;
}();

}  // namespace

int LargestStatDelta() {
    return kLargestStatDelta;
}

std::span<const std::string_view, kFeedItemCount> FeedItemNames() {
    return kItems;
}

int FeedItemIndex(std::string_view item) {
    const auto* it = std::find(std::begin(kItems), std::end(kItems), item);
    return it == std::end(kItems) ? -1 : static_cast<int>(it - std::begin(kItems));
}

const FeedTable& FeedTableByNo(int tableNo) {
    if (tableNo < 1 || tableNo > kFeedTableCount) throw std::out_of_range("feed table number");
    return kTables[tableNo - 1];
}

int FeedTableNoForName(std::string_view magName) {
    return FeedTableNoForForm(MagFormIndex(magName));
}

int FeedTableNoForForm(int form) {
    return form == kNoForm ? 0 : kMagForms[form].tableNo;
}

std::span<const std::string_view> AllMagNames() {
    return kMagNames;
}

bool IsMagName(std::string_view name) {
    return FeedTableNoForName(name) != 0;
}

}  // namespace toviran
