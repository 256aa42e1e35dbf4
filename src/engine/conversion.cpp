#include "conversion.h"

#include "undo.h"

namespace toviran {
namespace {

const Message kConfirm{MessageIcon::Question, "コンバート",
                       "Ver2（赤文字名前のマグ）をVer1にコンバートしますか？",
                       MessageButtons::OkCancel};
const Message kNotVer2{MessageIcon::Information, "コンバート",
                       "Ver2マグの時にここをクリックするとVer1にコンバートできるゾ",
                       MessageButtons::Ok};

}  // namespace

bool ConvertVer2ToVer1(MagState& s, Prompter& prompter, DisplayObserver& d) {
    // A Ver2 mag is recognised by its light-red name, not by the name itself.
    if (s.RareMagFlag != kTrue || s.NameColour != kRareLightRed) {
        prompter.Show(kNotVer2);
        return false;
    }
    if (!prompter.Show(kConfirm)) return false;
    アンドゥ記憶(s);
    s.MagName = "マグ";
    d.Changed(DisplayItem::Name, StatKind::Def);
    s.RareMagFlag = kFalse;
    s.NameColour = kWhite;
    d.Changed(DisplayItem::NameColour, StatKind::Def);
    return true;
}

}  // namespace toviran
