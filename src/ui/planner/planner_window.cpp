#include "ui/planner/planner_window.h"

#include <QCloseEvent>
#include <QKeyEvent>

#include "engine/mag_core.h"
#include "planner/planner.h"
#include "planner/reach_table.h"
#include "planner/replay.h"
#include "platform/platform.h"
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
      search_(new BackgroundJob<planner::PlanResult>(
          [this](planner::PlanResult result) { SearchEnded(std::move(result)); },
          [this](double share) { c_.progress->setValue(static_cast<int>(share * 1000)); }, this)),
      lowestLevel_(new BackgroundJob<LowestLevel>(
          [this](LowestLevel found) { LowestLevelFound(found); }, {}, this)) {
    setObjectName(QStringLiteral("frmPlanner"));
    setWindowTitle(QString::fromUtf8(kPlannerTitle));
    setFont(DefaultUiFont());
    c_ = BuildPlannerControls(*this);
    resize(sizeHint());  // known before it is first placed, which fits it to the screen
    ShowClassAndReach();
    c_.cmbForm->setCurrentIndex(FirstFinalForm(reach_));
    FormPicked();
    Connect();
    ShowPlanState();
}

PlannerWindow::~PlannerWindow() {
    delete search_;
    delete lowestLevel_;
}

void PlannerWindow::Connect() {
    host_.OnClassOrIdChanged(*this, [this] { ClassOrIdChanged(); });
    host_.OnMagChanged(*this, [this] { MagChanged(); });
    connect(c_.cmbForm, &QComboBox::currentIndexChanged, this, [this] {
        FormPicked();
        ShowPlanState();
    });
    connect(c_.txtLevel, &QLineEdit::textEdited, this, [this] {
        levelIsDefault_ = false;
        lowestLevel_->Stop();
        ShowLevelNote({});
    });
    // Any change of what is asked may make the plan shown an answer to other inputs.
    for (QLineEdit* box :
         {c_.txtLevel, c_.txtBuild[0], c_.txtBuild[1], c_.txtBuild[2], c_.txtBuild[3]}) {
        connect(box, &QLineEdit::textChanged, this, [this] { ShowPlanState(); });
        connect(box, &QLineEdit::returnPressed, this, [this] { Search(); });
    }
    for (QCheckBox* item : c_.chkItems)
        connect(item, &QCheckBox::toggled, this, [this] { ShowPlanState(); });
    connect(c_.optFromNew, &QRadioButton::toggled, this, [this] { ShowPlanState(); });
    connect(c_.cmdSearch, &QPushButton::clicked, this, [this] { Search(); });
    connect(c_.cmdStop, &QPushButton::clicked, this, [this] { StopSearch(); });
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
    if (levelIsDefault_) FormPicked();  // the lowest level may differ for them
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
    ShowPickedReach(*c_.cmbForm, *c_.lblFormNote,
                    reach_[static_cast<std::size_t>(PickedForm(*c_.cmbForm))], cls, parity);
}

void PlannerWindow::FormPicked() {
    const planner::FormReach& reach = reach_[static_cast<std::size_t>(PickedForm(*c_.cmbForm))];
    ShowPickedReach(*c_.cmbForm, *c_.lblFormNote, reach, host_.SelectedClass(),
                    host_.SelectedParity());
    lowestLevel_->Stop();
    ShowLevelNote({});
    levelIsDefault_ = true;
    if (!reach.reachable) return;  // the note says why
    c_.txtLevel->setText(QString::number(reach.fromLevel));
    LookForLowestLevel();
}

// The evolution tables give the lowest level at once; whether the feed tables let the mag
// get there takes the planner some seconds, so it is looked for on a thread of its own.
void PlannerWindow::LookForLowestLevel() {
    const CharacterClass cls = host_.SelectedClass();
    const SectionIdParity parity = host_.SelectedParity();
    const planner::FormReach reach = reach_[static_cast<std::size_t>(PickedForm(*c_.cmbForm))];
    const auto key = std::tuple{static_cast<int>(cls), static_cast<int>(parity), reach.form};
    if (const auto known = lowestLevels_.find(key); known != lowestLevels_.end()) {
        if (known->second) c_.txtLevel->setText(QString::number(*known->second));
        return;
    }
    // Only an open window looks: one that opens looks then.
    if (!reach.reachable || !isVisible()) return;
    ShowLevelNote(QStringLiteral("（確かめています…）"));
    planner::ReachRequest request;
    request.characterClass = cls;
    request.parity = parity;
    request.startIsNewMag = true;
    lowestLevel_->Start([=](std::stop_token stop, const auto&) {
        const planner::ReachRow row = planner::ReachOf(request, reach.form, stop);
        return LowestLevel{key, row.level > 0 ? std::optional(row.level) : std::nullopt};
    });
}

