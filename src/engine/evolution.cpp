// The first, second and final evolutions, as tables of forms keyed by the ordering of the
// POW, DEX and MIND levels.
#include <array>
#include <span>

#include "feeding.h"
#include "mag_core.h"
#include "mag_forms.h"

namespace toviran {
namespace {

// The 13 orderings of the POW, DEX and MIND levels, in the row order of the tables.
enum Ordering {
    kPDM,
    kPMD,
    kDPM,
    kDMP,
    kMPD,
    kMDP,  // strict orderings
    kPeqD_M,
    kPeqM_D,
    kDeqM_P,  // two equal on top
    kP_DeqM,
    kD_PeqM,
    kM_PeqD,  // two equal below
    kAllEqual,
    kOrderingCount
};

constexpr Ordering OrderingOf(int p, int d, int m) {
    if (p == d && d == m) return kAllEqual;
    if (p == d) return p > m ? kPeqD_M : kM_PeqD;
    if (p == m) return p > d ? kPeqM_D : kD_PeqM;
    if (d == m) return d > p ? kDeqM_P : kP_DeqM;
    if (p > d && d > m) return kPDM;
    if (p > m && m > d) return kPMD;
    if (d > p && p > m) return kDPM;
    if (d > m && m > p) return kDMP;
    if (m > p && p > d) return kMPD;
    return kMDP;
}

Ordering OrderingOf(const StatArray& level) {
    return OrderingOf(level[1], level[2], level[3]);
}

// One (POW, DEX, MIND) example per ordering, in row order.
constexpr std::array<PdmLevels, kOrderingCount> kExamples{{
    {2, 1, 0},
    {2, 0, 1},
    {1, 2, 0},
    {0, 2, 1},
    {1, 0, 2},
    {0, 1, 2},
    {1, 1, 0},
    {1, 0, 1},
    {0, 1, 1},
    {1, 0, 0},
    {0, 1, 0},
    {0, 0, 1},
    {0, 0, 0},
}};
static_assert([] {
    for (int i = 0; i < kOrderingCount; ++i)
        if (OrderingOf(kExamples[i][0], kExamples[i][1], kExamples[i][2]) != i) return false;
    return true;
}());

// A cell that keeps the name the mag has.
constexpr std::int8_t kKeep = -2;
using Column = std::array<std::int8_t, kOrderingCount>;

consteval Column Forms(const std::array<const char*, kOrderingCount>& names) {
    Column column{};
    for (std::size_t i = 0; i < names.size(); ++i)
        column[i] = static_cast<std::int8_t>(names[i] ? Form(names[i]) : kKeep);
    return column;
}

// Second evolution, keyed by the class form the mag has.
struct SecondLine {
    int from;
    Column to;
};
constexpr SecondLine kSecond[] = {
    {Form("ヴァルナ"),
     Forms({"ルドラ", "ルドラ", "マルト", "マルト", "ヴァーユ", "ヴァーユ", "ルドラ", "ルドラ",
            "ルドラ", "ルドラ", "マルト", "ヴァーユ", "ルドラ"})},
    {Form("カルキ"), Forms({"スーリヤ", "スーリヤ", "ミトラ", nullptr, "タパス", "タパス", "ミトラ",
                            "ミトラ", "ミトラ", "スーリヤ", "ミトラ", "タパス", "ミトラ"})},
    {Form("ヴリトラ"),
     Forms({"シュムバ", "シュムバ", "アシヴィン", "アシヴィン", "ナムチ", "ナムチ", "ナムチ",
            "ナムチ", "ナムチ", "シュムバ", "アシヴィン", "ナムチ", "ナムチ"})},
};

// Final evolution columns.
enum FinalColumn { kHuEven, kHuOdd, kRaEven, kRaOdd, kFoEven, kFoOdd, kFoDef45, kColumnCount };
constexpr std::array<Column, kColumnCount> kFinal = {{
    Forms({"ヴァラーハ", "バイラヴァ", "イラー", "ナンディン", "カバンダ", "ウシャス", "ヴァラーハ",
           "バイラヴァ", "ヴァラーハ", "ヴァラーハ", "ナンディン", "カバンダ", "ヴァラーハ"}),
    Forms({"カーマ", "アプサラス", "ガルダ", "ヤクシャ", "バーナ", "ソーマ", "カーマ", "アプサラス",
           "カーマ", "カーマ", "ヤクシャ", "バーナ", "カーマ"}),
    Forms({"カーマ", "バイラヴァ", "バイラヴァ", "カーマ", "ヴァラーハ", "アプサラス", "バイラヴァ",
           "カーマ", "カーマ", "カーマ", "カーマ", "ヴァラーハ", "カーマ"}),
    Forms({"マドゥ", "カイタバ", "カイタバ", "ヴァラーハ", "カバンダ", "ドゥルガー", "カイタバ",
           "ヴァラーハ", "ヴァラーハ", "マドゥ", "ヴァラーハ", "カバンダ", "ヴァラーハ"}),
    Forms({"ナラカ", "ラーヴァナ", "リヴ", "シーター", "ナーガ", "カバンダ", "ナーガ", "ナーガ",
           "カバンダ", "ナラカ", "シーター", "ナーガ", "ナーガ"}),
    Forms({"マーリーチャ", "ナーガ", "ガルダ", "バイラヴァ", "クマーラ", "イラー", "クマーラ",
           "クマーラ", "イラー", "マーリーチャ", "バイラヴァ", "クマーラ", "クマーラ"}),
    // A FO with DEF 45 or more; P > D = M is the one cell that keeps the name.
    Forms({"アンダカ", "アンダカ", "バーナ", "バーナ", "バーナ", "バーナ", "バーナ", "バーナ",
           "バーナ", nullptr, "バーナ", "バーナ", "バーナ"}),
}};

constexpr int kFirstForm[] = {Form("ヴァルナ"), Form("カルキ"), Form("ヴリトラ")};  // HU RA FO

FinalColumn FinalColumnFor(std::int16_t defLevel, CharacterClass cls, SectionIdParity parity) {
    const bool odd = parity == SectionIdParity::Odd;
    switch (cls) {
        case CharacterClass::HU:
            return odd ? kHuOdd : kHuEven;
        case CharacterClass::RA:
            return odd ? kRaOdd : kRaEven;
        case CharacterClass::FO:
            break;
    }
    if (defLevel >= kFoDefColumnLevel) return kFoDef45;
    return odd ? kFoOdd : kFoEven;
}

int Apply(const Column& column, Ordering ordering, int form) {
    const int to = column[ordering];
    return to == kKeep ? form : to;
}

StatArray LevelsOf(const MagState& s) {
    return {s.DefLevel, s.PowLevel, s.DexLevel, s.MindLevel};
}

void Rename(MagState& s, int from, int to) {
    if (to != from) s.MagName = kMagForms[to].name;
}

}  // namespace

std::span<const PdmLevels> OrderingExamples() {
    return kExamples;
}

int OrderingIndexOf(const StatArray& statLevel) {
    return OrderingOf(statLevel);
}

int FirstEvolutionForm(CharacterClass cls) {
    return kFirstForm[static_cast<int>(cls)];
}

int SecondEvolutionForm(int form, const StatArray& statLevel) {
    for (const auto& line : kSecond)
        if (form == line.from) return Apply(line.to, OrderingOf(statLevel), form);
    return form;
}

int FinalEvolutionForm(int form, const StatArray& statLevel, CharacterClass cls,
                       SectionIdParity parity) {
    return Apply(kFinal[FinalColumnFor(statLevel[0], cls, parity)], OrderingOf(statLevel), form);
}

void FirstEvolution(MagState& s, CharacterClass cls) {
    s.MagName = kMagForms[FirstEvolutionForm(cls)].name;
}

void SecondEvolution(MagState& s) {
    const int from = MagFormIndex(s.MagName);
    Rename(s, from, SecondEvolutionForm(from, LevelsOf(s)));
}

void 最終変形(MagState& s, CharacterClass cls, SectionIdParity parity) {
    const int from = MagFormIndex(s.MagName);
    Rename(s, from, FinalEvolutionForm(from, LevelsOf(s), cls, parity));
}

}  // namespace toviran
