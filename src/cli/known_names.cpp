#include "cli/known_names.h"

#include <algorithm>

#include "engine/feed_tables.h"
#include "engine/rare_evolution.h"

namespace toviran::sim {
namespace {

using Reason = std::optional<std::string>;

Reason CheckItem(std::string_view item) {
    if (FeedItemIndex(item) >= 0) return std::nullopt;
    return "「" + std::string(item) + "」はえさの名前ではありません";
}

Reason CheckSpecialItem(std::string_view entry) {
    if (std::ranges::any_of(SpecialItemInfos(),
                            [entry](const SpecialItemInfo& info) { return info.entry == entry; }))
        return std::nullopt;
    return "「" + std::string(entry) + "」は特殊アイテムの名前ではありません";
}

Reason Check(const FeedByCount& command) {
    for (const FeedPair& pair : command.pairs)
        if (auto reason = CheckItem(pair.item)) return reason;
    return std::nullopt;
}
Reason Check(const FeedToLevel& command) {
    return CheckItem(command.item);
}
Reason Check(const PickRareEntry& command) {
    return CheckSpecialItem(command.entry);
}
Reason Check(const auto&) {
    return std::nullopt;
}

}  // namespace

std::optional<std::string> UnknownNameReason(const Command& command) {
    return std::visit([](const auto& c) { return Check(c); }, command);
}

}  // namespace toviran::sim
