// Feeding one item: the table the mag is fed from, the row's deltas with their carry, and
// the evolution the new level calls for.
#include <limits>

#include "carry.h"
#include "feeding.h"
#include "mag_core.h"
#include "mag_forms.h"

namespace toviran {
namespace {

// Adds a delta to IQ or synchro without wrapping; the clamp after the item brings an
// out-of-range value (for instance one typed into the parameter window) back in range.
void AddSaturating(std::int16_t& value, int delta) {
    const int sum = value + delta;
    constexpr int lo = std::numeric_limits<std::int16_t>::min();
    constexpr int hi = std::numeric_limits<std::int16_t>::max();
    value = static_cast<std::int16_t>(sum < lo ? lo : (sum > hi ? hi : sum));
}

ItemEffect Feed(MagCore& m, int tableNo, int item, const StatArray& backup) {
    if (item < 0) return {};
    return {true, ApplyDeltas(m, FeedTableByNo(tableNo)[item], backup)};
}

}  // namespace

std::uint8_t ApplyDeltas(MagCore& m, const FeedDelta& delta, const StatArray& backup) {
    const int deltas[] = {delta.def, delta.pow, delta.dex, delta.mind};
    std::uint8_t levelled = 0;
    for (int k = 0; k < 4; ++k) {
        m.progress[k] = static_cast<std::int16_t>(m.progress[k] + deltas[k]);
        if (CarryProgress(m.statLevel[k], m.progress[k], backup[k], m.level))
            levelled |= static_cast<std::uint8_t>(1u << k);
    }
    AddSaturating(m.iq, delta.iq);
    AddSaturating(m.synchro, delta.synchro);
    return levelled;
}

int StageFeedTable(FeedStage stage, int form) {
    switch (stage) {
        case FeedStage::First:
            return kMagFeedTable;
        case FeedStage::Class:
            return form == kMagForm ? kMagFeedTable : kClassFeedTable;
        case FeedStage::Named:
            break;
    }
    return FeedTableNoForForm(form);
}

// The stage is chosen by the level before the item; the evolution tests use the level
// after it.
ItemEffect FeedAndEvolve(MagCore& m, int item, const StatArray& backup, CharacterClass cls,
                         SectionIdParity parity) {
    ItemEffect effect;
    const FeedStage stage = StageOf(m.level, m.rare);
    switch (stage) {
        case FeedStage::First:
            effect = Feed(m, StageFeedTable(stage, m.form), item, backup);
            if (m.level >= kFirstEvolutionLevel)
                m.form = static_cast<std::int8_t>(FirstEvolutionForm(cls));
            break;
        case FeedStage::Class: {
            const bool classFormNow = EvolvesWithNextItem(m);
            effect = Feed(m, StageFeedTable(stage, m.form), item, backup);
            if (classFormNow) m.form = static_cast<std::int8_t>(FirstEvolutionForm(cls));
            if (m.level >= kSecondEvolutionLevel)
                m.form = static_cast<std::int8_t>(SecondEvolutionForm(m.form, m.statLevel));
            break;
        }
        case FeedStage::Named:
            if (const int tableNo = StageFeedTable(stage, m.form); tableNo != 0) {
                m.feedTableNo = static_cast<std::int8_t>(tableNo);
                effect = Feed(m, tableNo, item, backup);
            }
            if (m.feedTableNo != kRareFeedTable && IsFinalEvolutionLevel(m.level))
                m.form =
                    static_cast<std::int8_t>(FinalEvolutionForm(m.form, m.statLevel, cls, parity));
            break;
    }
    return effect;
}

MagCore CoreOf(const MagState& s) {
    MagCore m;
    m.level = s.Level;
    m.iq = s.IQ;
    m.synchro = s.Synchro;
    m.statLevel = {s.DefLevel, s.PowLevel, s.DexLevel, s.MindLevel};
    m.progress = {s.DefProgress, s.PowProgress, s.DexProgress, s.MindProgress};
    m.form = static_cast<std::int8_t>(MagFormIndex(s.MagName));
    m.feedTableNo = static_cast<std::int8_t>(s.FeedTableNo);
    m.rare = s.RareMagFlag == kTrue;
    return m;
}

void StoreNumbers(MagState& s, const MagCore& m) {
    s.Level = m.level;
    s.IQ = m.iq;
    s.Synchro = m.synchro;
    for (StatKind k : kAllStats) {
        StatLevel(s, k) = m.statLevel[static_cast<int>(k)];
        StatProgress(s, k) = m.progress[static_cast<int>(k)];
    }
    s.FeedTableNo = m.feedTableNo;
}

void FeedOneItem(MagState& s, MagCore& m, int item, CharacterClass cls, SectionIdParity parity,
                 DisplayObserver& d) {
    パラメータバック記憶(s);
    const int formBefore = m.form;
    const StatArray backup = m.progress;  // a copy: the step changes m.progress
    const ItemEffect effect = FeedAndEvolve(m, item, backup, cls, parity);
    StoreNumbers(s, m);
    // A name that is none of the 57 forms stays as it was typed until the mag evolves.
    if (m.form != formBefore && m.form != kNoForm) s.MagName = kMagForms[m.form].name;
    ReportItemEffect(effect, d);
    d.Changed(DisplayItem::Name, StatKind::Def);
    その他処理(s, d);
    m.iq = s.IQ;
    m.synchro = s.Synchro;
}

void ReportItemEffect(const ItemEffect& effect, DisplayObserver& d) {
    if (!effect.fed) return;
    for (StatKind k : kAllStats) {
        if (effect.levelledStats & (1u << static_cast<int>(k))) {
            d.Changed(DisplayItem::StatLevel, k);
            d.Changed(DisplayItem::Level, k);
        }
        d.Changed(DisplayItem::StatProgress, k);
    }
}

}  // namespace toviran
