#include "ui/planner/planner_window.h"

#include <QBoxLayout>
#include <QCloseEvent>
#include <QKeyEvent>
#include <cmath>

#include "engine/mag_core.h"
#include "planner/planner.h"
#include "planner/reach_table.h"
#include "planner/replay.h"
#include "platform/platform.h"
#include "ui/close_on_escape.h"
#include "ui/fonts.h"
#include "ui/phrase_label.h"
#include "ui/planner/form_list.h"
#include "ui/planner/plan_status.h"
#include "ui/planner/plan_text.h"
#include "ui/planner/planner_inputs.h"
#include "ui/planner/planner_messages.h"
#include "wording/reason_text.h"

namespace toviran {
namespace {

QString Utf8(const std::string& text) {
    return QString::fromStdString(text);
}

// A press's four widest slots on one line, and ten steps of two lines each.
constexpr int kPreferredSlots = 4;
constexpr int kPreferredExtraLines = 10;
constexpr const char* kWidestSlot = "スターアトマイザー×100、";
// The pages' frame is the window's edge: the plan's table needs every pixel of width on a
// small screen.
constexpr int kWindowMargin = 0;
// 「もっと探す」 asks this many times the work of the search before.
constexpr int kMoreEffort = 4;

// "、探す作業4倍" for a search asked with more than the usual work.
std::string EffortText(int effort) {
    return effort > 1 ? "、探す作業" + std::to_string(effort) + "倍" : std::string();
}

// The form a new window offers first: the first final form the class and ID can reach.
int FirstFinalForm(const std::vector<planner::FormReach>& reach) {
    for (const planner::FormReach& r : reach)
        if (r.reachable && r.specialItem < 0 && r.fromLevel >= kFinalEvolutionLevel) return r.form;
    return 0;
}

}  // namespace

PlannerWindow::PlannerWindow(PlannerHost& host, QWidget& owner, std::function<void()> onClosed)
    // A tool window stays above its owner and is minimised and restored with it.
    : QWidget(&owner, Qt::Tool),
      host_(host),
      onClosed_(std::move(onClosed)),
      pages_(new QTabWidget),
      planPage_(new QWidget),
      search_(new BackgroundJob<planner::PlanResult>(
          [this](planner::PlanResult result) { SearchEnded(std::move(result)); },
          [this](double share) { c_.progress->setValue(static_cast<int>(share * 1000)); }, this)),
      rows_(new ReachRows([&host] { return host.CurrentMag(); }, this)) {
    setObjectName(QStringLiteral("frmPlanner"));
    setWindowTitle(QString::fromUtf8(kPlannerTitle));
    CloseOnEscape(*this);
    setFont(DefaultUiFont());
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(kWindowMargin, kWindowMargin, kWindowMargin, kWindowMargin);
    layout->addWidget(pages_);
    auto* reachPage = new QWidget;
    pages_->addTab(planPage_, QStringLiteral("プラン(&P)"));
    pages_->addTab(reachPage, QStringLiteral("なれる姿(&N)"));
    pages_->setTabToolTip(0, QStringLiteral("目標を決めて、えさの与え方を探します"));
    pages_->setTabToolTip(1, QStringLiteral("マグがこれからなれる姿を、すべて調べます"));
    c_ = BuildPlannerControls(*planPage_);
    level_ = std::make_unique<DefaultLevel>(c_, host_, *rows_, *this);
    reachTab_ = new ReachTab(
        *reachPage, host_, *rows_,
        [this](bool newMag, const planner::ReachRow& row) { OpenReachRow(newMag, row); }, this);
    resize(sizeHint());  // known before it is first placed, which fits it to the screen
    ShowClassAndReach();
    c_.cmbForm->setCurrentIndex(FirstFinalForm(reach_));
    FormPicked();
    Connect();
    ShowPlanState();
}

PlannerWindow::~PlannerWindow() {
    delete search_;
    delete rows_;
}

// The rows known were worked out with the budget before: both pages look again.
void PlannerWindow::SetReachOptions(const planner::PlanOptions& options) {
    rows_->SetOptions(options);
    reachTab_->Refresh();
    if (level_->Holds()) FormPicked();
}

void PlannerWindow::Connect() {
    host_.OnClassOrIdChanged(*this, [this] { ClassOrIdChanged(); });
    host_.OnMagChanged(*this, [this] { MagChanged(); });
    rows_->OnRow([this](const ReachKey& key) { RowKnown(key); });
    connect(pages_, &QTabWidget::currentChanged, this, [this] {
        if (pages_->currentWidget() != planPage_) reachTab_->Shown();
    });
    connect(c_.cmbForm, &QComboBox::currentIndexChanged, this, [this] {
        FormPicked();
        ShowPlanState();
    });
    connect(c_.txtLevel, &QLineEdit::textEdited, this, [this] {
        searchWhenLevelKnown_ = false;
        level_->StopLooking();
    });
    // Any change of what is asked may make the plan shown an answer to other inputs.
    for (QLineEdit* box :
         {c_.txtLevel, c_.txtBuild[0], c_.txtBuild[1], c_.txtBuild[2], c_.txtBuild[3]}) {
        connect(box, &QLineEdit::textChanged, this, [this] { ShowPlanState(); });
        connect(box, &QLineEdit::returnPressed, this, [this] { Search(); });
    }
    for (QCheckBox* item : c_.chkItems)
        connect(item, &QCheckBox::toggled, this, [this] { ShowPlanState(); });
    connect(c_.optFromNew, &QRadioButton::toggled, this, [this] {
        if (level_->Holds()) FormPicked();  // the lowest level is the start's
        ShowPlanState();
    });
    connect(c_.cmdSearch, &QPushButton::clicked, this, [this] { Search(); });
    connect(c_.cmdStop, &QPushButton::clicked, this, [this] { StopSearch(); });
    connect(c_.cmdMore, &QPushButton::clicked, this, [this] { SearchMore(); });
    connect(c_.table, &QTableWidget::currentCellChanged, this, [this] { ShowSetButton(); });
    connect(c_.cmdSet, &QPushButton::clicked, this, [this] { SetSelectedPress(); });
    connect(c_.cmdCopy, &QPushButton::clicked, this, [this] { CopyScript(); });
    connect(c_.cmdAgain, &QPushButton::clicked, this, [this] {
        c_.optFromCurrent->setChecked(true);
        Search();
    });
}

void PlannerWindow::ClassOrIdChanged() {
    ShowClassAndReach();
    reachTab_->ClassOrIdChanged();
    if (level_->Holds()) FormPicked();  // the lowest level may differ for them
    ShowPlanState();
}

// The list shows what the main window's class and ID can reach, and the closed list
// whether the form picked is still one of them.
void PlannerWindow::ShowClassAndReach() {
    const CharacterClass cls = host_.SelectedClass();
    const SectionIdParity parity = host_.SelectedParity();
    c_.lblClass->setText(Utf8(ClassAndIdText(cls, parity)));
    reach_ = planner::ReachableForms(cls, parity);
    ShowReach(*c_.cmbForm, reach_, cls, parity);
    ShowPickedReach(*c_.cmbForm, *c_.lblFormNote, PickedReach(), cls, parity);
}

// What the evolution tables say of the form picked; nothing for any form.
const planner::FormReach* PlannerWindow::PickedReach() const {
    const int form = PickedForm(*c_.cmbForm);
    if (form < 0 || static_cast<std::size_t>(form) >= reach_.size()) return nullptr;
    return &reach_[static_cast<std::size_t>(form)];
}

// The form's note says why it cannot be reached; the level box gets its lowest level.
void PlannerWindow::FormPicked() {
    const planner::FormReach* reach = PickedReach();
    ShowPickedReach(*c_.cmbForm, *c_.lblFormNote, reach, host_.SelectedClass(),
                    host_.SelectedParity());
    searchWhenLevelKnown_ = false;
    level_->Pick(reach);
}

void PlannerWindow::RowKnown(const ReachKey& key) {
    if (!level_->Take(key) || !searchWhenLevelKnown_) return;
    searchWhenLevelKnown_ = false;
    if (c_.txtLevel->text().isEmpty())
        ShowStatus({});  // the form's note says why there is no level
    else
        Search();
}

// A search runs until it ends or is stopped: 探す (and Enter) wait till then. Asked while
// the level is being looked for, it searches once the level is known.
void PlannerWindow::Search() {
    if (search_->Running()) return;
    if (c_.txtLevel->text().isEmpty() && level_->Looking()) {
        searchWhenLevelKnown_ = true;
        ShowStatus(QStringLiteral("目標のレベルを確かめています。わかりしだい探します。"));
        return;
    }
    auto request =
        RequestFromInputs(c_, host_.CurrentMag(), host_.SelectedClass(), host_.SelectedParity());
    if (const auto* message = std::get_if<Message>(&request)) {
        host_.Messages().ShowOver(this, *message);
        return;
    }
    planner::PlanRequest asked = std::get<planner::PlanRequest>(std::move(request));
    asked.options = options_;
    StartSearch(std::move(asked));
}

void PlannerWindow::SearchMore() {
    if (search_->Running() || !MoreOffered()) return;
    planner::PlanRequest request = outcome_->request;
    request.options.effort = std::min(planner::kMostEffort, request.options.effort * kMoreEffort);
    StartSearch(std::move(request));
}

void PlannerWindow::StartSearch(planner::PlanRequest request) {
    searchWhenLevelKnown_ = false;
    // The level asked is the player's now: it stays while the mag is fed along the plan.
    level_->Release();
    asked_ = std::move(request);
    c_.progress->setValue(0);
    SetSearching(true);
    search_->Start([request = asked_](std::stop_token stop, const auto& progress) {
        return planner::FindPlan(request, stop, progress);
    });
    ShowPlanState();  // the plan shown is no answer while another is looked for
    ShowStatus(QStringLiteral("探しています…"));
}

// The window says that the search stopped until the player does something else.
void PlannerWindow::StopSearch() {
    if (!search_->Running()) return;
    search_->Stop();
    SetSearching(false);
    c_.progress->setValue(0);
    ShowPlanState();
    ShowStatus(QStringLiteral("探すのを中止しました。"));
}

// A refusal that proves there is no plan comes in a message box as well; a search that ran
// out of its budget or its time says so in the status line, which offers more work.
void PlannerWindow::SearchEnded(planner::PlanResult result) {
    SetSearching(false);
    ShowStatus({});
    ShowSpent(result);
    outcome_ = Outcome{asked_, result.end, result.plan.has_value(), result.reason};
    if (result.plan) {
        ShowPlan(result);
        return;
    }
    ShowPlanState();
    const bool cut = result.MoreWorkMayHelp() || result.end == planner::SearchEnd::Time;
    if (!result.Cancelled() && !cut)
        host_.Messages().ShowOver(this, NoPlanMessage(wording::ReasonText(result.reason)));
}

// The bar stays at the share of the budget the search spent: half full means half the
// budget, not half the answer.
void PlannerWindow::ShowSpent(const planner::PlanResult& result) {
    const double share = result.workBudget == 0
                             ? 0.0
                             : std::min(1.0, static_cast<double>(result.workSpent) /
                                                 static_cast<double>(result.workBudget));
    c_.progress->setValue(static_cast<int>(std::lround(share * c_.progress->maximum())));
}

void PlannerWindow::ShowPlan(planner::PlanResult& result) {
    const MagCore start = CoreOf(asked_.start);
    shown_ = Shown{asked_, std::move(*result.plan), {}, result.end};
    shown_->steps = PlanSteps(shown_->plan, start);
    ShowPhrases(*c_.lblRequest, QStringLiteral("このプランの条件：") + Utf8(RequestText(asked_)) +
                                    Utf8(EffortText(asked_.options.effort)));
    ShowPhrases(*c_.lblSummary, Utf8(PlanSummaryText(shown_->plan, shown_->end)));
    c_.lblRequest->show();
    c_.lblSummary->show();
    c_.table->ShowPlan(shown_->plan, shown_->steps);
    const PlanPlace place = PlaceNow();
    SelectStep(place.kind == PlanPlace::Kind::Step ? place : PlanPlace{PlanPlace::Kind::Step, 0});
    ShowPlanState();
}

// A row of the table of every form: its plan, from its start, at its level, with no
// conditions on the stats and every item, as the row was worked out.
void PlannerWindow::OpenReachRow(bool newMag, const planner::ReachRow& row) {
    StopSearch();
    pages_->setCurrentWidget(planPage_);
    (newMag ? c_.optFromNew : c_.optFromCurrent)->setChecked(true);
    c_.cmbForm->setCurrentIndex(row.form);
    c_.txtLevel->setText(QString::number(row.level));
    for (QLineEdit* box : c_.txtBuild) box->clear();
    for (QCheckBox* item : c_.chkItems) item->setChecked(true);
    Search();
    c_.cmdStop->setFocus();
}

// While a search runs only 中止 starts anything; the focus goes along with the buttons.
void PlannerWindow::SetSearching(bool on) {
    const QWidget* focused = focusWidget();
    const bool onButtons = focused == c_.cmdSearch || focused == c_.cmdStop ||
                           focused == c_.cmdAgain || focused == c_.cmdMore;
    c_.cmdStop->setEnabled(on);
    c_.cmdSearch->setEnabled(!on);
    c_.cmdAgain->hide();
    c_.cmdMore->hide();
    if (onButtons) (on ? c_.cmdStop : c_.cmdSearch)->setFocus();
}

QSize PlannerWindow::sizeHint() const {
    const QSize least = minimumSizeHint();
    const int pressWidth =
        fontMetrics().horizontalAdvance(QString::fromUtf8(kWidestSlot)) * kPreferredSlots;
    return {std::max(least.width(), pressWidth),
            least.height() + kPreferredExtraLines * c_.table->LineHeight()};
}

bool PlannerWindow::PlanIsCurrent() const {
    if (!shown_ || search_->Running()) return false;
    const auto asked = KeyFromInputs(c_, host_.SelectedClass(), host_.SelectedParity());
    const auto* key = std::get_if<RequestKey>(&asked);
    return key != nullptr && *key == KeyOf(shown_->request);
}

// The main window's feed inputs hold the step's press.
bool PlannerWindow::DueIsSet(std::size_t step) const {
    const PlanStep& due = shown_->steps[step];
    if (due.kind != PlanStep::Kind::Press) return false;
    return InputsHold(
        host_.CurrentFeedRequest(),
        planner::FeedRequestFor(shown_->plan.presses[due.press], shown_->request.characterClass,
                                shown_->request.parity));
}

PlanPlace PlannerWindow::PlaceNow() const {
    return PlaceOnPlan(shown_->steps, CoreOf(shown_->request.start), CoreOf(host_.CurrentMag()));
}

// After each change of the mag, from whatever source: the rows from the mag as it was go,
// the step that can be set is selected.
void PlannerWindow::MagChanged() {
    rows_->ForgetCurrentMag();
    reachTab_->MagChanged();
    if (level_->Holds() && !c_.optFromNew->isChecked()) FormPicked();
    if (!shown_) {
        ShowPlanState();
        return;
    }
    SelectStep(PlaceNow());
    ShowPlanState();
}

// The step due next; a plan from a new mag that the mag has left begins anew at its first.
void PlannerWindow::SelectStep(const PlanPlace& place) {
    if (place.kind == PlanPlace::Kind::Step)
        c_.table->SelectStep(place.step);
    else if (place.kind == PlanPlace::Kind::Off && shown_->request.startIsNewMag)
        c_.table->SelectStep(0);
}

// The last search answers the inputs as they are: a plan while it is shown as current; no
// plan while the start is still the one it was asked from.
bool PlannerWindow::OutcomeIsCurrent() const {
    if (!outcome_ || search_->Running()) return false;
    if (outcome_->planFound)
        return PlanIsCurrent() && KeyOf(shown_->request) == KeyOf(outcome_->request);
    const auto asked = KeyFromInputs(c_, host_.SelectedClass(), host_.SelectedParity());
    const auto* key = std::get_if<RequestKey>(&asked);
    return key != nullptr && *key == KeyOf(outcome_->request) &&
           (outcome_->request.startIsNewMag ||
            CoreOf(outcome_->request.start) == CoreOf(host_.CurrentMag()));
}

// More work is offered for a search that ran out of its budget, up to the most effort.
bool PlannerWindow::MoreOffered() const {
    return OutcomeIsCurrent() &&
           (outcome_->end == planner::SearchEnd::Work ||
            outcome_->end == planner::SearchEnd::Memory) &&
           outcome_->request.options.effort < planner::kMostEffort;
}

// A plan can be used only while it answers the inputs; otherwise it is greyed, and shown
// only for what it was. A search without a plan says why while the inputs are its own.
void PlannerWindow::ShowPlanState() {
    const bool current = PlanIsCurrent();
    for (QWidget* w : {static_cast<QWidget*>(c_.lblRequest), static_cast<QWidget*>(c_.lblSummary),
                       static_cast<QWidget*>(c_.table), static_cast<QWidget*>(c_.cmdCopy)})
        w->setEnabled(current);
    ShowSetButton();
    c_.cmdMore->setVisible(MoreOffered());
    if (search_->Running()) return;
    if (outcome_ && !outcome_->planFound) {
        if (OutcomeIsCurrent()) {
            ShowStatus(Utf8(wording::ReasonText(outcome_->reason)) +
                       (MoreOffered() ? QStringLiteral("「もっと探す」で、4倍の作業で探します。")
                                      : QString()));
            return;
        }
        if (!shown_) ShowStatus({});
    }
    if (!shown_) return;
    const planner::PlanRequest& request = shown_->request;
    StatusLine status;
    if (current) {
        const PlanPlace place = PlaceNow();
        status = FollowStatus(request, shown_->plan, shown_->steps, place,
                              place.kind == PlanPlace::Kind::Step && DueIsSet(place.step));
    } else {
        status = StaleStatus(request, request.characterClass != host_.SelectedClass() ||
                                          request.parity != host_.SelectedParity());
    }
    ShowStatus(Utf8(status.text), status.offerAgain);
}

// この回をセット works only for the step that fits the mag as it is; otherwise its tooltip
// (which a screen reader reads as its description) says why not.
void PlannerWindow::ShowSetButton() {
    SetChoice choice;
    if (!shown_) {
        choice.why.clear();
    } else if (search_->Running()) {
        choice.why = "探している間はセットできません。";
    } else if (!PlanIsCurrent()) {
        choice.why = "表のプランは今の入力とは違うので、セットできません。";
    } else if (const auto selected = c_.table->SelectedStep()) {
        choice = ChooseSet(shown_->request, shown_->plan, shown_->steps, PlaceNow(), *selected);
    } else {
        choice.why =
            shown_->steps.empty() ? "与えるものはありません。" : "表で回を選んでください。";
    }
    const QString tip =
        choice.allowed || choice.why.empty() ? QString::fromUtf8(kSetTip) : Utf8(choice.why);
    c_.cmdSet->setEnabled(choice.allowed);
    c_.cmdSet->setToolTip(tip);
    c_.cmdSet->setAccessibleDescription(tip);
}

void PlannerWindow::SetSelectedPress() {
    const auto selected = c_.table->SelectedStep();
    if (!PlanIsCurrent() || !selected) return;
    const planner::PlanRequest& request = shown_->request;
    const SetChoice choice = ChooseSet(request, shown_->plan, shown_->steps, PlaceNow(), *selected);
    if (!choice.allowed) return;
    const PlanStep& step = shown_->steps[*selected];
    if (step.kind == PlanStep::Kind::SpecialItem) {
        ShowStatus(QStringLiteral("この回は、メイン画面の%1を選びます。")
                       .arg(Utf8(SpecialItemStepText(shown_->plan.specialItem))));
        return;
    }
    // A plan from a new mag begins with one: made here as 新規作成 makes it, undoably.
    if (choice.makesNewMag) {
        if (!host_.Messages().ShowOver(this, NewMagFirstQuestion())) return;
        host_.NewMag();
    }
    host_.SetFeedInputs(planner::FeedRequestFor(shown_->plan.presses[step.press],
                                                request.characterClass, request.parity));
    ShowPlanState();
}

void PlannerWindow::CopyScript() {
    if (!PlanIsCurrent()) return;
    host_.ClipboardService().SetText(PlanScriptText(shown_->request, shown_->plan));
    ShowStatus(QStringLiteral("toviran-sim の台本をクリップボードにコピーしました。"));
}

void PlannerWindow::ShowStatus(const QString& text, bool offerAgain) {
    ShowPhrases(*c_.lblStatus, text, QStringLiteral("プランの状態"));
    c_.cmdAgain->setVisible(offerAgain);
}

void PlannerWindow::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    level_->LookWhenShown(PickedReach());
    if (pages_->currentWidget() != planPage_) reachTab_->Shown();
}

void PlannerWindow::closeEvent(QCloseEvent* event) {
    StopSearch();
    level_->StopLooking();
    reachTab_->Hidden();
    searchWhenLevelKnown_ = false;
    event->accept();
    if (onClosed_) onClosed_();
}

}  // namespace toviran
