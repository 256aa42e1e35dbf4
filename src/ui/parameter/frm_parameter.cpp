#include "ui/parameter/frm_parameter.h"

#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "engine/feed_tables.h"
#include "ui/close_on_escape.h"
#include "ui/digit_filter.h"
#include "ui/fonts.h"
#include "ui/list_pick_combo.h"
#include "ui/parameter/parameter_design.h"
#include "ui/parameter/progress_fill.h"
#include "ui/safe_paste.h"
#include "ui/stat_bar.h"
#include "ui/twips.h"

namespace toviran {
namespace {

namespace design = parameter_design;

QString Text(const char* utf8) {
    return QString::fromUtf8(utf8);
}
QString Text(const std::string& utf8) {
    return QString::fromStdString(utf8);
}

QRect Twips(const design::Box& b) {
    return TwipsRect(b.left, b.top, b.width, b.height);
}

QLabel* NewLabel(QWidget* parent, const char* name, const char* text, design::Spot at) {
    auto* label = new QLabel(Text(text), parent);
    label->setObjectName(Text(name));
    label->move(TwipsPoint(at.left, at.top));
    label->adjustSize();
    return label;
}

QPushButton* NewButton(QWidget* parent, const design::Button& b) {
    auto* button = new QPushButton(Text(b.caption), parent);
    button->setObjectName(Text(b.name));
    button->setGeometry(
        TwipsRect(b.left, design::kButtonTop, design::kButtonWidth, design::kButtonHeight));
    // Enter in a number box must not press a button behind the user's back.
    button->setAutoDefault(false);
    if (b.tip) button->setToolTip(Text(b.tip));
    return button;
}

}  // namespace

frmParameter::frmParameter(MagState& state, Prompter& prompter, DisplayObserver& display,
                           QWidget* owner)
    : QDialog(owner), state_(state), prompter_(prompter), display_(display) {
    setObjectName(QStringLiteral("frmParameter"));
    setWindowTitle(Text(design::kCaption));
    CloseOnEscape(*this);
    setFont(DefaultUiFont());
    setFixedSize(TwipsSize(design::kClientWidth, design::kClientHeight));
    BuildFrame();
    BuildStatRows();
    BuildButtons();
    Form_Load();
    // Connected last, so the design-time texts are not taken for edits.
    ConnectBoxRules();
}

QLineEdit* frmParameter::NewNumberBox(QWidget* parent, const char* name, const char* text,
                                      QRect geometry) {
    auto* box = new QLineEdit(Text(text), parent);
    box->setObjectName(Text(name));
    box->setGeometry(geometry);
    box->setValidator(new DigitFilter(box));
    GuardPaste(*box);
    box->setFont(DesignFont(Text(design::kNumberFont), design::kNumberFontPoints));
    return box;
}

void frmParameter::BuildFrame() {
    Frame2 = new QGroupBox(Text(design::kFrameCaption), this);
    Frame2->setObjectName(QStringLiteral("Frame2"));
    Frame2->setGeometry(Twips(design::kFrame));

    cmbMag = new QComboBox(Frame2);
    cmbMag->setObjectName(QStringLiteral("cmbMag"));
    cmbMag->setGeometry(Twips(design::kNameCombo));
    // Only a pick from the list chooses the name to apply.
    MakeListPickOnly(*cmbMag);
    GuardPaste(*cmbMag);
    for (const std::string_view name : AllMagNames()) {
        cmbMag->addItem(QString::fromUtf8(name.data(), static_cast<qsizetype>(name.size())));
    }
    cmbMag->setEditText(Text(design::kDesignName));

    NewLabel(Frame2, "lblIQ2", "IQ", design::kIqLabel);
    txtIQ = NewNumberBox(Frame2, "txtIQ", design::kIqDesignText, Twips(design::kIqBox));
    NewLabel(Frame2, "lblシン", "シンクロ", design::kSynchroLabel)
        ->setToolTip(Text(design::kSynchroTip));
    txtシンクロ =
        NewNumberBox(Frame2, "txtシンクロ", design::kSynchroDesignText, Twips(design::kSynchroBox));
    // Named for screen readers, which would otherwise call every box by its frame's caption.
    txtIQ->setAccessibleName(QStringLiteral("IQ"));
    txtシンクロ->setAccessibleName(QStringLiteral("シンクロ"));
}

void frmParameter::BuildStatRows() {
    for (std::size_t i = 0; i < design::kStatRows.size(); ++i) {
        const design::StatRow& row = design::kStatRows[i];
        NewLabel(Frame2, row.captionName, row.caption, {design::kStatLabelLeft, row.top});
        StatControls& c = stats_[i];
        c.level = NewNumberBox(Frame2, row.levelBoxName, row.levelDesignText,
                               TwipsRect(design::kLevelBoxLeft, row.top, design::kNumberBoxWidth,
                                         design::kNumberBoxHeight));
        c.bar =
            new StatBar(row.background, row.fill, {design::kBarWidth, design::kBarHeight}, Frame2);
        c.bar->setObjectName(Text(row.barName));
        c.bar->Fill().setObjectName(Text(row.fillName));
        c.bar->move(TwipsPoint(design::kBarLeft, row.top));
        if (row.barTip) {
            c.bar->setToolTip(Text(row.barTip));
            c.bar->Fill().setToolTip(Text(row.barTip));
        }
        c.progress = NewNumberBox(Frame2, row.progressBoxName, design::kProgressDesignText,
                                  TwipsRect(design::kProgressBoxLeft, row.progressTop,
                                            design::kNumberBoxWidth, design::kNumberBoxHeight));
        c.level->setAccessibleName(Text(row.caption) + QStringLiteral("のレベル"));
        c.progress->setAccessibleName(Text(row.caption) + QStringLiteral("の進み具合"));
        NewLabel(Frame2, "lbl100", design::kPer100Text, {design::kPer100Left, row.top});
    }
}

void frmParameter::BuildButtons() {
    cmdCopy = NewButton(this, design::kCopyButton);
    cmdDo = NewButton(this, design::kApplyButton);
    cmdClose = NewButton(this, design::kCloseButton);
}

void frmParameter::ConnectBoxRules() {
    connect(cmbMag, &QComboBox::activated, this, [this](int index) { cmbMag_Click(index); });
    for (QLineEdit* box : {txtIQ, txtシンクロ}) {
        connect(box, &QLineEdit::textChanged, this, [this, box] { NumberBox_Change(*box); });
    }
    for (const StatControls& c : stats_) {
        connect(c.level, &QLineEdit::textChanged, this,
                [this, box = c.level] { NumberBox_Change(*box); });
        connect(c.progress, &QLineEdit::textChanged, this,
                [this, box = c.progress, bar = c.bar] { ProgressBox_Change(*box, *bar); });
    }
    connect(cmdCopy, &QPushButton::clicked, this, [this] { cmdCopy_Click(); });
    connect(cmdDo, &QPushButton::clicked, this, [this] { cmdDo_Click(); });
    connect(cmdClose, &QPushButton::clicked, this, [this] { cmdClose_Click(); });
}

void frmParameter::Form_Load() {
    ParameterMagName = design::kDesignName;
}

void frmParameter::cmbMag_Click(int index) {
    ParameterMagName = cmbMag->itemText(index).toStdString();
}

void frmParameter::NumberBox_Change(QLineEdit& box) {
    const QString fixed = Text(LevelBoxText(box.text().toStdString()));
    if (fixed != box.text()) box.setText(fixed);
}

void frmParameter::ProgressBox_Change(QLineEdit& box, StatBar& bar) {
    const std::string typed = box.text().toStdString();
    const QString fixed = Text(ProgressBoxText(typed));
    if (fixed != box.text()) {
        box.setText(fixed);  // the change this raises draws the bar
        return;
    }
    bar.SetFillTwips(ProgressBoxFillTwips(typed, bar.WidthTwips()));
}

void frmParameter::cmdCopy_Click() {
    txtIQ->setText(QString::number(state_.IQ));
    txtシンクロ->setText(QString::number(state_.Synchro));
    cmbMag->setEditText(Text(state_.MagName));
    ParameterMagName = state_.MagName;
    for (std::size_t i = 0; i < stats_.size(); ++i) {
        const StatKind stat = design::kStatRows[i].stat;
        const StatControls& c = stats_[i];
        const int progress = StatProgress(state_, stat);
        c.level->setText(QString::number(StatLevel(state_, stat)));
        c.progress->setText(QString::number(progress));
        // Drawn as the main window draws it, so 0 leaves the bar empty.
        c.bar->SetFillTwips(BarFillWidth(static_cast<float>(c.bar->WidthTwips()), progress));
    }
}

ParameterInput frmParameter::ReadInput() const {
    ParameterInput in;
    in.name = ParameterMagName;
    for (std::size_t i = 0; i < stats_.size(); ++i) {
        in.levelText[i] = stats_[i].level->text().toStdString();
        in.progressText[i] = stats_[i].progress->text().toStdString();
    }
    in.iqText = txtIQ->text().toStdString();
    in.synchroText = txtシンクロ->text().toStdString();
    return in;
}

void frmParameter::cmdDo_Click() {
    if (ApplyParameters(state_, ReadInput(), prompter_, display_)) accept();
}

void frmParameter::cmdClose_Click() {
    reject();
}

}  // namespace toviran
