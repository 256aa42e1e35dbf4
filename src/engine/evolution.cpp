#include <array>
#include <limits>

#include "engine/carry.h"
#include "engine/feed_tables.h"
#include "engine/feeding.h"

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

Ordering OrderingOf(int p, int d, int m) {
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

using Column = std::array<const char*, kOrderingCount>;

// Second evolution, keyed by the class form the mag has; nullptr keeps the name.
struct SecondLine {
    const char* from;
    Column to;
};
constexpr SecondLine kSecond[] = {
    {"ヴァルナ",
     {"ルドラ", "ルドラ", "マルト", "マルト", "ヴァーユ", "ヴァーユ", "ルドラ", "ルドラ", "ルドラ",
      "ルドラ", "マルト", "ヴァーユ", "ルドラ"}},
    {"カルキ",
     {"スーリヤ", "スーリヤ", "ミトラ", nullptr, "タパス", "タパス", "ミトラ", "ミトラ", "ミトラ",
      "スーリヤ", "ミトラ", "タパス", "ミトラ"}},
    {"ヴリトラ",
     {"シュムバ", "シュムバ", "アシヴィン", "アシヴィン", "ナムチ", "ナムチ", "ナムチ", "ナムチ",
      "ナムチ", "シュムバ", "アシヴィン", "ナムチ", "ナムチ"}},
};

// Final evolution columns.
enum FinalColumn { kHuEven, kHuOdd, kRaEven, kRaOdd, kFoEven, kFoOdd, kFoDef45, kColumnCount };
constexpr std::array<Column, kColumnCount> kFinal = {{
    {"ヴァラーハ", "バイラヴァ", "イラー", "ナンディン", "カバンダ", "ウシャス", "ヴァラーハ",
     "バイラヴァ", "ヴァラーハ", "ヴァラーハ", "ナンディン", "カバンダ", "ヴァラーハ"},
    {"カーマ", "アプサラス", "ガルダ", "ヤクシャ", "バーナ", "ソーマ", "カーマ", "アプサラス",
     "カーマ", "カーマ", "ヤクシャ", "バーナ", "カーマ"},
    {"カーマ", "バイラヴァ", "バイラヴァ", "カーマ", "ヴァラーハ", "アプサラス", "バイラヴァ",
     "カーマ", "カーマ", "カーマ", "カーマ", "ヴァラーハ", "カーマ"},
    {"マドゥ", "カイタバ", "カイタバ", "ヴァラーハ", "カバンダ", "ドゥルガー", "カイタバ",
     "ヴァラーハ", "ヴァラーハ", "マドゥ", "ヴァラーハ", "カバンダ", "ヴァラーハ"},
    {"ナラカ", "ラーヴァナ", "リヴ", "シーター", "ナーガ", "カバンダ", "ナーガ", "ナーガ",
     "カバンダ", "ナラカ", "シーター", "ナーガ", "ナーガ"},
    {"マーリーチャ", "ナーガ", "ガルダ", "バイラヴァ", "クマーラ", "イラー", "クマーラ", "クマーラ",
     "イラー", "マーリーチャ", "バイラヴァ", "クマーラ", "クマーラ"},
    // A FO with DEF 45 or more; P > D = M is the one cell that keeps the name.
    {"アンダカ", "アンダカ", "バーナ", "バーナ", "バーナ", "バーナ", "バーナ", "バーナ", "バーナ",
     nullptr, "バーナ", "バーナ", "バーナ"},
}};

constexpr const char* kFirstForm[] = {"ヴァルナ", "カルキ", "ヴリトラ"};  // HU, RA, FO

constexpr int kFirstEvolutionLevel = 10;
constexpr int kSecondEvolutionLevel = 35;
constexpr int kFinalEvolutionLevel = 50;
constexpr int kFoDefColumnLevel = 45;

Ordering CurrentOrdering(const MagState& s) {
    return OrderingOf(s.PowLevel, s.DexLevel, s.MindLevel);
}

FinalColumn FinalColumnFor(const MagState& s, CharacterClass cls, SectionIdParity parity) {
    const bool odd = parity == SectionIdParity::Odd;
    switch (cls) {
        case CharacterClass::HU:
            return odd ? kHuOdd : kHuEven;
        case CharacterClass::RA:
            return odd ? kRaOdd : kRaEven;
        case CharacterClass::FO:
            break;
    }
    if (s.DefLevel >= kFoDefColumnLevel) return kFoDef45;
    return odd ? kFoOdd : kFoEven;
}

// Adds a delta to IQ or synchro without wrapping; the clamp after the item brings an
// out-of-range value (for instance one typed into the parameter window) back in range.
void AddSaturating(std::int16_t& value, int delta) {
    const int sum = value + delta;
    constexpr int lo = std::numeric_limits<std::int16_t>::min();
    constexpr int hi = std::numeric_limits<std::int16_t>::max();
    value = static_cast<std::int16_t>(sum < lo ? lo : (sum > hi ? hi : sum));
}

}  // namespace

void ApplyFeedTable(MagState& s, int tableNo, DisplayObserver& d) {
    const int item = FeedItemIndex(s.FeedName1);
    if (item < 0) return;
    const FeedDelta& delta = FeedTableByNo(tableNo)[item];
    const int statDeltas[] = {delta.def, delta.pow, delta.dex, delta.mind};
    for (StatKind k : kAllStats) {
        std::int16_t& progress = StatProgress(s, k);
        progress = static_cast<std::int16_t>(progress + statDeltas[static_cast<int>(k)]);
        CarryStat(s, k, d);
    }
    AddSaturating(s.IQ, delta.iq);
    AddSaturating(s.Synchro, delta.synchro);
}

void FirstEvolution(MagState& s, CharacterClass cls) {
    s.MagName = kFirstForm[static_cast<int>(cls)];
}

void SecondEvolution(MagState& s) {
    for (const auto& line : kSecond) {
        if (s.MagName != line.from) continue;
        if (const char* to = line.to[CurrentOrdering(s)]) s.MagName = to;
        return;
    }
}

void 最終変形(MagState& s, CharacterClass cls, SectionIdParity parity) {
    if (const char* to = kFinal[FinalColumnFor(s, cls, parity)][CurrentOrdering(s)]) s.MagName = to;
}

void FeedAndEvolve(MagState& s, CharacterClass cls, SectionIdParity parity, DisplayObserver& d) {
    if (s.RareMagFlag != kTrue && s.Level < kFirstEvolutionLevel) {
        ApplyFeedTable(s, 1, d);
        if (s.Level >= kFirstEvolutionLevel) FirstEvolution(s, cls);
    } else if (s.RareMagFlag != kTrue && s.Level < kSecondEvolutionLevel) {
        if (s.MagName == "マグ") {
            ApplyFeedTable(s, 1, d);
            FirstEvolution(s, cls);
        } else {
            ApplyFeedTable(s, 2, d);
        }
        if (s.Level >= kSecondEvolutionLevel) SecondEvolution(s);
    } else {
        if (const int tableNo = FeedTableNoForName(s.MagName); tableNo != 0) {
            s.FeedTableNo = static_cast<std::int16_t>(tableNo);
            ApplyFeedTable(s, tableNo, d);
        }
        if (s.FeedTableNo != kRareFeedTable && s.Level >= kFinalEvolutionLevel && s.Level % 5 == 0)
            最終変形(s, cls, parity);
    }
    d.Changed(DisplayItem::Name, StatKind::Def);
}

}  // namespace toviran
