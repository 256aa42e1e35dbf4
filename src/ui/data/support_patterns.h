#pragma once
// The fourteen ways a mag's support abilities answer the four trigger events.
#include <string_view>

namespace toviran {

// Letters name the ability at each trigger, in the order PB gauge full, HP at or below
// 1/10, incapacitated, boss fight: N none, M 無敵, S シフデバ, R レスタ (リバーサー at
// the third trigger). NMRS is the one pattern whose third trigger gives レスタ.
enum class SupportPattern {
    NNNN,
    MNNS,
    MNNR,
    MRNS,
    MSNN,
    MRNR,
    MRRS,
    NRRS,
    MMRM,
    MSRS,
    RRRR,
    NSRS,
    SSRS,
    NMRS,
};

// The four support labels' texts, in trigger order.
struct SupportTexts {
    std::string_view pbGaugeFull;  // lblPB
    std::string_view nearDeath;    // lblHinshi
    std::string_view death;        // lblDeath
    std::string_view boss;         // lblBoss
};

SupportTexts SupportTextsOf(SupportPattern pattern);

}  // namespace toviran
