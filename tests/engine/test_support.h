#pragma once
// Recording stand-ins for the window side of the engine.
#include <deque>
#include <utility>
#include <vector>

#include "engine/display.h"
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

}  // namespace toviran::testing
