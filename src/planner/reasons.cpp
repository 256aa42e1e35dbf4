#include "planner/reasons.h"

namespace toviran::planner::reason {
namespace {

std::string N(int value) {
    return std::to_string(value);
}

std::string S(std::string_view text) {
    return std::string(text);
}

std::string StatName(StatKind stat) {
    constexpr const char* kNames[] = {"DEF", "POW", "DEX", "MIND"};
    return kNames[static_cast<int>(stat)];
}

std::string ParityName(SectionIdParity parity) {
    return parity == SectionIdParity::Even ? "偶数ID" : "奇数ID";
}

std::string MagWord(StartWord start) {
    return start == StartWord::NewMag ? "新しいマグ" : "今のマグ";
}

std::string ClassName(CharacterClass cls) {
    constexpr const char* kNames[] = {"HU", "RA", "FO"};
    return kNames[static_cast<int>(cls)];
}

}  // namespace

std::string ClassAndId(CharacterClass cls, SectionIdParity parity) {
    return ClassName(cls) + "・" + ParityName(parity);
}
std::string NeverGrows(CharacterClass cls, SectionIdParity parity) {
    return ClassAndId(cls, parity) + "では、この姿に育ちません";
}
std::string UnknownStartForm() {
    return "今のマグの名前が57の姿のどれでもないので、計画を立てられません。";
}
std::string StartInconsistent() {
    return "今のマグのレベルが4つの能力値の合計と合わないので、計画を立てられません。";
}
std::string LevelAbove200(std::string_view level) {
    return "目標レベル" + S(level) + "は200を超えています。レベルは200までです。";
}
std::string LevelBelowStart(int level, int startLevel, StartWord start) {
    return "目標レベル" + N(level) + "は" + MagWord(start) + "のレベル" + N(startLevel) +
           "より低いです。レベルは下がりません。";
}
std::string StatAbove200(StatKind stat) {
    return StatName(stat) + "は200までです。";
}
std::string BuildSum(int sum, int level) {
    return "能力値の合計" + N(sum) + "が目標レベル" + N(level) + "と違います。";
}
std::string StatWouldFall(StatKind stat, int now, int wanted, StartWord start) {
    return MagWord(start) + "の" + StatName(stat) + "は" + N(now) + "で、" + N(wanted) +
           "には下がりません。能力値は上がるだけです。";
}
std::string NotByFeeding(std::string_view form) {
    return S(form) + "はえさでもレアマグ進化でもなれない姿です（パラメータ設定でだけなれます）。";
}
std::string OtherParity(std::string_view form, SectionIdParity needed, std::string_view instead) {
    return S(form) + "は" + ParityName(needed) + "だけのレアマグです。今のIDでは" + S(instead) +
           "になります。";
}
std::string RareStaysRare(std::string_view form) {
    return "今のマグは" + S(form) + "（レアマグ）なので、もう姿は変わりません。";
}
std::string ClassCannotReach(std::string_view form, CharacterClass cls, SectionIdParity parity,
                             StartWord start, bool newMagWould) {
    const std::string head =
        S(form) + "には、" + ClassName(cls) + "・" + ParityName(parity) + "では";
    if (start == StartWord::CurrentMag && newMagWould)
        return head + "今のマグからは育ちません。新しいマグからなら育ちます。";
    return head + "育ちません。";
}
std::string EvolvesAway(std::string_view form, int at, int level) {
    return S(form) + "はLv" + N(at) + "で必ず進化するので、Lv" + N(level) + "では" + S(form) +
           "のままでいられません。";
}
std::string EvolvesAtTarget(std::string_view form, int level) {
    return S(form) + "はLv" + N(level) + "の進化で必ず別の姿になるので、Lv" + N(level) + "では" +
           S(form) + "のままでいられません。";
}
std::string TooEarly(std::string_view form, int fromLevel) {
    return S(form) + "になれるのはLv" + N(fromLevel) + "からです。";
}
std::string MagEvolvesAt10() {
    return "マグはLv10で進化するので、Lv10からはマグのままでいられません。";
}
std::string SpecialNeedsLevel(std::string_view entry, int level) {
    return S(entry) + "はLv" + N(level) + "から使えます。";
}
std::string BuildMissesSpecial(std::string_view entry, std::string_view usage) {
    return "その能力値では" + S(entry) + "の条件を満たしません。" + S(usage);
}
std::string BuildGivesOtherForm(int level, std::string_view form) {
    return "その能力値だと、Lv" + N(level) + "の進化で" + S(form) + "になります。";
}
std::string ItemsCannotReach() {
    return "選んだえさだけでは目標に届きません。";
}
std::string Impossible() {
    return "この目標に届くえさの与え方はありません。";
}
std::string ReplayDisagrees() {
    return "見つけた与え方を確かめたところ、目標に届きませんでした。計画は出しません。";
}
std::string OutOfTime() {
    return "制限時間のうちに見つかりませんでした。";
}
std::string OutOfMemory() {
    return "探索に使えるメモリのうちに見つかりませんでした。";
}
std::string OutOfWork() {
    return "決められた探索の量のうちに見つかりませんでした。";
}

}  // namespace toviran::planner::reason
