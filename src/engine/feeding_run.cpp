#include <charconv>
#include <cstdint>
#include <optional>

#include "feeding.h"
#include "history_text.h"
#include "undo.h"

namespace toviran {
namespace {

const Message kTooManyItems{MessageIcon::Information, "マグもおなか、こわすよね",
                            "えさが多すぎるとおもうんだよ", MessageButtons::Ok};
const Message kLevelReached{MessageIcon::Information, "すでにそのLvに達してますねぇ",
                            "Lv設定が変だぜ？", MessageButtons::Ok};
const Message kLevelTooHigh{MessageIcon::Information, "Lv200までだよ", "Lv設定が変だおー",
                            MessageButtons::Ok};

struct CountPlan {
    std::array<std::int32_t, kFeedSlotCount> counts{};  // c1..c4, 0 for a disabled slot
    std::int32_t total = 0;
};

// Sums the enabled slots; nullopt when a count or the sum is beyond 32 bits.
std::optional<CountPlan> PlanCounts(const FeedRequest& r) {
    CountPlan plan;
    std::int64_t total = 0;
    for (std::size_t k = 0; k < r.feedSlots.size(); ++k) {
        if (!FeedsSlot(r, k)) continue;
        const auto count = CountFromText(r.feedSlots[k].countText);
        if (!count) return std::nullopt;
        plan.counts[k] = *count;
        total += *count;
    }
    if (total > INT32_MAX) return std::nullopt;
    plan.total = static_cast<std::int32_t>(total);
    return plan;
}

// In count mode the current item moves on to the next slot at each slot boundary. Returns
// the slot now fed, or -1 when it stays.
int SwitchSlot(MagState& s, const FeedRequest& r, const CountPlan& plan, std::int64_t i) {
    std::int64_t boundary = plan.counts[0];
    const std::string* names[] = {nullptr, &s.FeedName2, &s.FeedName3, &s.FeedName4};
    int switched = -1;
    for (std::size_t k = 1; k < kFeedSlotCount; ++k) {
        if (FeedsSlot(r, k) && i == boundary + 1) {
            s.FeedName1 = *names[k];
            switched = static_cast<int>(k);
        }
        boundary += plan.counts[k];
    }
    return switched;
}

void RecordSlotForms(MagState& s, const FeedRequest& r, const CountPlan& plan, std::int64_t i) {
    std::string* forms[] = {&s.SlotFormName1, &s.SlotFormName2, &s.SlotFormName3};
    std::int64_t boundary = 0;
    for (std::size_t k = 0; k < 3; ++k) {
        boundary += plan.counts[k];
        if (FeedsSlot(r, k) && i == boundary) *forms[k] = s.MagName;
    }
}

// えさ履歴: one entry per fed slot, the quantities as typed (level mode: items fed).
void えさ履歴(MagState& s, const FeedRequest& r, DisplayObserver& d) {
    std::string quantity = r.feedSlots[0].countText;
    if (r.mode == FeedMode::Level) quantity = std::to_string(s.FeedCount);
    s.FeedName1 = r.feedSlots[0].item;
    s.UndoHistoryText = s.HistoryText;
    auto append = [&](const std::string& item, const std::string& qty, const std::string& mag) {
        s.HistoryText += HistoryEntry(r.parity, r.characterClass, item, qty, mag);
    };
    if (r.mode == FeedMode::Level) {
        append(s.FeedName1, quantity, s.MagName);
    } else {
        append(s.FeedName1, quantity, s.SlotFormName1);
        const std::string* items[] = {nullptr, &s.FeedName2, &s.FeedName3, &s.FeedName4};
        const std::string* forms[] = {nullptr, &s.SlotFormName2, &s.SlotFormName3, &s.MagName};
        for (std::size_t k = 1; k < kFeedSlotCount; ++k) {
            if (!FeedsSlot(r, k)) continue;
            s.FeedName1 = *items[k];
            append(s.FeedName1, r.feedSlots[k].countText, *forms[k]);
        }
    }
    d.Changed(DisplayItem::HistoryBox, StatKind::Def);
}

}  // namespace

std::optional<std::int32_t> CountFromText(std::string_view text) {
    std::int32_t value = 0;
    if (text.empty()) return 0;
    const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (ec != std::errc() || end != text.data() + text.size() || value < 0) return std::nullopt;
    return value;
}

FeedOutcome RunFeeding(MagState& s, const FeedRequest& r, Prompter& prompter, DisplayObserver& d) {
    s.FeedName1 = r.feedSlots[0].item;
    // Slots 2 to 4 feed what their lists last picked.
    s.FeedName2 = r.feedSlots[1].item;
    s.FeedName3 = r.feedSlots[2].item;
    s.FeedName4 = r.feedSlots[3].item;

    CountPlan plan;
    std::int32_t target = 0;
    if (r.mode == FeedMode::Count) {
        const auto counted = PlanCounts(r);
        if (counted && counted->total < 1) return FeedOutcome::NothingToFeed;
        if (!counted || counted->total > kMaxItemsPerRun) {
            prompter.Show(kTooManyItems);
            return FeedOutcome::Refused;
        }
        plan = *counted;
        s.FeedCount = plan.total;
    } else {
        const auto parsed = CountFromText(r.feedSlots[0].countText);
        if (parsed && s.Level >= *parsed) {
            prompter.Show(kLevelReached);
            return FeedOutcome::Refused;
        }
        if (!parsed || *parsed > kLevelCap) {
            prompter.Show(kLevelTooHigh);
            return FeedOutcome::Refused;
        }
        target = *parsed;
        s.FeedCount = kMaxItemsPerRun;
    }

    アンドゥ記憶(s);
    // The loop feeds through the compact step and keeps the mag's fields in step with it
    // after every item, so the window shows each change as it happens.
    MagCore m = CoreOf(s);
    const int slotItems[] = {FeedItemIndex(s.FeedName1), FeedItemIndex(s.FeedName2),
                             FeedItemIndex(s.FeedName3), FeedItemIndex(s.FeedName4)};
    int item = slotItems[0];
    const std::int32_t bound = s.FeedCount;
    for (std::int32_t i = 1; i <= bound; ++i) {
        if (r.mode == FeedMode::Count) {
            if (const int slot = SwitchSlot(s, r, plan, i); slot >= 0) item = slotItems[slot];
        }
        FeedOneItem(s, m, item, r.characterClass, r.parity, d);
        if (r.mode == FeedMode::Count) RecordSlotForms(s, r, plan, i);
        if (r.mode == FeedMode::Level && s.Level >= target) {
            s.FeedCount = i;
            break;
        }
    }
    えさ履歴(s, r, d);
    s.UndoEnabled = true;
    d.Changed(DisplayItem::UndoButton, StatKind::Def);
    return FeedOutcome::Fed;
}

}  // namespace toviran
