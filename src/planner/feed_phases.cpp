#include "planner/feed_phases.h"

#include <algorithm>
#include <set>

#include "engine/feed_tables.h"
#include "engine/mag_forms.h"

namespace toviran::planner {
namespace {

std::vector<RowDelta> RowsOf(const std::set<int>& tables, ItemSet items) {
    std::vector<RowDelta> rows;
    for (const int t : tables) {
        if (t == 0) continue;
        for (int i = 0; i < kFeedItemCount; ++i) {
            if (!(items & (1u << i))) continue;
            const FeedDelta& d = FeedTableByNo(t)[static_cast<std::size_t>(i)];
            const RowDelta row{{d.def, d.pow, d.dex, d.mind}, d.iq, d.synchro};
            if (std::ranges::find(rows, row) == rows.end()) rows.push_back(row);
        }
    }
    return rows;
}

// The forms the second evolution can give a mag of this line.
std::set<int> SecondForms(int line) {
    std::set<int> forms;
    for (const PdmLevels& pdm : OrderingExamples())
        forms.insert(SecondEvolutionForm(line, WithPdm(0, pdm)));
    return forms;
}

// The forms a final evolution can leave: a final form, or (FO with DEF 45 or more and
// POW above equal DEX and MIND) the name the mag had, one of `before`.
std::set<int> FinalForms(const std::set<int>& before, CharacterClass cls, SectionIdParity parity) {
    std::set<int> forms;
    for (const PdmLevels& pdm : OrderingExamples()) {
        for (const int def : {0, kFoDefColumnLevel}) {
            const int form = FinalEvolutionForm(kNoForm, WithPdm(def, pdm), cls, parity);
            if (form != kNoForm)
                forms.insert(form);
            else
                forms.insert(before.begin(), before.end());
        }
    }
    return forms;
}

// The tables the forms are fed from at their own names.
std::set<int> TablesOf(const std::set<int>& forms) {
    std::set<int> tables;
    for (const int form : forms) tables.insert(StageFeedTable(FeedStage::Named, form));
    return tables;
}

class PhaseList {
  public:
    PhaseList(int from, int to, ItemSet items) : from_(from), to_(to), items_(items) {}
    // A phase over [lo, hi), cut to the levels ahead.
    void Add(int lo, int hi, const std::set<int>& tables, bool rare = false, bool once = false) {
        lo = std::max(lo, from_);
        hi = std::min(hi, to_);
        if (lo >= hi) return;
        Phase phase{lo, hi, rare, once, RowsOf(tables, items_)};
        if (!phase.rows.empty()) phases_.push_back(std::move(phase));
    }
    std::vector<Phase> Take() { return std::move(phases_); }

  private:
    int from_;
    int to_;
    ItemSet items_;
    std::vector<Phase> phases_;
};

}  // namespace

int EarliestUseLevel(const Goal& goal) {
    if (goal.specialItem < 0) return 0;
    const SpecialRequirement& r = goal.requirement;
    return std::max(r.minLevel, r.statMin * r.statCount);
}

std::vector<Phase> PhasesAhead(const Goal& goal, const MagCore& m, CharacterClass cls,
                               SectionIdParity parity, ItemSet items) {
    // Items are fed below the target level; at the target level itself only IQ and synchro
    // can still change, which only a special item's condition asks about.
    const bool rareGoal = goal.specialItem >= 0;
    const int end = goal.level + (goal.needsIqSynchro && !m.rare ? 1 : 0);
    PhaseList list(m.level, end, items);
    if (m.rare) {
        list.Add(m.level, goal.level, TablesOf({m.form}), true);
        return list.Take();
    }
    const int level = m.level;
    const LevelRange first = StageLevels(FeedStage::First);
    list.Add(first.lo, first.hi, {StageFeedTable(FeedStage::First, m.form)});
    if (EvolvesWithNextItem(m))
        list.Add(level, level + 1, {StageFeedTable(FeedStage::Class, m.form)}, false, true);
    const int classForm = FirstEvolutionForm(cls);
    const LevelRange byClass = StageLevels(FeedStage::Class);
    list.Add(byClass.lo, byClass.hi, {StageFeedTable(FeedStage::Class, classForm)});
    std::set<int> second{m.form};
    if (level < kSecondEvolutionLevel && goal.secondForm != kNoForm) {
        second = {goal.secondForm};
    } else if (level < kSecondEvolutionLevel) {
        const bool classFormAhead = level < kFirstEvolutionLevel || m.form == kMagForm;
        second = SecondForms(classFormAhead ? classForm : m.form);
    }
    const LevelRange named = StageLevels(FeedStage::Named);
    list.Add(named.lo, kFinalEvolutionLevel, TablesOf(second));
    std::set<int> before = second;
    if (level >= kFinalEvolutionLevel) before = {m.form};
    // An item that gains two levels at once can pass a level of five without the final
    // evolution being judged, so the forms from before may still be fed from after it.
    std::set<int> final = FinalForms(before, cls, parity);
    final.insert(before.begin(), before.end());
    list.Add(kFinalEvolutionLevel, named.hi, TablesOf(final));
    if (rareGoal)
        list.Add(std::max(level, EarliestUseLevel(goal)), goal.level, {kRareFeedTable}, true);
    return list.Take();
}

}  // namespace toviran::planner
