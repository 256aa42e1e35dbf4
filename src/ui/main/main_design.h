#pragma once
// The main window's design: every control's name, place (twips), caption, colours,
// font and tooltip, held as tables that the window is built from.
#include <array>
#include <optional>
#include <span>
#include <string>

#include "engine/types.h"

namespace toviran {

// Where a control lies: the window's client area or one of the frames.
enum class Container { Window, Frame1, Frame2, Frame3 };

struct TwipsBox {
    int left, top, width, height;
};

enum class TextAlign { Left, Centre, Right };

struct FontDesign {
    const char* family;  // the design's family; fonts.h picks the installed stand-in
    double points;
    bool bold = false;
    bool italic = false;
};

inline constexpr Rgb kWindowBackground{0, 0, 64};
inline constexpr Rgb kCaptionColour{192, 192, 255};  // frame captions and value names
inline constexpr Rgb kValueColour{255, 128, 255};    // level, IQ and synchro values
inline constexpr TwipsBox kClientTwips{0, 0, 7320, 3480};

inline constexpr FontDesign kPopFont8{"HG創英角ﾎﾟｯﾌﾟ体", 8.25};
inline constexpr FontDesign kPopFontS8{"HGS創英角ﾎﾟｯﾌﾟ体", 8.25};
inline constexpr FontDesign kPopFontS9{"HGS創英角ﾎﾟｯﾌﾟ体", 9.75};
inline constexpr FontDesign kButtonFont{"ＭＳ Ｐゴシック", 8.25};

struct LabelDesign {
    const char* name;
    Container container;
    TwipsBox box;
    const char* text;
    Rgb colour;
    TextAlign align = TextAlign::Left;
    const char* tooltip = nullptr;
    std::optional<FontDesign> font = std::nullopt;
    bool visible = true;
};

struct FrameDesign {
    const char* name;
    TwipsBox box;
    const char* caption;
    const char* tooltip;
};

struct OptionDesign {
    const char* name;
    Container container;
    TwipsBox box;
    const char* caption;
    Rgb colour;
    const char* tooltip;
    bool selected;
};

struct ButtonDesign {
    const char* name;
    TwipsBox box;
    const char* caption;
    const char* tooltip;
    bool enabled = true;
    bool visible = true;
};

// One stat row of the parameter frame, in StatKind order.
struct StatRowDesign {
    StatKind stat;
    int top;
    const char* nameLabel;      // lblD ...
    const char* levelLabel;     // lblDEF ...
    const char* bar;            // picDEF ...
    const char* fill;           // picDEF2 ...
    const char* progressLabel;  // lblDEF2 ...
    int per100Index;            // index of the lbl100 control array on this row
    const char* caption;
    Rgb nameColour;
    Rgb barColour;
    Rgb fillColour;
    const char* tooltip;
    const char* initialLevel;
};

// Shared left edges and widths of the stat rows.
inline constexpr TwipsBox kStatName{1680, 0, 495, 255};
inline constexpr TwipsBox kStatLevel{2040, 0, 375, 255};
inline constexpr TwipsBox kStatBar{2520, 0, 1000, 255};
inline constexpr TwipsBox kStatProgress{3600, 0, 255, 255};
inline constexpr TwipsBox kStatPer100{3840, 0, 375, 255};

// One feed slot of the right column.
struct SlotDesign {
    const char* check;
    const char* checkCaption;
    int checkTop;
    const char* checkTooltip;
    const char* combo;
    const char* comboTooltip;
    const char* count;
    int countLeft, countTop;
    const char* plus;
    const char* minus;
    Rgb colour;
};

inline constexpr int kSlotCheckLeft = 4800;
inline constexpr TwipsBox kSlotCheckSize{0, 0, 375, 255};
inline constexpr int kSlotComboLeft = 5280;
inline constexpr TwipsBox kSlotComboSize{0, 0, 1815, 285};
inline constexpr TwipsBox kCountSize{0, 0, 615, 270};
inline constexpr int kPlusOffset = 600;   // + and - lie 600 twips right of the box
inline constexpr int kMinusOffset = 135;  // - lies under +
inline constexpr int kPlusMinusSize = 135;

inline constexpr const char* kCountTooltip =
    "キーボードから直接入力してもいいし、横のボタン使ってもいいね";
inline constexpr const char* kPlusTooltip = "直接入力したほうが速いか！？";
inline constexpr const char* kMinusTooltip = "地道に1個づつ減らしていくんだね…";
inline constexpr const char* kDragTooltip =
    "マウス：右クリックでクイックメニュー、左ドラッグで移動";

// What a screen reader calls the controls whose captions say nothing alone: a slot's count
// box (in level mode slot 1's box holds the target level) and the undo button, whose
// caption is the sign Π.
std::string CountBoxName(std::size_t slot, bool levelMode);
inline constexpr const char* kUndoName = "アンドゥ";

// The hidden check boxes that hold the side windows' on/off state.
struct HiddenCheckDesign {
    const char* name;
    const char* caption;
    const char* tooltip;
};

inline constexpr const char* kWindowCaption = "マグ育成シミュレータ TOVIRAN Ver2";

std::span<const FrameDesign> FrameDesigns();
std::span<const OptionDesign> OptionDesigns();
std::span<const LabelDesign> LabelDesigns();
std::span<const ButtonDesign> ButtonDesigns();
std::span<const StatRowDesign, 4> StatRowDesigns();
std::span<const SlotDesign, 4> SlotDesigns();
std::span<const HiddenCheckDesign, 4> HiddenCheckDesigns();

// cmbAwake and the feed-slot combo boxes.
inline constexpr TwipsBox kAwakeBox{2520, 1080, 1815, 285};
inline constexpr const char* kAwakeTooltip = "レアマグへと進化をするのだ…！！";
// chkRenzoku, hidden with the timer display.
inline constexpr TwipsBox kRenzokuBox{3930, 510, 735, 495};
inline constexpr const char* kRenzokuCaption = "連続";
inline constexpr const char* kRenzokuTooltip = "10秒のインターバルの後、再びカウントダウン開始！";

}  // namespace toviran
