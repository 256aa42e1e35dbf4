#pragma once
// What the feed-table window shows: the rows, the columns and the text of each cell.
// The values come from the feed tables that feeding applies, so the window can never
// disagree with what feeding does. Qt-free.
#include <array>
#include <cstdint>
#include <span>
#include <string>
#include <string_view>

#include "engine/feed_tables.h"

namespace toviran {

inline constexpr int kFeedGridRows = kFeedItemCount;
inline constexpr int kFeedGridColumns = 6;

// One item row: cell-name prefix, short caption and top edge in twips.
struct FeedGridRow {
    std::string_view prefix;
    std::string_view caption;
    int top;
};

// One column: cell-name suffix, header caption, left edge and cell width in twips, and
// the delta it shows.
struct FeedGridColumn {
    std::string_view suffix;
    std::string_view caption;
    int left;
    int width;
    std::int8_t FeedDelta::*delta;
};

// Rows in feed-item order; columns left to right (IQ, synchro, DEF, POW, DEX, MIND).
std::span<const FeedGridRow, kFeedGridRows> FeedGridRows();
std::span<const FeedGridColumn, kFeedGridColumns> FeedGridColumns();

// A delta as the grid shows it: "+5", "-5", or "0".
std::string SignedDeltaText(int value);

using FeedGridTexts = std::array<std::array<std::string, kFeedGridColumns>, kFeedGridRows>;

// All 66 cell texts of table 1..8 (throws std::out_of_range for another number).
FeedGridTexts FeedGridTextsOf(int tableNo);

}  // namespace toviran
