#pragma once
// The 57 mag forms as numbers. The feeding rules compare forms constantly, so they work
// on an index into this list; the name is what the windows show.
#include <array>
#include <string_view>

namespace toviran {

struct MagForm {
    std::string_view name;
    int tableNo;
};

// Every mag form in catalogue order, with the table it is fed from by name.
inline constexpr MagForm kMagForms[] = {
    {"マグ", 1},
    {"ヴァルナ", 2},
    {"カルキ", 2},
    {"ヴリトラ", 2},
    {"ルドラ", 4},
    {"マルト", 4},
    {"ヴァーユ", 6},
    {"スーリヤ", 3},
    {"ミトラ", 3},
    {"タパス", 3},
    {"シュムバ", 4},
    {"アシヴィン", 4},
    {"ナムチ", 4},
    {"ヴァラーハ", 6},
    {"バイラヴァ", 6},
    {"イラー", 5},
    {"ナンディン", 5},
    {"カバンダ", 7},
    {"ウシャス", 6},
    {"カーマ", 6},
    {"アプサラス", 6},
    {"ガルダ", 5},
    {"ヤクシャ", 5},
    {"バーナ", 7},
    {"ソーマ", 5},
    {"マドゥ", 7},
    {"カイタバ", 6},
    {"ドゥルガー", 5},
    {"ナラカ", 7},
    {"ラーヴァナ", 7},
    {"アンダカ", 7},
    {"リヴ", 5},
    {"シーター", 5},
    {"ナーガ", 7},
    {"マーリーチャ", 7},
    {"クマーラ", 6},
    {"チュレル", 8},
    {"プレタ", 8},
    {"ソニチ", 8},
    {"ピトリ", 8},
    {"オパオパ", 8},
    {"ピアン", 8},
    {"チャオ", 8},
    {"オモチャオ", 8},
    {"マーク３", 8},
    {"マスターシステム", 8},
    {"メガドライブ", 8},
    {"セガサターン", 8},
    {"ドリームキャスト", 8},
    {"ハンバーガー", 8},
    {"天使のハネ", 8},
    {"悪魔のハネ", 8},
    {"チュウチュウ", 8},
    {"カプカプ", 8},
    {"パンサーテイル", 8},
    {"悪魔のシッポ", 8},
    {"エルノア", 8},
};
static_assert(std::size(kMagForms) == 57);

inline constexpr int kMagFormCount = static_cast<int>(std::size(kMagForms));
// The index of a name that is none of the 57 forms (the name itself is then kept aside).
inline constexpr int kNoForm = -1;

constexpr int MagFormIndex(std::string_view name) {
    for (int i = 0; i < kMagFormCount; ++i)
        if (kMagForms[i].name == name) return i;
    return kNoForm;
}

// For tables written with names: fails to compile when a name is misspelt.
consteval int Form(std::string_view name) {
    const int index = MagFormIndex(name);
    if (index == kNoForm) throw "not a mag form";
    return index;
}

// The form every new mag has until its first evolution.
inline constexpr int kMagForm = Form("マグ");

}  // namespace toviran
