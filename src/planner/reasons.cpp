#include "planner/reasons.h"

#include "planner/plan.h"

namespace toviran::planner {

bool Proves(ReasonKind kind) {
    switch (kind) {
        case ReasonKind::ReplayDisagrees:
        case ReasonKind::OutOfWork:
        case ReasonKind::OutOfMemory:
        case ReasonKind::OutOfTime:
            return false;
        default:
            return true;
    }
}

Reason ReasonAbout(ReasonKind kind, const PlanRequest& request) {
    Reason why;
    why.kind = kind;
    why.start = request.startIsNewMag ? StartWord::NewMag : StartWord::CurrentMag;
    why.cls = request.characterClass;
    why.parity = request.parity;
    why.form = request.target.form;
    why.level = request.target.level;
    return why;
}

}  // namespace toviran::planner
