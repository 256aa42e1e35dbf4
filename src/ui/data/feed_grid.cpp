#include "ui/data/feed_grid.h"

namespace toviran {
namespace {

constexpr std::array<FeedGridRow, kFeedGridRows> kRows{{
    {"mm", "モノメイト", 480},
    {"dm", "ディメイト", 720},
    {"tm", "トリメイト", 960},
    {"mf", "モノフルイド", 1200},
    {"df", "ディフルイド", 1440},
    {"tf", "トリフルイド", 1680},
    {"ad", "アンティドート", 1920},
    {"ap", "アンパラ", 2160},
    {"sa", "ソルアト", 2400},
    {"ma", "ムーン", 2640},
    {"st", "スタアト", 2880},
}};

constexpr std::array<FeedGridColumn, kFeedGridColumns> kColumns{{
    {"IQ", "I Q", 1560, 255, &FeedDelta::iq},
    {"Syc", "Syn", 1920, 255, &FeedDelta::synchro},
    {"DEF", "DEF", 2400, 375, &FeedDelta::def},
    {"POW", "POW", 2880, 375, &FeedDelta::pow},
    {"DEX", "DEX", 3360, 375, &FeedDelta::dex},
    {"MIND", "MIND", 3840, 375, &FeedDelta::mind},
}};

}  // namespace

std::span<const FeedGridRow, kFeedGridRows> FeedGridRows() {
    return kRows;
}
std::span<const FeedGridColumn, kFeedGridColumns> FeedGridColumns() {
    return kColumns;
}

std::string SignedDeltaText(int value) {
    return value > 0 ? "+" + std::to_string(value) : std::to_string(value);
}

FeedGridTexts FeedGridTextsOf(int tableNo) {
    const FeedTable& table = FeedTableByNo(tableNo);
    FeedGridTexts texts;
    for (int r = 0; r < kFeedGridRows; ++r) {
        for (int c = 0; c < kFeedGridColumns; ++c) {
            texts[r][c] = SignedDeltaText(table[r].*kColumns[c].delta);
        }
    }
    return texts;
}

}  // namespace toviran