void PlannerWindow::LowestLevelFound(const LowestLevel& found) {
    ShowLevelNote({});
    lowestLevels_[found.key] = found.level;
    if (found.level && levelIsDefault_) c_.txtLevel->setText(QString::number(*found.level));
}

void PlannerWindow::ShowLevelNote(const QString& note) {
    ShowPhrases(*c_.lblLevelNote, note, QStringLiteral("目標のレベルの確かめ"));
    c_.lblLevelNote->setVisible(!note.isEmpty());
}

// A search runs until it ends or is stopped: 探す (and Enter) wait till then.
void PlannerWindow::Search() {
    if (search_->Running()) return;
    auto request =
        RequestFromInputs(c_, host_.CurrentMag(), host_.SelectedClass(), host_.SelectedParity());
    if (const auto* message = std::get_if<Message>(&request)) {
        host_.Messages().ShowOver(this, *message);
        return;
    }
    lowestLevel_->Stop();
    ShowLevelNote({});
    asked_ = std::get<planner::PlanRequest>(std::move(request));
    asked_.options = options_;
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

void PlannerWindow::SearchEnded(planner::PlanResult result) {
    SetSearching(false);
    ShowStatus({});
    if (result.plan) {
        ShowPlan(result);
        return;
    }
    c_.progress->setValue(0);
    ShowPlanState();
    if (!result.Cancelled())
        host_.Messages().ShowOver(this, NoPlanMessage(wording::ReasonText(result.reason)));
}

void PlannerWindow::ShowPlan(planner::PlanResult& result) {
    c_.progress->setValue(c_.progress->maximum());
    const MagCore start = CoreOf(asked_.start);
    shown_ = Shown{asked_, std::move(*result.plan), {}};
    shown_->steps = PlanSteps(shown_->plan, start);
    ShowPhrases(*c_.lblRequest, QStringLiteral("このプランの条件：") + Utf8(RequestText(asked_)));
    ShowPhrases(*c_.lblSummary, Utf8(PlanSummaryText(shown_->plan)));
    c_.lblRequest->show();
    c_.lblSummary->show();
    c_.table->ShowPlan(shown_->plan, shown_->steps);
    const PlanPlace place = PlaceNow();
    SelectStep(place.kind == PlanPlace::Kind::Step ? place : PlanPlace{PlanPlace::Kind::Step, 0});
    ShowPlanState();
}

// While a search runs only 中止 starts anything; the focus goes along with the buttons.
void PlannerWindow::SetSearching(bool on) {
    const QWidget* focused = focusWidget();
    const bool onButtons =
        focused == c_.cmdSearch || focused == c_.cmdStop || focused == c_.cmdAgain;
    c_.cmdStop->setEnabled(on);
    c_.cmdSearch->setEnabled(!on);
    c_.cmdAgain->hide();
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

// After each change of the mag, from whatever source: the step that can be set is selected.
void PlannerWindow::MagChanged() {
    if (!shown_) return;
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

// A plan can be used only while it answers the inputs; otherwise it is greyed, and shown
// only for what it was.
void PlannerWindow::ShowPlanState() {
    const bool current = PlanIsCurrent();
    for (QWidget* w : {static_cast<QWidget*>(c_.lblRequest), static_cast<QWidget*>(c_.lblSummary),
                       static_cast<QWidget*>(c_.table), static_cast<QWidget*>(c_.cmdCopy)})
        w->setEnabled(current);
    ShowSetButton();
    if (!shown_ || search_->Running()) return;
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
    if (levelIsDefault_ && !lowestLevel_->Running()) LookForLowestLevel();
}

void PlannerWindow::closeEvent(QCloseEvent* event) {
    StopSearch();
    lowestLevel_->Stop();
    ShowLevelNote({});
    event->accept();
    if (onClosed_) onClosed_();
}

// Escape closes the window, as its close box does; an open list takes it first.
void PlannerWindow::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Escape && event->modifiers() == Qt::NoModifier) {
        close();
        return;
    }
    QWidget::keyPressEvent(event);
}

}  // namespace toviran
