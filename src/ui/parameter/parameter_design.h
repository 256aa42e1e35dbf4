#pragma once
// The parameter window's design: captions, tooltips, colours and positions in twips.
#include <array>

#include "engine/types.h"

namespace toviran::parameter_design {

inline constexpr const char* kCaption = "パラメータの設定と反映♪";
inline constexpr int kClientWidth = 4710;
inline constexpr int kClientHeight = 2310;
// The main window opens this one this far below its own top edge.
inline constexpr int kOffsetBelowOwner = 4170;

struct Box {
    int left, top, width, height;
};
struct Spot {
    int left, top;
};

inline constexpr const char* kFrameCaption = "パラメータ";
inline constexpr Box kFrame{120, 0, 4455, 1935};
inline constexpr Box kNameCombo{120, 360, 1455, 285};
inline constexpr const char* kDesignName = "マグ";

inline constexpr Spot kIqLabel{240, 1200};
inline constexpr Box kIqBox{1080, 1140, 375, 270};
inline constexpr const char* kIqDesignText = "0";
inline constexpr Spot kSynchroLabel{240, 1440};
inline constexpr Box kSynchroBox{1080, 1410, 375, 270};
inline constexpr const char* kSynchroDesignText = "40";
inline constexpr const char* kSynchroTip = "シンクロニシティ3部作（笑）";

// Columns shared by the four stat rows.
inline constexpr int kStatLabelLeft = 1680;
inline constexpr int kLevelBoxLeft = 2160;
inline constexpr int kBarLeft = 2520;
inline constexpr int kProgressBoxLeft = 3480;
inline constexpr int kPer100Left = 3840;
inline constexpr int kNumberBoxWidth = 375;
inline constexpr int kNumberBoxHeight = 270;
inline constexpr int kBarWidth = 950;
inline constexpr int kBarHeight = 255;
inline constexpr const char* kPer100Text = "/100";
// Half-width digits, small enough that three of them fit the 375-twip boxes.
inline constexpr const char* kNumberFont = "ＭＳ ゴシック";
inline constexpr double kNumberFontPoints = 8.25;

struct StatRow {
    StatKind stat;
    const char* caption;
    const char* captionName;
    const char* levelBoxName;
    const char* progressBoxName;
    const char* barName;
    const char* fillName;
    int top;          // label, level box and bar
    int progressTop;  // the progress box sits 15 twips higher
    const char* levelDesignText;
    Rgb background;
    Rgb fill;
    const char* barTip;  // nullptr: no tooltip
};

inline constexpr std::array<StatRow, 4> kStatRows{{
    {StatKind::Def,
     "DEF",
     "lblD",
     "txtDEF",
     "txtDEF2",
     "picDEF",
     "picDEF2",
     360,
     345,
     "5",
     {128, 128, 255},
     {0, 0, 255},
     nullptr},
    {StatKind::Pow,
     "POW",
     "lblP",
     "txtPOW",
     "txtPOW2",
     "picPOW",
     "picPOW2",
     720,
     705,
     "0",
     {255, 128, 128},
     {255, 0, 0},
     nullptr},
    {StatKind::Dex,
     "DEX",
     "lblDX",
     "txtDEX",
     "txtDEX2",
     "picDEX",
     "picDEX2",
     1080,
     1065,
     "0",
     {255, 255, 192},
     {255, 255, 0},
     "DEX：数値÷２がプレイヤーに反映"},
    {StatKind::Mind,
     "MIND",
     "lblM",
     "txtMIND",
     "txtMIND2",
     "picMIND",
     "picMIND2",
     1440,
     1425,
     "0",
     {192, 255, 192},
     {0, 255, 0},
     nullptr},
}};
inline constexpr const char* kProgressDesignText = "0";

struct Button {
    const char* name;
    const char* caption;
    int left;
    const char* tip;  // nullptr: no tooltip
};
inline constexpr int kButtonTop = 1920;
inline constexpr int kButtonWidth = 1095;
inline constexpr int kButtonHeight = 375;
inline constexpr Button kCopyButton{"cmdCopy", "きゃぷちゃ", 120, "現在のパラメを取り込みます"};
inline constexpr Button kApplyButton{"cmdDo", "反映(&D)", 2400, nullptr};
inline constexpr Button kCloseButton{"cmdClose", "閉じる(&C)", 3480, nullptr};

}  // namespace toviran::parameter_design
