#include "ui/data/catalogue.h"

#include <algorithm>
#include <array>

namespace toviran {
namespace {

// In the how-to-get texts P, D, M stand for POW, DEX, MIND, 偶/奇 for even/odd section
// ID, ハ/レ/フ for hunter/ranger/force and 全 for every class (the window's legend).
// The texts are the game's own and are kept exactly, including the full-width "１" in
// "Lv１00", the ideographic space in ピアン's text, the blank closing バーナ's first line
// and ヴァーユ's "Lv34".
constexpr std::array<CatalogEntry, 57> kCatalogue{{
    {"マグ", "MAG", "-", SupportPattern::NNNN, "初めから持っている/坑道"},
    {"ヴァルナ", "VARUNA", "ファーラ", SupportPattern::MNNS, "Lv10～34/ハンター"},
    {"カルキ", "KALKI", "エストラ", SupportPattern::MNNS, "Lv10～34/レンジャー"},
    {"ヴリトラ", "VRITRA", "レイラ", SupportPattern::MNNR, "Lv10～34/フォース"},
    {"ルドラ", "RUDRA", "ゴウラ", SupportPattern::MRNS, "Lv35～49/ハ P≧D≧M or P≧M＞D or D＝M＞POW"},
    {"マルト", "MARUTAH", "パイラ", SupportPattern::MSNN, "Lv35～49/ハ D＞P＞M or D＞M≧P"},
    {"ヴァーユ", "VAYU", "マイラ＆ユウラ", SupportPattern::MRNR, "Lv34～49/ハ M＞P≧D or M＞D＞P"},
    {"スーリヤ", "SURYA", "ゴウラ", SupportPattern::MRNS, "Lv35～49/レ P＞D≧M or P＞M＞D"},
    {"ミトラ", "MITRA", "パイラ", SupportPattern::MSNN, "Lv35～49/レ D≧P≧M or D≧M＞P or P＝M＞D"},
    {"タパス", "TAPAS", "マイラ＆ユウラ", SupportPattern::MRNR, "Lv35～49/レ M＞P≧D or M＞D＞P"},
    {"シュムバ", "SUMBA", "ゴウラ", SupportPattern::MRNS, "Lv35～49/フ P＞D≧M or P＞M＞D"},
    {"アシヴィン", "ASHVINAU", "パイラ", SupportPattern::MSNN, "Lv35～49/フ D＞P≧M or D＞M＞P"},
    {"ナムチ", "NAMUCI", "マイラ＆ユウラ", SupportPattern::MRNR,
     "Lv35～49/フ M≧P≧D or M≧D＞P or D＝P≧M"},
    {"ヴァラーハ", "VARAHA", "ゴウラ", SupportPattern::MRRS, "Lv50～/偶ハ P≧D≧M or D＝M＞P"},
    {"バイラヴァ", "BHIRAVA", "パイラ", SupportPattern::MRRS,
     "Lv50～/偶ハ P≧M＞D/奇フ D＞M≧P\r\n偶レ P＞M＞D or D≧P＞M"},
    {"イラー", "ILA", "マイラ＆ユウラ", SupportPattern::NRRS, "Lv50～/偶ハ D＞P＞M/奇フ M≧D＞P"},
    {"ナンディン", "NANDIN", "エストラ", SupportPattern::MMRM, "Lv50～/偶ハ D＞M≧P"},
    {"カバンダ", "KABANDA", "マイラ＆ユウラ", SupportPattern::MSRS,
     "Lv50～/偶ハ M＞P≧D/奇レ M＞P≧D/偶フ M≧D＞P"},
    {"ウシャス", "USHASU", "ゴウラ", SupportPattern::MRRS, "Lv50～/偶ハ M＞D＞P"},
    {"カーマ", "KAMA", "パイラ", SupportPattern::NSRS,
     "Lv50～/奇ハ P≧D≧M or D＝M＞P\r\n偶レ P＞D≧M or D≧M≧P or P＝M＞D"},
    {"アプサラス", "APSARAS", "エストラ", SupportPattern::MMRM, "Lv50～/奇ハ P≧M＞D/偶レ M＞D＞P"},
    {"ガルダ", "GARUDA", "パイラ", SupportPattern::RRRR, "Lv50～/奇ハ D＞P＞M/奇フ D＞P＞M"},
    {"ヤクシャ", "YAKSA", "ゴウラ", SupportPattern::MRRS, "Lv50～/奇ハ D＞M≧P"},
    {"バーナ", "BANA", "エストラ", SupportPattern::MMRM,
     "Lv50～/奇ハ M＞P≧D/全フ D≧P≧M or M＞D≧P \r\nor D≧M＞P or M≧P＞D(DEF45以上)"},
    {"ソーマ", "SOMA", "エストラ", SupportPattern::MMRM, "Lv50～/奇ハ M＞D＞P"},
    {"マドゥ", "MADU", "マイラ＆ユウラ", SupportPattern::MRRS, "Lv50～/奇レ P＞D≧M"},
    {"カイタバ", "KAITABHA", "マイラ＆ユウラ", SupportPattern::MRRS,
     "Lv50～/奇レ P＞M＞D or D≧P＞M"},
    {"ドゥルガー", "DULGER", "エストラ", SupportPattern::MMRM, "Lv50～/奇レ M＞D＞P"},
    {"ナラカ", "NARAKA", "ゴウラ", SupportPattern::RRRR, "Lv50～/偶フ P＞D≧M"},
    {"ラーヴァナ", "RAVANA", "ファーラ", SupportPattern::MSRS, "Lv50～/偶フ P＞M＞D"},
    {"アンダカ", "ANDHAKA", "エストラ", SupportPattern::MRRS,
     "Lv50～/全フ P＞D≧M or P＞M＞D(DEF45以上)"},
    {"リヴ", "RIBHAVA", "ファーラ", SupportPattern::MMRM, "Lv50～/偶フ D＞P＞M"},
    {"シーター", "SITA", "パイラ", SupportPattern::MRRS, "Lv50～/偶フ D＞M≧P"},
    {"ナーガ", "NAGA", "マイラ＆ユウラ", SupportPattern::NSRS,
     "Lv50～/偶フ M≧P≧D or P＝D＞M/奇フ P＞M＞D"},
    {"マーリーチャ", "MARICA", "パイラ", SupportPattern::MRRS, "Lv50～/奇フ P＞D≧M"},
    {"クマーラ", "KUMARA", "ゴウラ", SupportPattern::RRRR, "Lv50～/奇フ M≧P≧D or P＝D＞M"},
    {"チュレル", "CHUREL", "-", SupportPattern::SSRS,
     "偶数IDで「マグ細胞213」を使う\r\n使用条件：マグLv１00以上"},
    {"プレタ", "PRETA", "-", SupportPattern::RRRR,
     "奇数IDで「マグ細胞213」を使う\r\n使用条件：マグLv１00以上"},
    {"ソニチ", "SONITI", "-", SupportPattern::MMRM,
     "偶数IDで「マグ細胞502」を使う\r\n使用条件：マグLv１00以上"},
    {"ピトリ", "PITRI", "-", SupportPattern::RRRR,
     "奇数IDで「マグ細胞502」を使う\r\n使用条件：マグLv１00以上"},
    {"オパオパ", "OPA-OPA", "-", SupportPattern::MRRS,
     "「オパオパの心」を使う\r\n使用条件：マグLv１00以上"},
    {"ピアン", "PIAN", "-", SupportPattern::MRRS,
     "「ピアンの心」を使う\r\n使用条件：シンクロ110%以上　IQ180以上"},
    {"チャオ", "CHAO", "-", SupportPattern::MRRS,
     "「チャオの心」を使う\r\n使用条件：DEF POW DEX MIND が全て35以上"},
    {"オモチャオ", "ROBOCHAO", "-", SupportPattern::MRRS,
     "「オモチャオのパーツ」を使う\r\n使用条件：DEF POW DEX MIND のいずれか2つが70以上"},
    {"マーク３", "SEGA MARK 3", "-", SupportPattern::NNNN,
     "DLクエスト【セントラルドームの炎渦】\r\n必要アイテム/過去の栄光"},
    {"マスターシステム", "MASTER SYSTEM", "エストラ", SupportPattern::MNNS,
     "オンラインクエスト【未来へ向かって】\r\n必要アイテム/マーク３＋ＦＭ音源"},
    {"メガドライブ", "GENESIS", "マイラ＆ユウラ", SupportPattern::MRNS,
     "オンラインクエスト【未来へ向かって】\r\n必要アイテム/マスターシステム＋68000"},
    {"セガサターン", "SEGA SATURN", "パイラ", SupportPattern::MRRS,
     "オンラインクエスト【未来へ向かって】\r\n必要アイテム/メガドライブ＋SH2(2つ)"},
    {"ドリームキャスト", "DREAM CAST", "ファーラ", SupportPattern::MRRS,
     "オンラインクエスト【未来へ向かって】\r\n必要アイテム/セガサターン＋パワーVR＋モデム＋SH4"},
    {"ハンバーガー", "HAMBURGER", "-", SupportPattern::NRRS, "DLクエスト【夕焼けの秘密基地】"},
    {"天使のハネ", "ANGEL'S WING", "-", SupportPattern::NMRS, "DLクエスト【夕焼けの秘密基地】"},
    {"悪魔のハネ", "DEVIL'S WING", "-", SupportPattern::NRRS, "DLクエスト【夕焼けの秘密基地】"},
    {"チュウチュウ", "CHU CHU", "-", SupportPattern::NMRS, "DLクエスト【夕焼けの秘密基地】"},
    {"カプカプ", "KAPU KAPU", "-", SupportPattern::NRRS, "DLクエスト【夕焼けの秘密基地】"},
    {"パンサーテイル", "PANTHER TAIL", "-", SupportPattern::NMRS,
     "オンラインクエスト【未来へ向かって】\r\n必要アイテム/ウエポンズバッジアルミ(7つ)"},
    {"悪魔のシッポ", "DEVIL'S TAIL", "-", SupportPattern::NMRS, "今のところ無理のようでござります"},
    {"エルノア", "ELENOR", "-", SupportPattern::NMRS,
     "DLクエスト【鋼の魂】で見ることは可能ですが…"},
}};

}  // namespace

std::span<const CatalogEntry> Catalogue() {
    return kCatalogue;
}

const CatalogEntry* FindCatalogEntry(std::string_view listName) {
    const auto it = std::find_if(kCatalogue.begin(), kCatalogue.end(),
                                 [&](const CatalogEntry& e) { return e.listName == listName; });
    return it == kCatalogue.end() ? nullptr : &*it;
}

}  // namespace toviran
