#include "history_text.h"

namespace toviran {
namespace {

std::string ParityWord(SectionIdParity parity) {
    return parity == SectionIdParity::Even ? "偶数" : "奇数";
}

std::string ClassWord(CharacterClass cls) {
    // Five full-width letters and two half-width spaces: all three words are six cells wide.
    switch (cls) {
        case CharacterClass::HU:
            return "ＨＵＮＴＥＲ";
        case CharacterClass::RA:
            return "ＲＡＮＧＥＲ";
        case CharacterClass::FO:
            break;
    }
    return "ＦＯＲＣＥ  ";
}

}  // namespace

std::string HistoryEntry(SectionIdParity parity, CharacterClass cls, std::string_view item,
                         std::string_view quantity, std::string_view magName) {
    std::string entry = "\r\n" + ParityWord(parity) + ClassWord(cls) + "\r\n[アイテム]";
    entry.append(item);
    entry += "\r\n[◆数量◆] ";
    entry.append(quantity);
    entry += "\r\n[マグ形態]";
    entry.append(magName);
    entry += "\r\n   ↓↓  ";
    return entry;
}

}  // namespace toviran
