#include "rare_names.h"

#include "feed_tables.h"

namespace toviran {
namespace {

struct RareColour {
    std::string_view name;
    Rgb colour;
};

// The special-item mags are green or yellow; the other rare mags are the light-red
// "Ver2" mags that the conversion turns back into a plain mag.
constexpr RareColour kRareColours[] = {
    {"チュレル", kRareGreen},
    {"プレタ", kRareGreen},
    {"ソニチ", kRareGreen},
    {"ピトリ", kRareGreen},
    {"オパオパ", kRareYellow},
    {"ピアン", kRareYellow},
    {"チャオ", kRareYellow},
    {"オモチャオ", kRareYellow},
    {"ハンバーガー", kRareLightRed},
    {"マーク３", kRareLightRed},
    {"マスターシステム", kRareLightRed},
    {"メガドライブ", kRareLightRed},
    {"セガサターン", kRareLightRed},
    {"ドリームキャスト", kRareLightRed},
    {"天使のハネ", kRareLightRed},
    {"悪魔のハネ", kRareLightRed},
    {"カプカプ", kRareLightRed},
    {"チュウチュウ", kRareLightRed},
    {"パンサーテイル", kRareLightRed},
    {"悪魔のシッポ", kRareLightRed},
    {"エルノア", kRareLightRed},
};

}  // namespace

bool IsRareMagName(std::string_view name) {
    return FeedTableNoForName(name) == kRareFeedTable;
}

Rgb NameColourFor(std::string_view name) {
    for (const auto& rc : kRareColours)
        if (rc.name == name) return rc.colour;
    return kWhite;
}

}  // namespace toviran
