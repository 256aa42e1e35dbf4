#pragma once
// Recording stand-ins for the window side of the engine, and ways to feed a mag.
#include <deque>
#include <initializer_list>
#include <string>
#include <utility>
#include <vector>

#include "engine/display.h"
#include "engine/feed_tables.h"
#include "engine/feeding.h"
#include "engine/mag_state.h"
#include "engine/messages.h"

namespace toviran::testing {

class RecordingPrompter : public Prompter {
  public:
    std::vector<Message> shown;
    std::deque<bool> answers;  // answers to give, OK when empty
    bool Show(const Message& m) override {
        shown.push_back(m);
        if (answers.empty()) return true;
        const bool a = answers.front();
        answers.pop_front();
        return a;
    }
};

class RecordingDisplay : public DisplayObserver {
  public:
    std::vector<std::pair<DisplayItem, StatKind>> changes;
    void Changed(DisplayItem item, StatKind stat) override { changes.emplace_back(item, stat); }
    bool Saw(DisplayItem item) const {
        for (auto& c : changes)
            if (c.first == item) return true;
        return false;
    }
    bool Saw(DisplayItem item, StatKind k) const {
        for (auto& c : changes)
            if (c.first == item && c.second == k) return true;
        return false;
    }
};

inline void SetStats(MagState& s, int def, int pow, int dex, int mind) {
    s.DefLevel = static_cast<std::int16_t>(def);
    s.PowLevel = static_cast<std::int16_t>(pow);
    s.DexLevel = static_cast<std::int16_t>(dex);
    s.MindLevel = static_cast<std::int16_t>(mind);
    s.Level = static_cast<std::int16_t>(def + pow + dex + mind);
}

// One item, as the feeding run feeds each of its items.
inline void FeedOne(MagState& s, const std::string& item, CharacterClass cls = CharacterClass::HU,
                    SectionIdParity parity = SectionIdParity::Even,
                    DisplayObserver* shown = nullptr) {
    NullDisplay null;
    DisplayObserver& d = shown ? *shown : null;
    s.FeedName1 = item;
    MagCore m = CoreOf(s);
    FeedOneItem(s, m, FeedItemIndex(item), cls, parity, d);
}

// A count-mode request: (item, count) for slots 1, 2, ... in turn, each enabled.
inline FeedRequest CountRun(std::initializer_list<std::pair<const char*, const char*>> pairs) {
    FeedRequest r;
    std::size_t k = 0;
    for (auto [item, count] : pairs) r.feedSlots[k++] = {item, count, true};
    return r;
}

}  // namespace toviran::testing
