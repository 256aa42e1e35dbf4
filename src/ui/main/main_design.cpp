#include "ui/main/main_design.h"

namespace toviran {
namespace {

constexpr Rgb kWhiteText{255, 255, 255};
constexpr Rgb kClassColour{192, 255, 255};
constexpr Rgb kParityColour{192, 255, 192};
constexpr FontDesign kTitleFont{"Times New Roman", 18, true, true};
constexpr FontDesign kVersionFont{"Times New Roman", 18, false, true};
constexpr FontDesign kTimerFont{"Times New Roman", 36};

constexpr std::array<FrameDesign, 3> kFrames{{
    {"Frame3", {120, 120, 2055, 615}, "JOB", nullptr},
    {"Frame1", {120, 840, 2055, 615}, "ID", "キャラのIDを選んでね"},
    {"Frame2", {120, 1560, 4455, 1815}, "パラメータ", kDragTooltip},
}};

constexpr std::array<OptionDesign, 7> kOptions{{
    {"optHun", Container::Frame3, {120, 240, 615, 255}, "HU", kClassColour, "突き進め！", true},
    {"optRan",
     Container::Frame3,
     {720, 240, 615, 255},
     "RA",
     kClassColour,
     "撃ちまくれっ！",
     false},
    {"optFor", Container::Frame3, {1320, 240, 615, 255}, "FO", kClassColour, "ふきとばせ！", false},
    {"optID0",
     Container::Frame1,
     {120, 240, 855, 255},
     "偶数ID",
     kParityColour,
     "VIRIDIA SKYLY PURPLENUM REDRIA YELLOWBOZE",
     true},
    {"optID1",
     Container::Frame1,
     {1080, 240, 855, 255},
     "奇数ID",
     kParityColour,
     "GREENNILL BLUEFULL PINKAL ORAN WHITLL",
     false},
    {"optKazu",
     Container::Window,
     {4800, 1920, 735, 255},
     "個数",
     kClassColour,
     "いくつえさを食べさせるかを決めるんだ",
     true},
    {"optLv",
     Container::Window,
     {4800, 2280, 495, 255},
     "Lv",
     kClassColour,
     "青ボックスの数のLvまでえさを与えつづけるんだよ♪",
     false},
}};

// Label2 comes first so that it lies behind the feed-slot controls built after it.
constexpr std::array<LabelDesign, 13> kLabels{{
    {"Label2",
     Container::Window,
     {4680, 120, 2535, 3255},
     "",
     kWhiteText,
     TextAlign::Left,
     kDragTooltip},
    {"lblMag",
     Container::Frame2,
     {615, 360, 405, 195},
     "マグ",
     kWhiteText,
     TextAlign::Centre,
     "Ver2マグの時にここをクリックするとVer1にコンバートできるゾ",
     kPopFontS9},
    {"lblLevel", Container::Frame2, {240, 840, 495, 255}, "Level", kCaptionColour},
    {"lblLv", Container::Frame2, {960, 840, 375, 255}, "5", kValueColour, TextAlign::Right},
    {"lblIQ2", Container::Frame2, {240, 1200, 375, 255}, "IQ", kCaptionColour},
    {"lblIQ", Container::Frame2, {960, 1200, 375, 255}, "0", kValueColour, TextAlign::Right},
    {"lblシン",
     Container::Frame2,
     {240, 1440, 615, 255},
     "シンクロ",
     kCaptionColour,
     TextAlign::Left,
     "シンクロニシティ3部作（笑）"},
    {"lblシンクロ", Container::Frame2, {960, 1440, 375, 255}, "40", kValueColour, TextAlign::Right},
    {"Label1", Container::Frame2, {1440, 1440, 90, 180}, "%", kWhiteText},
    // The program's name TOVIRAN, split in two: a white "TO" and a grey "VIRAN".
    {"lblTitle2",
     Container::Window,
     {2640, 360, 1485, 420},
     "VIRAN",
     {128, 128, 128},
     TextAlign::Centre,
     nullptr,
     kTitleFont},
    {"lblTitle",
     Container::Window,
     {2520, 240, 810, 420},
     "TO",
     kWhiteText,
     TextAlign::Left,
     nullptr,
     kTitleFont},
    {"lblTitle3",
     Container::Window,
     {3600, 480, 855, 375},
     "Ver2",
     {255, 255, 0},
     TextAlign::Left,
     nullptr,
     kVersionFont},
    {"lblTimer",
     Container::Window,
     {2760, 240, 1095, 825},
     "200",
     {255, 0, 0},
     TextAlign::Centre,
     "0になったら音が鳴るんだよ",
     kTimerFont,
     false},
}};

constexpr std::array<ButtonDesign, 4> kButtons{{
    {"cmdUndo", {4800, 2760, 375, 375}, "Π", "[UNDOボタン]一つ前の状態にもどるといいな", false},
    {"cmdTake", {5160, 2760, 975, 375}, "与える(&T)", "マグに食べさせます　もぐもぐ"},
    {"cmdExit", {6120, 2760, 975, 375}, "Exit(&X)", "さようなら旅の人　お気をつけて"},
    {"cmdTimer",
     {3960, 240, 615, 255},
     "Go",
     "タイマー始動！動き出したら止まらない！",
     true,
     false},
}};

constexpr std::array<StatRowDesign, 4> kStatRows{{
    {StatKind::Def,
     360,
     "lblD",
     "lblDEF",
     "picDEF",
     "picDEF2",
     "lblDEF2",
     0,
     "DEF",
     {0, 0, 192},
     {128, 128, 255},
     {0, 0, 255},
     "DEF：数値×１がプレイヤーに反映",
     "5"},
    {StatKind::Pow,
     720,
     "lblP",
     "lblPOW",
     "picPOW",
     "picPOW2",
     "lblPOW2",
     2,
     "POW",
     {255, 0, 0},
     {255, 128, 128},
     {255, 0, 0},
     "POW：数値×２がプレイヤーに反映",
     "0"},
    {StatKind::Dex,
     1080,
     "lblDX",
     "lblDEX",
     "picDEX",
     "picDEX2",
     "lblDEX2",
     1,
     "DEX",
     {255, 255, 0},
     {255, 255, 192},
     {255, 255, 0},
     "DEX：数値÷２がプレイヤーに反映",
     "0"},
    {StatKind::Mind,
     1440,
     "lblM",
     "lblMIND",
     "picMIND",
     "picMIND2",
     "lblMIND2",
     3,
     "MIND",
     {0, 192, 0},
     {192, 255, 192},
     {0, 255, 0},
     "MIND：数値×２がプレイヤーに反映",
     "0"},
}};

constexpr std::array<SlotDesign, 4> kSlots{{
    {"chk1",
     "1",
     360,
     "このチェックをはずさせるわけにはいかねぇな（笑）",
     "cmbEsa",
     "モノメイトって何味さ？",
     "Text1",
     5520,
     1920,
     "cmdPlus0",
     "cmdMinus0",
     {192, 192, 255}},
    {"chk2",
     "2",
     720,
     "ここをチェックすれば２つめのえさを選べるのだ",
     "cmbEsa1",
     "２つめに与えるえさっす",
     "Text2",
     6360,
     1920,
     "cmdPlus1",
     "cmdMinus1",
     {255, 192, 192}},
    {"chk3",
     "3",
     1080,
     "ここをチェックすれば３つめのえさを選べるのだ",
     "cmbEsa2",
     "メイト・フルイドはアイテム欄の説明から察するに液体らしい",
     "Text3",
     5520,
     2280,
     "cmdPlus2",
     "cmdMinus2",
     {255, 255, 192}},
    {"chk4",
     "4",
     1440,
     "ここをチェックすれば４つめのえさを選べるのだ",
     "cmbEsa3",
     "アトマイザーは香水なんだってさ",
     "Text4",
     6360,
     2280,
     "cmdPlus3",
     "cmdMinus3",
     {192, 255, 192}},
}};

constexpr std::array<HiddenCheckDesign, 4> kHiddenChecks{{
    {"chkTimer", "えさ時計(&T)", "200秒を計測します。やっぱり必要みたい＾＾"},
    {"chkMag", "マグ特性(&M)", "マグの特徴を見ておこう！＞∇＜/"},
    {"chkRireki", "えさ履歴(&E)", "何を食べたのか一目瞭然！"},
    {"chkPlanner", "えさプランナー(&L)", "目標のマグへの一番の近道を探します"},
}};

}  // namespace

std::span<const FrameDesign> FrameDesigns() {
    return kFrames;
}
std::span<const OptionDesign> OptionDesigns() {
    return kOptions;
}
std::span<const LabelDesign> LabelDesigns() {
    return kLabels;
}
std::span<const ButtonDesign> ButtonDesigns() {
    return kButtons;
}
std::span<const StatRowDesign, 4> StatRowDesigns() {
    return kStatRows;
}
std::span<const SlotDesign, 4> SlotDesigns() {
    return kSlots;
}
std::span<const HiddenCheckDesign, 4> HiddenCheckDesigns() {
    return kHiddenChecks;
}

std::string CountBoxName(std::size_t slot, bool levelMode) {
    if (levelMode && slot == 0) return "目標のレベル";
    return "えさ" + std::to_string(slot + 1) + "の個数";
}

}  // namespace toviran
