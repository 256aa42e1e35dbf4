#include "mag_state.h"

namespace toviran {
namespace {

template <typename State>
auto& Pick(State& s, StatKind k, auto State::*def, auto State::*pow, auto State::*dex,
           auto State::*mind) {
    switch (k) {
        case StatKind::Def:
            return s.*def;
        case StatKind::Pow:
            return s.*pow;
        case StatKind::Dex:
            return s.*dex;
        case StatKind::Mind:
            break;
    }
    return s.*mind;
}

}  // namespace

std::int16_t& StatLevel(MagState& s, StatKind k) {
    return Pick(s, k, &MagState::DefLevel, &MagState::PowLevel, &MagState::DexLevel,
                &MagState::MindLevel);
}
std::int16_t& StatProgress(MagState& s, StatKind k) {
    return Pick(s, k, &MagState::DefProgress, &MagState::PowProgress, &MagState::DexProgress,
                &MagState::MindProgress);
}
std::int16_t& StatProgressBackup(MagState& s, StatKind k) {
    return Pick(s, k, &MagState::DefProgressBackup, &MagState::PowProgressBackup,
                &MagState::DexProgressBackup, &MagState::MindProgressBackup);
}
std::int16_t& UndoStatLevel(MagState& s, StatKind k) {
    return Pick(s, k, &MagState::UndoDefLevel, &MagState::UndoPowLevel, &MagState::UndoDexLevel,
                &MagState::UndoMindLevel);
}
std::int16_t& UndoStatProgress(MagState& s, StatKind k) {
    return Pick(s, k, &MagState::UndoDefProgress, &MagState::UndoPowProgress,
                &MagState::UndoDexProgress, &MagState::UndoMindProgress);
}
std::int16_t StatLevel(const MagState& s, StatKind k) {
    return StatLevel(const_cast<MagState&>(s), k);
}
std::int16_t StatProgress(const MagState& s, StatKind k) {
    return StatProgress(const_cast<MagState&>(s), k);
}

}  // namespace toviran
