#include "planner/reasons.h"

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

}  // namespace toviran::planner
