#pragma once
// Why the planner has no plan, as data: a kind with the numbers, stats and forms it names.
// The planner never words them; one text module does, for the window, toviran-sim and the
// chart alike.
#include <cstdint>
#include <string>
#include <vector>

#include "engine/types.h"

namespace toviran::planner {

// The start a plan is made from, as the reasons name it.
enum class StartWord { CurrentMag, NewMag };

enum class ReasonKind : std::uint8_t {
    // The start itself cannot be planned from.
    UnknownStartForm,
    StartInconsistent,
    // What the request asks can never hold, whatever the feeding.
    LevelAbove200,        // typed: the level as typed
    LevelBelowStart,      // level, otherLevel: the start's level
    StatAbove200,         // stat
    BuildSum,             // value: the four levels' sum, level
    StatWouldFall,        // stat, value: the start's level, otherValue: the level asked
    LeastAboveMost,       // stat, value: its least, otherValue: its most
    LeastsAboveLevel,     // value: the leasts' sum, level
    MostsBelowLevel,      // value: the mosts' sum, level
    StatAboveMost,        // stat, value: the start's level, otherValue: the most asked
    NotByFeeding,         // form
    OtherParity,          // form, parity: the one it needs, otherForm: what this ID gives
    RareStaysRare,        // form: the start's
    ClassCannotReach,     // form, cls, parity, newMagWould
    NeverGrows,           // cls, parity (the list of forms: this form is not grown into)
    EvolvesAway,          // form, otherLevel: where it evolves, level
    EvolvesAtTarget,      // form, level
    TooEarly,             // form, otherLevel: the lowest level it can be had
    MagEvolvesAt10,       //
    SpecialNeedsLevel,    // specialItem, otherLevel: the level it needs
    BuildMissesSpecial,   // specialItem
    BuildGivesOtherForm,  // level, otherForm: the form the build gives there
    // Proven by the planner's own reasoning.
    Conflict,   // demands: these cannot hold together, proven before any search
    Exhausted,  // every feeding that could still reach the target was followed, and none does
    ItemsCannotReach,  // with the items chosen; all items would reach it
    // Not proven: the search stopped first.
    ReplayDisagrees,
    OutOfWork,
    OutOfMemory,
    OutOfTime,
};

// One thing a request demands, as a conflict names it.
struct Demand {
    enum class Kind : std::uint8_t {
        Level,        // value: the target level
        StatAtLeast,  // stat, value
        StatAtMost,   // stat, value
        Form,         // form: the target's form, as the last evolution before it must give it
        SecondForm,   // form: the form the evolution at 35 must give on the way
        Special,      // specialItem: its condition before it is used
        Items,        // the items chosen (not all eleven)
    };
    Kind kind = Kind::Level;
    StatKind stat = StatKind::Def;
    int value = 0;
    int form = -1;
    int specialItem = -1;
    // Form: what the evolutions on the way ask for it. The evolution at 35 must see one of
    // `second` (bits over OrderingExamples(); 0 when it does not decide), and the evolutions
    // from 50 to `judgedAt` one of `lastLow` (DEF 44 or less) or `lastHigh` (DEF 45 or
    // more) (judgedAt 0 when none decides).
    std::uint16_t second = 0;
    int judgedAt = 0;
    std::uint16_t lastLow = 0;
    std::uint16_t lastHigh = 0;
};

struct Reason {
    ReasonKind kind = ReasonKind::Exhausted;
    StartWord start = StartWord::CurrentMag;
    CharacterClass cls = CharacterClass::HU;
    SectionIdParity parity = SectionIdParity::Even;
    StatKind stat = StatKind::Def;
    int form = -1;       // index into kMagForms
    int otherForm = -1;  // index into kMagForms
    int level = 0;
    int otherLevel = 0;
    int value = 0;
    int otherValue = 0;
    int specialItem = -1;  // index into SpecialItemInfos()
    bool newMagWould = false;
    std::string typed;            // a number as typed, when it is too large for any number
    std::vector<Demand> demands;  // Conflict: the fewest demands that cannot hold together
    friend bool operator==(const Reason&, const Reason&) = default;
};

// True for the kinds that prove no feeding reaches the target, false for a search that
// stopped before it knew.
bool Proves(ReasonKind kind);

}  // namespace toviran::planner
