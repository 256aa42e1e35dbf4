#pragma once
// The mag a MagCore stands for, as the parameter window would set it: for tests and
// benchmarks that make mags by feeding the compact step and then hand them to the planner.
#include <string>

#include "engine/mag_core.h"
#include "engine/mag_forms.h"
#include "engine/mag_state.h"

namespace toviran::testing {

inline MagState StateOf(const MagCore& m) {
    MagState s;
    s.MagName = std::string(kMagForms[m.form].name);
    s.Level = m.level;
    s.IQ = m.iq;
    s.Synchro = m.synchro;
    s.DefLevel = m.statLevel[0];
    s.PowLevel = m.statLevel[1];
    s.DexLevel = m.statLevel[2];
    s.MindLevel = m.statLevel[3];
    s.DefProgress = m.progress[0];
    s.PowProgress = m.progress[1];
    s.DexProgress = m.progress[2];
    s.MindProgress = m.progress[3];
    s.RareMagFlag = m.rare ? kTrue : kFalse;
    return s;
}

}  // namespace toviran::testing
