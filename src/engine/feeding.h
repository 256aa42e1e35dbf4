#pragma once
// Feeding one item (table choice, deltas, carry, evolution) and the feeding run.
#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "display.h"
#include "mag_core.h"
#include "mag_state.h"
#include "messages.h"

namespace toviran {

// One item of a feeding run: the progress before it kept (パラメータバック記憶), the item
// (0..10; -1 feeds nothing but still evolves as due) fed with the evolution it calls for,
// the mag's fields written back with each change shown, then IQ and synchro clamped
// (その他処理). `m` holds the mag's numbers and stays in step with `s`, so that a run
// does not convert them for every item. Class and parity are those selected now.
void FeedOneItem(MagState& s, MagCore& m, int item, CharacterClass cls, SectionIdParity parity,
                 DisplayObserver& d);
// Redraws what one item changed: each stat's progress, and its level and the mag's level
// where a level was gained. Nothing when no row was applied.
void ReportItemEffect(const ItemEffect& effect, DisplayObserver& d);
void 最終変形(MagState& s, CharacterClass cls, SectionIdParity parity);
// The evolutions at level 10 (to the class form) and 35 (by the class form's line).
void FirstEvolution(MagState& s, CharacterClass cls);
void SecondEvolution(MagState& s);

enum class FeedMode { Count, Level };

struct FeedSlotInput {
    std::string item = "モノメイト";  // slot 1: cmbEsa's text; slots 2-4: FeedName2..4
    std::string countText = "1";      // the count box text as typed
    bool enabled = false;             // the count box's enabled state (slot 1 always)
};

inline constexpr std::size_t kFeedSlotCount = 4;

struct FeedRequest {
    FeedMode mode = FeedMode::Count;
    // In level mode slot 1's count text is the target level.
    std::array<FeedSlotInput, kFeedSlotCount> feedSlots;
    CharacterClass characterClass = CharacterClass::HU;
    SectionIdParity parity = SectionIdParity::Even;
};

// Whether a press with these inputs feeds slot k's item (k from 0): slot 1 always; slots 2
// to 4 when enabled, and in count mode only (level mode feeds slot 1's item to the level).
constexpr bool FeedsSlot(const FeedRequest& r, std::size_t k) {
    return k == 0 || (r.mode == FeedMode::Count && r.feedSlots[k].enabled);
}

enum class FeedOutcome { Fed, NothingToFeed, Refused };

// A count box's number (the target level in level mode). The box holds digits only and
// an empty one reads as 0; nullopt when the number does not fit 32 bits.
std::optional<std::int32_t> CountFromText(std::string_view text);

// cmdTake_Click: checks, undo snapshot, the item loop, the history entries, undo enabled.
FeedOutcome RunFeeding(MagState& s, const FeedRequest& request, Prompter& prompter,
                       DisplayObserver& d);

}  // namespace toviran
