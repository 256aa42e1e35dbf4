#include "wording/reason_text.h"

#include <vector>

#include "engine/mag_core.h"
#include "engine/mag_forms.h"
#include "engine/rare_evolution.h"
#include "planner/reach_table.h"
#include "planner/reachability.h"
#include "wording/conditions_text.h"
#include "wording/reach_text.h"

namespace toviran::wording {
namespace {

using planner::Reason;
using planner::ReasonKind;

std::string N(int value) {
    return std::to_string(value);
}

std::string FormName(int form) {
    if (form < 0 || form >= kMagFormCount) return "？";
    return std::string(kMagForms[form].name);
}

std::string Entry(int specialItem) {
    return std::string(SpecialItemInfos()[static_cast<std::size_t>(specialItem)].entry);
}

std::string ParityName(SectionIdParity parity) {
    return parity == SectionIdParity::Even ? "偶数ID" : "奇数ID";
}

std::string MagWord(planner::StartWord start) {
    return start == planner::StartWord::NewMag ? "新しいマグ" : "今のマグ";
}

std::string ConflictText(const Reason& r) {
    std::string list;
    for (const planner::Demand& d : r.demands) {
        if (!list.empty()) list += "、";
        list += DemandText(d, r.cls);
    }
    return ClassAndIdText(r.cls, r.parity) + "で" + MagWord(r.start) +
           "から育てると、次の条件は同時には満たせません：" + list + "。";
}

// The reasons a request is refused with before any search, for its own numbers.
std::string RequestText(const Reason& r) {
    const std::string form = FormName(r.form);
    const std::string stat = StatName(r.stat);
    switch (r.kind) {
        case ReasonKind::LevelAbove200:
            return "目標レベル" + r.typed + "は200を超えています。レベルは200までです。";
        case ReasonKind::LevelBelowStart:
            return "目標レベル" + N(r.level) + "は" + MagWord(r.start) + "のレベル" +
                   N(r.otherLevel) + "より低いです。レベルは下がりません。";
        case ReasonKind::StatAbove200:
            return stat + "は200までです。";
        case ReasonKind::BuildSum:
            return "能力値の合計" + N(r.value) + "が目標レベル" + N(r.level) + "と違います。";
        case ReasonKind::StatWouldFall:
            return MagWord(r.start) + "の" + stat + "は" + N(r.value) + "で、" + N(r.otherValue) +
                   "には下がりません。能力値は上がるだけです。";
        case ReasonKind::LeastAboveMost:
            return stat + "の「" + N(r.value) + "以上」と「" + N(r.otherValue) +
                   "以下」は同時には満たせません。";
        case ReasonKind::LeastsAboveLevel:
            return "能力値の「以上」の合計" + N(r.value) + "が目標レベル" + N(r.level) +
                   "を超えています。4つの能力値の合計はレベルと同じです。";
        case ReasonKind::MostsBelowLevel:
            return "能力値の「以下」の合計" + N(r.value) + "が目標レベル" + N(r.level) +
                   "に足りません。4つの能力値の合計はレベルと同じです。";
        case ReasonKind::StatAboveMost:
            return MagWord(r.start) + "の" + stat + "はもう" + N(r.value) + "で、" +
                   N(r.otherValue) + "以下にはなりません。能力値は上がるだけです。";
        default:
            return {};
    }
}

// The reasons about the form asked for.
std::string FormText(const Reason& r) {
    const std::string form = FormName(r.form);
    switch (r.kind) {
        case ReasonKind::NotByFeeding:
            return form +
                   "はえさでもレアマグ進化でもなれない姿です（パラメータ設定でだけなれます）。";
        case ReasonKind::OtherParity:
            return form + "は" + ParityName(r.parity) + "だけのレアマグです。今のIDでは" +
                   FormName(r.otherForm) + "になります。";
        case ReasonKind::RareStaysRare:
            return "今のマグは" + form + "（レアマグ）なので、もう姿は変わりません。";
        case ReasonKind::ClassCannotReach: {
            const std::string head = form + "には、" + ClassAndIdText(r.cls, r.parity) + "では";
            if (r.start == planner::StartWord::CurrentMag && r.newMagWould)
                return head + "今のマグからは育ちません。新しいマグからなら育ちます。";
            return head + "育ちません。";
        }
        case ReasonKind::NeverGrows:
            return ClassAndIdText(r.cls, r.parity) + "では、この姿に育ちません";
        case ReasonKind::EvolvesAway:
            return form + "はLv" + N(r.otherLevel) + "で必ず進化するので、Lv" + N(r.level) +
                   "では" + form + "のままでいられません。";
        case ReasonKind::EvolvesAtTarget:
            return form + "はLv" + N(r.level) + "の進化で必ず別の姿になるので、Lv" + N(r.level) +
                   "では" + form + "のままでいられません。";
        case ReasonKind::TooEarly:
            return form + "になれるのはLv" + N(r.otherLevel) + "からです。";
        case ReasonKind::MagEvolvesAt10:
            return "マグはLv" + N(kFirstEvolutionLevel) + "で進化するので、Lv" +
                   N(kFirstEvolutionLevel) + "からはマグのままでいられません。";
        case ReasonKind::SpecialNeedsLevel:
            return Entry(r.specialItem) + "はLv" + N(r.otherLevel) + "から使えます。";
        case ReasonKind::BuildMissesSpecial:
            return "その能力値では" + Entry(r.specialItem) + "の条件を満たしません。" +
                   std::string(SpecialItemInfos()[static_cast<std::size_t>(r.specialItem)].usage);
        case ReasonKind::BuildGivesOtherForm:
            return "その能力値だと、Lv" + N(r.level) + "の進化で" + FormName(r.otherForm) +
                   "になります。";
        default:
            return {};
    }
}

// The usage text's condition, after 「使用条件：」.
std::string ConditionOf(int specialItem) {
    const std::string usage(SpecialItemInfos()[static_cast<std::size_t>(specialItem)].usage);
    const std::string mark = "使用条件：";
    const std::size_t at = usage.find(mark);
    return at == std::string::npos ? usage : usage.substr(at + mark.size());
}

// A form with what the evolutions on the way ask for it.
std::string FormDemandText(const planner::Demand& d, CharacterClass cls) {
    std::vector<std::string> asks;
    if (d.specialItem >= 0)
        asks.push_back(Entry(d.specialItem) + "の使用条件 " + ConditionOf(d.specialItem));
    if (d.second != 0)
        asks.push_back("Lv" + N(kSecondEvolutionLevel) + "の進化で " + OrderingsText(d.second));
    if (d.judgedAt > 0) {
        std::string last = "Lv" + N(kFinalEvolutionLevel) +
                           (d.judgedAt > kFinalEvolutionLevel ? "からLv" + N(d.judgedAt) + "まで"
                                                              : std::string()) +
                           "の進化で";
        const std::string low = OrderingsText(d.lastLow);
        const std::string high = OrderingsText(d.lastHigh);
        if (cls != CharacterClass::FO || d.lastLow == d.lastHigh) {
            last += " " + low;
        } else {
            if (!low.empty()) last += " DEF" + N(kFoDefColumnLevel - 1) + "以下のとき " + low;
            if (!high.empty())
                last += (low.empty() ? " " : "、") + std::string("DEF") + N(kFoDefColumnLevel) +
                        "以上のとき " + high;
        }
        asks.push_back(last);
    }
    std::string text = FormName(d.form);
    for (std::size_t i = 0; i < asks.size(); ++i) text += (i == 0 ? "（" : "、") + asks[i];
    return asks.empty() ? text : text + "）";
}

}  // namespace

std::string DemandText(const planner::Demand& d, CharacterClass cls) {
    using Kind = planner::Demand::Kind;
    switch (d.kind) {
        case Kind::Level:
            return "Lv" + N(d.value);
        case Kind::StatAtLeast:
            return StatName(d.stat) + " " + N(d.value) + "以上";
        case Kind::StatAtMost:
            return StatName(d.stat) + " " + N(d.value) + "以下";
        case Kind::Form:
        case Kind::SecondForm:
            return FormDemandText(d, cls);
        case Kind::Special:
            return Entry(d.specialItem) + "の条件";
        case Kind::Items:
            return "選んだえさだけ";
    }
    return {};
}

std::string ReasonText(const Reason& r) {
    switch (r.kind) {
        case ReasonKind::UnknownStartForm:
            return "今のマグの名前が57の姿のどれでもないので、計画を立てられません。";
        case ReasonKind::StartInconsistent:
            return "今のマグのレベルが4つの能力値の合計と合わないので、計画を立てられません。";
        case ReasonKind::Conflict:
            return ConflictText(r);
        case ReasonKind::Exhausted:
            return "この目標に届くえさの与え方はありません。届く見込みのある与え方を、すべて調べま"
                   "した。";
        case ReasonKind::ItemsCannotReach:
            return "選んだえさだけでは目標に届きません。";
        case ReasonKind::ReplayDisagrees:
            return "見つけた与え方を確かめたところ、目標に届きませんでした。計画は出しません。";
        case ReasonKind::OutOfWork:
            return "決まった上限まで探しましたが、見つかりませんでした。";
        case ReasonKind::OutOfMemory:
            return "探すのに使えるメモリを使い切るまでに、見つかりませんでした。";
        case ReasonKind::OutOfTime:
            return "制限時間内に見つかりませんでした。";
        default:
            break;
    }
    if (std::string text = RequestText(r); !text.empty()) return text;
    return FormText(r);
}

}  // namespace toviran::wording

namespace toviran::wording {

std::string UnsettledBelowText(const planner::ReachRow& row, const std::string& verb) {
    const char* within = row.reason.kind == ReasonKind::OutOfMemory ? "使えるメモリのうちに"
                         : row.reason.kind == ReasonKind::OutOfTime ? "制限時間内に"
                                                                    : "決まった上限までに";
    return "それより低いレベルで" + verb + "かどうかは、" + within + "確かめきれませんでした。";
}

std::string ReachRowReason(const planner::ReachRow& row) {
    if (row.status == planner::ReachRow::Status::Unsettled && row.level > 0)
        return "Lv" + N(row.level) + "で届きますが、" + UnsettledBelowText(row, "届く");
    return ReasonText(row.reason);
}

}  // namespace toviran::wording
