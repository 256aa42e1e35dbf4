#include "ui/data/mag_catalog_window.h"

#include <QCloseEvent>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <algorithm>
#include <array>

#include "engine/feed_tables.h"
#include "ui/close_on_escape.h"
#include "ui/data/catalogue.h"
#include "ui/data/data_window_font.h"
#include "ui/list_pick_combo.h"
#include "ui/safe_paste.h"
#include "ui/twips.h"

namespace toviran {
namespace {

// lblGet is centred on this x (twips, in its frame) however wide its text makes it.
constexpr int kHowToGetCentre = 1260 + 1815 / 2;
constexpr int kHowToGetTop = 240;

constexpr const char* kLegendTip =
    "【偶=偶数ID 奇=奇数ID】【ハ=ハンター レ=レンジャー フ=フォース】";

struct TriggerRow {
    const char* captionName;
    const char* caption;
    const char* valueName;
    int top;
};
constexpr std::array<TriggerRow, 4> kTriggers{{
    {"Label2", "PBゲージフル", "lblPB", 240},
    {"Label3", "HP1/10以下", "lblHinshi", 480},
    {"Label4", "戦闘不能", "lblDeath", 720},
    {"Label5", "ボス戦", "lblBoss", 960},
}};
constexpr int kTriggerCaptionLeft = 120;
constexpr int kTriggerValueLeft = 1440;

QString FromView(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

// A frame whose border runs through the middle of its title, so that contents placed a
// title's height below the frame's top edge are inside the border.
constexpr const char* kFrameStyle =
    "QGroupBox { border: 1px solid palette(mid); margin-top: 0.5em; }"
    "QGroupBox::title { subcontrol-origin: margin; left: 6px; padding: 0 2px; }";

QGroupBox* AddFrame(QWidget* parent, const char* name, const char* title, QRect twipsRect) {
    auto* frame = new QGroupBox(QString::fromUtf8(title), parent);
    frame->setObjectName(QString::fromUtf8(name));
    frame->setStyleSheet(QString::fromUtf8(kFrameStyle));
    frame->setFont(parent->font());
    frame->setGeometry(twipsRect);
    return frame;
}

void SetAutoSizedText(QLabel* label, const QString& text) {
    label->setText(text);
    label->adjustSize();
}

}  // namespace

MagCatalogWindow::MagCatalogWindow(const MagState& mag, std::function<void()> onClosed,
                                   QWidget* owner)
    // A tool window stays above its owner and is minimised and restored with it.
    : QWidget(owner, Qt::Tool), onClosed_(std::move(onClosed)) {
    setObjectName(QStringLiteral("frmMagMag"));
    setWindowTitle(QStringLiteral("マグのとくちょう"));
    CloseOnEscape(*this);
    setAttribute(Qt::WA_DeleteOnClose);
    setFont(DataWindowFont());
    setFixedSize(TwipsSize(kClientWidthTwips, kClientHeightTwips));
    BuildControls();

    // Form_Load: the current mag's entry, read once.
    SelectedMagName_ = mag.MagName;
    const QString name = QString::fromStdString(mag.MagName);
    cmbMagMag_->setCurrentIndex(cmbMagMag_->findText(name, Qt::MatchExactly));
    cmbMagMag_->setEditText(name);
    処理();
}

void MagCatalogWindow::BuildControls() {
    cmbMagMag_ = new QComboBox(this);
    cmbMagMag_->setObjectName(QStringLiteral("cmbMagMag"));
    MakeListPickOnly(*cmbMagMag_);
    GuardPaste(*cmbMagMag_);
    for (const CatalogEntry& entry : Catalogue()) cmbMagMag_->addItem(FromView(entry.listName));
    cmbMagMag_->setEditText(QStringLiteral("マグ"));
    cmbMagMag_->setToolTip(QStringLiteral("種類を選ぶのだ！"));
    cmbMagMag_->setGeometry(TwipsRect(120, 120, 1815, 300));
    connect(cmbMagMag_, &QComboBox::activated, this, &MagCatalogWindow::cmbMagMag_Click);

    lblName_ = AddLabel(this, "lblName", QStringLiteral("MAG"), 240, 480);
    lblName_->resize(TwipsToPixels(1650),
                     std::max(TwipsToPixels(165), lblName_->sizeHint().height()));

    QGroupBox* frame1 = AddFrame(this, "Frame1", "Photn Blast", TwipsRect(120, 720, 1815, 615));
    lblBlast_ = AddLabel(frame1, "lblBlast", QStringLiteral("-"), 240, 240);
    lblBlast_->setToolTip(
        QStringLiteral("フォトンミラージュを呼び出すことをフォトンブラストと呼ぶのでした"));

    QGroupBox* frame2 = AddFrame(this, "Frame2", "サポート", TwipsRect(2040, 0, 2415, 1335));
    std::array<QLabel*, 4> values{};
    for (std::size_t i = 0; i < kTriggers.size(); ++i) {
        const TriggerRow& row = kTriggers[i];
        AddLabel(frame2, row.captionName, QString::fromUtf8(row.caption), kTriggerCaptionLeft,
                 row.top);
        values[i] =
            AddLabel(frame2, row.valueName, QStringLiteral("-"), kTriggerValueLeft, row.top);
    }
    lblPB_ = values[0];
    lblHinshi_ = values[1];
    lblDeath_ = values[2];
    lblBoss_ = values[3];

    QGroupBox* frame3 =
        AddFrame(this, "Frame3", "入手条件（P=POW D=DEX M=MIND）", TwipsRect(120, 1320, 4335, 615));
    frame3->setToolTip(QString::fromUtf8(kLegendTip));
    lblGet_ = AddLabel(frame3, "lblGet", QString(), 0, kHowToGetTop);
    lblGet_->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    lblGet_->setToolTip(QString::fromUtf8(kLegendTip));
    ShowHowToGet(QStringLiteral("初めから持っている/坑道"));
}

QLabel* MagCatalogWindow::AddLabel(QWidget* container, const char* name, const QString& text,
                                   int left, int top) {
    auto* label = new QLabel(text, container);
    label->setObjectName(QString::fromUtf8(name));
    // Set on every label: inside a frame's style sheet the window font is not inherited.
    label->setFont(font());
    label->move(TwipsPoint(left, top));
    label->adjustSize();
    return label;
}

void MagCatalogWindow::PickMag(const QString& listName) {
    const int index = cmbMagMag_->findText(listName, Qt::MatchExactly);
    if (index < 0) return;
    cmbMagMag_->setCurrentIndex(index);
    cmbMagMag_Click(index);
}

void MagCatalogWindow::cmbMagMag_Click(int index) {
    SelectedMagName_ = cmbMagMag_->itemText(index).toStdString();
    処理();
}

void MagCatalogWindow::処理() {
    const CatalogEntry* entry = FindCatalogEntry(SelectedMagName_);
    if (entry == nullptr) return;  // not a mag form: nothing to show, keep what is shown
    lblName_->setText(FromView(entry->englishName));
    SetAutoSizedText(lblBlast_, FromView(entry->photonBlast));
    ShowHowToGet(FromView(entry->howToGet));
    ShowSupport(entry->support);
    EType(FeedTableNoForName(entry->listName));
}

void MagCatalogWindow::ShowSupport(SupportPattern pattern) {
    const SupportTexts texts = SupportTextsOf(pattern);
    SetAutoSizedText(lblPB_, FromView(texts.pbGaugeFull));
    SetAutoSizedText(lblHinshi_, FromView(texts.nearDeath));
    SetAutoSizedText(lblDeath_, FromView(texts.death));
    SetAutoSizedText(lblBoss_, FromView(texts.boss));
}

void MagCatalogWindow::ShowHowToGet(const QString& text) {
    SetAutoSizedText(lblGet_, text);
    lblGet_->move(TwipsToPixels(kHowToGetCentre) - lblGet_->width() / 2, lblGet_->y());
}

void MagCatalogWindow::EType(int tableNo) {
    FeedTable().Fill(tableNo);
}

FeedTableWindow& MagCatalogWindow::FeedTable() {
    if (frmEsa_ == nullptr) frmEsa_ = new FeedTableWindow(this);
    return *frmEsa_;
}

void MagCatalogWindow::closeEvent(QCloseEvent* event) {
    // Form_Unload: the feed-table window goes with the catalogue, then the main window
    // learns that the catalogue is gone.
    if (frmEsa_ != nullptr) {
        frmEsa_->hide();
        frmEsa_->deleteLater();
        frmEsa_ = nullptr;
    }
    event->accept();
    if (onClosed_) onClosed_();
}

}  // namespace toviran
