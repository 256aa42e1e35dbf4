#pragma once
// Which of the 57 forms a new mag can grow into with a class and section ID, from which
// level the evolution tables allow each, and how, as data. Computed from the engine's own
// tables; the text module words it.
#include <cstdint>
#include <vector>

#include "planner/plan.h"

namespace toviran::planner {

struct FormReach {
    // How the form is had, or why it is not.
    enum class Way : std::uint8_t {
        Start,            // the form a new mag starts as (it evolves at 10)
        FirstEvolution,   // the class form, at 10
        SecondEvolution,  // at 35, from the orderings in `orderings`
        FinalEvolution,   // from 50, every fifth level: `orderings` (FO: with DEF 44 or
                          // less) and `highDefOrderings` (FO with DEF 45 or more)
        Special,          // the special item `specialItem`, whose condition holds from fromLevel
        OtherParity,      // the special item `specialItem` gives it with the other ID only
        NotByFeeding,     // neither feeding nor a special item: the parameter window only
        NeverGrows,       // not with this class and ID
    };
    int form = 0;
    bool reachable = false;
    Way way = Way::NeverGrows;
    // The lowest level the evolution tables (or the special item's condition) allow; the
    // feed tables may ask for more.
    int fromLevel = 0;
    // Levels between the candidates worth trying: a final form is only given at a
    // multiple of 5.
    int levelStep = 1;
    int specialItem = -1;
    // Bit i: ordering i of OrderingExamples().
    std::uint16_t orderings = 0;
    std::uint16_t highDefOrderings = 0;
    // A final form that only a FO with DEF 45 or more can take.
    bool NeedsHighDef() const {
        return way == Way::FinalEvolution && orderings == 0 && highDefOrderings != 0;
    }
};

// Every form, in catalogue order.
std::vector<FormReach> ReachableForms(CharacterClass cls, SectionIdParity parity);

}  // namespace toviran::planner
