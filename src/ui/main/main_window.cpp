#include "ui/main/main_window.h"

#include <QCloseEvent>
#include <QLayout>
#include <QLineEdit>
#include <QMenuBar>

#include "engine/conversion.h"
#include "engine/rare_evolution.h"
#include "engine/undo.h"
#include "ui/combo_wheel_guard.h"
#include "ui/fonts.h"
#include "ui/main/app_icon.h"
#include "ui/main/main_builder.h"
#include "ui/main/main_design.h"
#include "ui/main/main_window_commands.h"
#include "ui/main/menu_shortcuts.h"
#include "ui/main/side_windows_minimize.h"
#include "ui/main/slot_rotation.h"
#include "ui/parameter/open_parameter_window.h"
#include "ui/window_place.h"

namespace toviran {
namespace {

QString Number(int value) {
    return QString::number(value);
}

// The control's own enabled state, whatever its parents' (a run tests the count boxes).
bool OwnEnabled(const QWidget* w) {
    return w->isEnabledTo(w->parentWidget());
}

CheckValue ValueOf(const QCheckBox* box) {
    switch (box->checkState()) {
        case Qt::Checked:
            return CheckValue::Checked;
        case Qt::PartiallyChecked:
            return CheckValue::Grey;
        case Qt::Unchecked:
            break;
    }
    return CheckValue::Unchecked;
}

// The feed-slot controls of slots 2 to 4 that level mode hides, in their design order.
std::vector<QWidget*> LevelModeHidden(const MainControls& c) {
    std::vector<QWidget*> hidden;
    for (std::size_t i = 1; i < 4; ++i) hidden.push_back(c.feedSlots[i].item);
    for (std::size_t i = 1; i < 4; ++i) hidden.push_back(c.feedSlots[i].check);
    for (std::size_t i = 1; i < 4; ++i) hidden.push_back(c.feedSlots[i].count);
    for (std::size_t i = 1; i < 4; ++i) hidden.push_back(c.feedSlots[i].plus);
    for (std::size_t i = 1; i < 4; ++i) hidden.push_back(c.feedSlots[i].minus);
    return hidden;
}

// FeedName1..FeedName4 by slot index 0..3.
template <typename State>
auto& FeedNameField(State& s, std::size_t slot) {
    switch (slot) {
        case 1:
            return s.FeedName2;
        case 2:
            return s.FeedName3;
        case 3:
            return s.FeedName4;
        default:
            return s.FeedName1;
    }
}

}  // namespace

frmMain::frmMain(MagState& state, Platform& platform, QWidget* parent)
    : QMainWindow(parent, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                              Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                              Qt::WindowCloseButtonHint),
      state_(state),
      platform_(platform),
      txtRireki_(*this),
      saver_(platform.fileDialog, platform.messages),
      rirekiFrameWait_(new FrameWait(this)) {
    state_ = MagState{};  // Form_Load
    // Before any combo box exists, so that it is guarded from the start.
    new ComboWheelGuard(this);
    setObjectName(QStringLiteral("frmMain"));
    setWindowTitle(QString::fromUtf8(kWindowCaption));
    setWindowIcon(AppIcon());
    setFont(DefaultUiFont());
    c_ = BuildMainControls(*this);
    new MenuShortcuts(*menuBar(), this);
    new SideWindowsFollowMinimize(*this);
    QPalette p = c_.client->palette();
    p.setColor(QPalette::Window, ToQColor(kWindowBackground));
    c_.client->setPalette(p);
    layout()->setSizeConstraint(QLayout::SetFixedSize);
    ConnectHandlers();
    ConnectWindowCommands(*this);
}

// History windows, also one whose deletion is still pending, give the box back before it
// goes.
frmMain::~frmMain() {
    for (QObject* child : QObjectList(children())) {
        if (auto* window = dynamic_cast<frmRireki*>(child)) delete window;
    }
}

void frmMain::ConnectHandlers() {
    QCheckBox* chk1 = c_.feedSlots[0].check;
    connect(chk1, &QCheckBox::stateChanged, this, [chk1](int value) {
        if (value == Qt::Unchecked) chk1->setChecked(true);  // slot 1 is always fed
    });
    for (std::size_t i = 0; i < c_.feedSlots.size(); ++i) ConnectSlot(i);
    for (QRadioButton* option : {c_.optHun, c_.optRan, c_.optFor, c_.optID0, c_.optID1}) {
        connect(option, &QRadioButton::toggled, this, [this](bool on) {
            if (on) emit ClassOrIdChanged();
        });
    }
    connect(c_.optKazu, &QRadioButton::toggled, this, [this](bool on) {
        if (on) SetMode(FeedMode::Count);
    });
    connect(c_.optLv, &QRadioButton::toggled, this, [this](bool on) {
        if (on) SetMode(FeedMode::Level);
    });
    connect(c_.cmdTake, &QPushButton::clicked, this, [this] { cmdTake_Click(); });
    connect(c_.cmdUndo, &QPushButton::clicked, this, [this] { cmdUndo_Click(); });
    connect(c_.cmbAwake, &QComboBox::activated, this, [this](int i) { cmbAwake_Click(i); });
    c_.lblMag->setClickHandler([this] { lblMag_Click(); });
    connect(c_.menu.mnuVer2, &QAction::triggered, this, [this] { lblMag_Click(); });
    connect(c_.menu.mnuNew, &QAction::triggered, this, [this] { mnuNew_Click(); });
    connect(c_.menu.mnuSave, &QAction::triggered, this, [this] { mnuSave_Click(); });
    connect(c_.chkRireki, &QCheckBox::stateChanged, this, [this] { chkRireki_Click(); });
    connect(c_.menu.mnuEsaRireki, &QAction::triggered, this, [this] { mnuEsaRireki_Click(); });
    connect(c_.menu.mnuFormat, &QAction::triggered, this, [this] {
        OpenParameterWindow(*this, state_, platform_.messages, *this, OpenRireki());
    });
}

void frmMain::ConnectSlot(std::size_t index) {
    const FeedSlotControls& slot = c_.feedSlots[index];
    if (index > 0) {
        connect(slot.check, &QCheckBox::stateChanged, this, [this] { ローテーション(); });
    }
    // cmbEsa_Click ...: picking an entry, by the user or from code, names the slot's item.
    // The box then shows the start of the name: the long ones do not fit.
    QComboBox* combo = slot.item;
    const auto pick = [this, combo, index](int i) {
        if (i < 0) return;
        FeedNameField(state_, index) = combo->itemText(i).toStdString();
        combo->lineEdit()->setCursorPosition(0);
    };
    connect(combo, &QComboBox::currentIndexChanged, this, pick);
    connect(combo, &QComboBox::activated, this, pick);
    CountBox* count = slot.count;
    connect(slot.plus, &QPushButton::clicked, count, [count] { count->plus(); });
    connect(slot.minus, &QPushButton::clicked, count, [count] { count->minus(); });
}

CharacterClass frmMain::SelectedClass() const {
    if (c_.optRan->isChecked()) return CharacterClass::RA;
    if (c_.optFor->isChecked()) return CharacterClass::FO;
    return CharacterClass::HU;
}

SectionIdParity frmMain::SelectedParity() const {
    return c_.optID1->isChecked() ? SectionIdParity::Odd : SectionIdParity::Even;
}

FeedRequest frmMain::CurrentFeedRequest() const {
    FeedRequest r;
    r.mode = c_.optLv->isChecked() ? FeedMode::Level : FeedMode::Count;
    r.characterClass = SelectedClass();
    r.parity = SelectedParity();
    for (std::size_t i = 0; i < r.feedSlots.size(); ++i) {
        const FeedSlotControls& slot = c_.feedSlots[i];
        // Slot 1 is fed what its box shows; slots 2 to 4 what was last picked in theirs.
        r.feedSlots[i].item =
            i == 0 ? slot.item->currentText().toStdString() : FeedNameField(state_, i);
        r.feedSlots[i].countText = slot.count->text().toStdString();
        r.feedSlots[i].enabled = i == 0 || OwnEnabled(slot.count);
    }
    return r;
}

void frmMain::SetFeedInputs(const FeedRequest& request) {
    (request.characterClass == CharacterClass::RA   ? c_.optRan
     : request.characterClass == CharacterClass::FO ? c_.optFor
                                                    : c_.optHun)
        ->setChecked(true);
    (request.parity == SectionIdParity::Odd ? c_.optID1 : c_.optID0)->setChecked(true);
    // The mode's own handler runs as for a click: level mode switches slot 2 off.
    (request.mode == FeedMode::Level ? c_.optLv : c_.optKazu)->setChecked(true);
    if (request.mode == FeedMode::Count) {
        // The boxes are set quietly and the slot chain worked out once from all three.
        for (std::size_t i = 1; i < c_.feedSlots.size(); ++i) {
            const QSignalBlocker quiet(c_.feedSlots[i].check);
            c_.feedSlots[i].check->setChecked(request.feedSlots[i].enabled);
        }
        ローテーション();
    }
    for (std::size_t i = 0; i < c_.feedSlots.size(); ++i) {
        const FeedSlotInput& input = request.feedSlots[i];
        if (i > 0 && (request.mode == FeedMode::Level || !input.enabled)) continue;
        SetSlotItem(i, input.item);
        c_.feedSlots[i].count->setText(QString::fromStdString(input.countText));
    }
}

// As a pick from the list would: the slot's item named, the box showing the name's start.
void frmMain::SetSlotItem(std::size_t slot, const std::string& item) {
    QComboBox* combo = c_.feedSlots[slot].item;
    const QString name = QString::fromStdString(item);
    combo->setCurrentIndex(combo->findText(name, Qt::MatchExactly));
    combo->setEditText(name);  // over a name the player may have typed
    FeedNameField(state_, slot) = item;
    combo->lineEdit()->setCursorPosition(0);
}

void frmMain::OnMagChanged(QObject& context, std::function<void()> handler) {
    connect(this, &frmMain::MagChanged, &context, std::move(handler));
}

void frmMain::OnClassOrIdChanged(QObject& context, std::function<void()> handler) {
    connect(this, &frmMain::ClassOrIdChanged, &context, std::move(handler));
}

void frmMain::cmdTake_Click() {
    RunFeeding(state_, CurrentFeedRequest(), platform_.messages, *this);
}

void frmMain::cmdUndo_Click() {
    UndoLastAction(state_, *this);
}

void frmMain::cmbAwake_Click(int index) {
    if (index < 0) return;
    UseSpecialItem(state_, c_.cmbAwake->itemText(index).toStdString(), SelectedParity(),
                   platform_.messages, *this);
}

void frmMain::lblMag_Click() {
    ConvertVer2ToVer1(state_, platform_.messages, *this);
}

void frmMain::mnuNew_Click() {
    toviran::NewMag(state_, *this);
}

void frmMain::mnuSave_Click() {
    saver_.FileNewSave([this] { return RirekiWindow()->boxText(); });
}

void frmMain::ローテーション() {
    SlotEnabling current{OwnEnabled(c_.feedSlots[2].check), OwnEnabled(c_.feedSlots[3].check), {}};
    for (std::size_t i = 1; i < 4; ++i)
        current.slotEnabled[i - 1] = OwnEnabled(c_.feedSlots[i].count);
    const SlotEnabling next =
        toviran::ローテーション(ValueOf(c_.feedSlots[1].check), ValueOf(c_.feedSlots[2].check),
                                ValueOf(c_.feedSlots[3].check), current);
    c_.feedSlots[2].check->setEnabled(next.chk3);
    c_.feedSlots[3].check->setEnabled(next.chk4);
    for (std::size_t i = 1; i < 4; ++i) {
        const FeedSlotControls& slot = c_.feedSlots[i];
        for (QWidget* w : {static_cast<QWidget*>(slot.item), static_cast<QWidget*>(slot.count),
                           static_cast<QWidget*>(slot.plus), static_cast<QWidget*>(slot.minus)}) {
            w->setEnabled(next.slotEnabled[i - 1]);
        }
    }
}

// optKazu_Click / optLv_Click. Each mode change shows slots 2 to 4 in count mode and
// hides them in level mode; level mode also switches slot 2's box off first.
void frmMain::SetMode(FeedMode mode) {
    QCheckBox* chk2 = c_.feedSlots[1].check;
    if (mode == FeedMode::Level) {
        chk2->setChecked(false);
        chk2->setEnabled(false);
        ローテーション();
    } else {
        chk2->setEnabled(true);
    }
    for (QWidget* w : LevelModeHidden(c_)) w->setHidden(mode == FeedMode::Level);
    c_.feedSlots[0].count->setAccessibleName(
        QString::fromStdString(CountBoxName(0, mode == FeedMode::Level)));
}

void frmMain::Changed(DisplayItem item, StatKind stat) {
    NoteMagChanged();
    switch (item) {
        case DisplayItem::Name:
            ShowName();
            break;
        case DisplayItem::NameColour:
            SetTextColour(*c_.lblMag, state_.NameColour);
            break;
        case DisplayItem::Level:
            c_.lblLv->setText(Number(state_.Level));
            break;
        case DisplayItem::IQ:
            c_.lblIQ->setText(Number(state_.IQ));
            break;
        case DisplayItem::Synchro:
            c_.lblシンクロ->setText(Number(state_.Synchro));
            break;
        case DisplayItem::StatLevel:
            c_.stats[static_cast<std::size_t>(stat)].level->setText(
                Number(StatLevel(state_, stat)));
            break;
        case DisplayItem::StatProgress:
            ShowStatProgress(stat);
            break;
        case DisplayItem::HistoryBox:
            RirekiWindow()->setHistoryText(state_.HistoryText);
            break;
        case DisplayItem::UndoButton:
            c_.cmdUndo->setEnabled(state_.UndoEnabled);
            break;
    }
}

// A run redraws thousands of values; the others hear of it once, after the run.
void frmMain::NoteMagChanged() {
    if (magChangeNoted_) return;
    magChangeNoted_ = true;
    QMetaObject::invokeMethod(
        this,
        [this] {
            magChangeNoted_ = false;
            emit MagChanged();
        },
        Qt::QueuedConnection);
}

void frmMain::ShowName() {
    c_.lblMag->setText(QString::fromStdString(state_.MagName));
    c_.lblMag->adjustSize();  // the label sizes itself to the name, keeping its left edge
}

void frmMain::ShowStatProgress(StatKind stat) {
    const StatRowControls& row = c_.stats[static_cast<std::size_t>(stat)];
    const int progress = StatProgress(state_, stat);
    row.progress->setText(Number(progress));
    row.bar->SetFillTwips(BarFillWidth(static_cast<float>(row.bar->WidthTwips()), progress));
}

frmRireki* frmMain::RirekiWindow() {
    if (!rireki_) {
        rireki_ = new frmRireki(state_.HistoryText, txtRireki_, this);
        rireki_->setClosedByUser([this] { c_.chkRireki->setChecked(false); });
    }
    return rireki_;
}

void frmMain::UnloadRireki() {
    if (!rireki_) return;
    frmRireki* window = rireki_;
    rireki_ = nullptr;
    window->hide();
    window->deleteLater();  // it may be the window whose close event is running
}

// The history window directly under the main window, as far as the screen has room.
void frmMain::PlaceRireki() {
    if (!rireki_) return;
    const QMargins frame = FrameOr(*rireki_, *this);
    const QRect main = frameGeometry();
    const QRect place(QPoint(main.left(), main.top() + main.height()),
                      rireki_->size().grownBy(frame));
    PlaceFrame(*rireki_, OnScreen(place, screen()->availableGeometry()), frame);
}

std::vector<QRect> frmMain::OpenRireki() const {
    if (!rireki_ || !rireki_->isVisible()) return {};
    return {rireki_->frameGeometry()};
}

void frmMain::えさ履歴ウインドウの表示() {
    if (c_.chkRireki->checkState() == Qt::Checked) {
        frmRireki* window = RirekiWindow();
        PlaceRireki();
        window->show();
        rirekiFrameWait_->Start(*window, [this] { PlaceRireki(); });
        window->setHistoryText(state_.HistoryText);
        c_.menu.mnuEsaRireki->setChecked(true);
    } else {
        UnloadRireki();
        c_.menu.mnuEsaRireki->setChecked(false);
    }
}

void frmMain::chkRireki_Click() {
    QAction* menu = c_.menu.mnuEsaRireki;
    menu->setChecked(!menu->isChecked());
    えさ履歴ウインドウの表示();
}

// The menu has already inverted its own check mark when this runs.
void frmMain::mnuEsaRireki_Click() {
    c_.chkRireki->setChecked(c_.menu.mnuEsaRireki->isChecked());
    えさ履歴ウインドウの表示();
}

void frmMain::closeEvent(QCloseEvent* event) {
    // The mag data windows (an unload handler) go first, then the history window.
    for (const auto& handler : unloadHandlers_) handler();
    UnloadRireki();
    event->accept();
}

}  // namespace toviran
