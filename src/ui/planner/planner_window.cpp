#include "ui/planner/planner_window.h"

#include <QCloseEvent>
#include <QHeaderView>

#include "engine/mag_core.h"
#include "planner/planner.h"
#include "planner/reach_table.h"
#include "planner/replay.h"
#include "ui/fonts.h"
#include "ui/main/main_window.h"
#include "ui/planner/form_list.h"
#include "ui/planner/plan_status.h"
#include "ui/planner/plan_table.h"
#include "ui/planner/plan_text.h"
#include "ui/planner/planner_inputs.h"
#include "ui/planner/planner_messages.h"
#include "wording/reason_text.h"

namespace toviran {
namespace {

QString Utf8(const std::string& text) {
    return QString::fromStdString(text);
}

// The table's items and the mag after them take about four slots' widths.
constexpr int kPreferredSlotWidths = 4;
constexpr int kPreferredTableLines = 12;

// The form a new window offers first: the first final form the class and ID can reach.
int FirstFinalForm(const std::vector<planner::FormReach>& reach) {
    for (const planner::FormReach& r : reach)
        if (r.reachable && r.specialItem < 0 && r.fromLevel >= kFinalEvolutionLevel) return r.form;
    return 0;
}

}  // namespace

PlannerWindow::PlannerWindow(frmMain& main, std::function<void()> onClosed)
    // A tool window stays above its owner and is minimised and restored with it.
    : QWidget(&main, Qt::Tool),
      main_(main),
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
    connect(&main_, &frmMain::ClassOrIdChanged, this, [this] { ClassOrIdChanged(); });
    connect(&main_, &frmMain::MagChanged, this, [this] { MagChanged(); });
    connect(c_.cmbForm, &QComboBox::currentIndexChanged, this, [this] {
        FormPicked();
        ShowPlanState();
    });
    connect(c_.txtLevel, &QLineEdit::textEdited, this, [this] {
        levelIsDefault_ = false;
        lowestLevel_->Stop();
        c_.lblLevelNote->clear();
    });
    // Any change of what is asked may make the plan shown an answer to other inputs.
    for (QLineEdit* box :
         {c_.txtLevel, c_.txtBuild[0], c_.txtBuild[1], c_.txtBuild[2], c_.txtBuild[3]})
        connect(box, &QLineEdit::textChanged, this, [this] { ShowPlanState(); });
    for (QCheckBox* item : c_.chkItems)
        connect(item, &QCheckBox::toggled, this, [this] { ShowPlanState(); });
    connect(c_.optFromNew, &QRadioButton::toggled, this, [this] { ShowPlanState(); });
    connect(c_.cmdSearch, &QPushButton::clicked, this, [this] { Search(); });
    connect(c_.cmdStop, &QPushButton::clicked, this, [this] { StopSearch(); });
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
    const CharacterClass cls = main_.SelectedClass();
    const SectionIdParity parity = main_.SelectedParity();
    c_.lblClass->setText(Utf8(ClassAndIdText(cls, parity)));
    reach_ = planner::ReachableForms(cls, parity);
    ShowReach(*c_.cmbForm, reach_, cls, parity);
    ShowPickedReach(*c_.cmbForm, *c_.lblFormNote,
                    reach_[static_cast<std::size_t>(PickedForm(*c_.cmbForm))], cls, parity);
}

void PlannerWindow::FormPicked() {
    const planner::FormReach& reach = reach_[static_cast<std::size_t>(PickedForm(*c_.cmbForm))];
    ShowPickedReach(*c_.cmbForm, *c_.lblFormNote, reach, main_.SelectedClass(),
                    main_.SelectedParity());
    lowestLevel_->Stop();
    c_.lblLevelNote->clear();
    levelIsDefault_ = true;
    if (!reach.reachable) return;  // the note says why
    c_.txtLevel->setText(QString::number(reach.fromLevel));
    LookForLowestLevel();
}

// The evolution tables give the lowest level at once; whether the feed tables let the mag
// get there takes the planner some seconds, so it is looked for on a thread of its own.
void PlannerWindow::LookForLowestLevel() {
    const CharacterClass cls = main_.SelectedClass();
    const SectionIdParity parity = main_.SelectedParity();
    const planner::FormReach reach = reach_[static_cast<std::size_t>(PickedForm(*c_.cmbForm))];
    const auto key = std::tuple{static_cast<int>(cls), static_cast<int>(parity), reach.form};
    if (const auto known = lowestLevels_.find(key); known != lowestLevels_.end()) {
        if (known->second) c_.txtLevel->setText(QString::number(*known->second));
        return;
    }
    // Only an open window looks: one that opens looks then.
    if (!reach.reachable || !isVisible()) return;
    c_.lblLevelNote->setText(QStringLiteral("（確かめています…）"));
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
    c_.lblLevelNote->clear();
    lowestLevels_[found.key] = found.level;
    if (found.level && levelIsDefault_) c_.txtLevel->setText(QString::number(*found.level));
}

void PlannerWindow::Search() {
    auto request =
        RequestFromInputs(c_, main_.state(), main_.SelectedClass(), main_.SelectedParity());
    if (const auto* message = std::get_if<Message>(&request)) {
        main_.platform().messages.ShowOver(this, *message);
        return;
    }
    lowestLevel_->Stop();
    c_.lblLevelNote->clear();
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

void PlannerWindow::StopSearch() {
    if (!search_->Running()) return;
    search_->Stop();
    SetSearching(false);
    c_.progress->setValue(0);
    ShowStatus(QStringLiteral("探すのを中止しました。"));
    ShowPlanState();
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
        main_.platform().messages.ShowOver(this, NoPlanMessage(wording::ReasonText(result.reason)));
}

void PlannerWindow::ShowPlan(planner::PlanResult& result) {
    c_.progress->setValue(c_.progress->maximum());
    const MagCore start = CoreOf(asked_.start);
    shown_ = Shown{asked_, std::move(*result.plan), {}};
    shown_->steps = PlanSteps(shown_->plan, start);
    setStep_.reset();
    c_.lblRequest->setText(QStringLiteral("このプランの条件：") + Utf8(RequestText(asked_)));
    c_.lblSummary->setText(Utf8(PlanSummaryText(shown_->plan)));
    c_.lblSummary->setToolTip(Utf8(PlanSummaryTip(shown_->plan)));
    c_.lblRequest->show();
    c_.lblSummary->show();
    ShowPlanInTable(*c_.table, shown_->plan, shown_->steps);
    QStringList numbers;
    for (const PlanStep& step : shown_->steps) numbers << Utf8(StepNumberText(step));
    c_.table->setVerticalHeaderLabels(numbers);
    const PlanPlace place = PlaceNow();
    SelectStep(place.kind == PlanPlace::Kind::Step ? place : PlanPlace{PlanPlace::Kind::Step, 0});
    ShowPlanState();
}

void PlannerWindow::SetSearching(bool on) {
    c_.cmdStop->setEnabled(on);
    c_.cmdAgain->hide();
}

QSize PlannerWindow::sizeHint() const {
    const int slotWidth = fontMetrics().horizontalAdvance(QStringLiteral("スターアトマイザー×100"));
    const int height = minimumSizeHint().height() + kPreferredTableLines * fontMetrics().height();
    return QWidget::sizeHint().expandedTo({kPreferredSlotWidths * slotWidth, height});
}

bool PlannerWindow::PlanIsCurrent() const {
    if (!shown_ || search_->Running()) return false;
    const auto asked = KeyFromInputs(c_, main_.SelectedClass(), main_.SelectedParity());
    const auto* key = std::get_if<RequestKey>(&asked);
    return key != nullptr && *key == KeyOf(shown_->request);
}

// The main window's feed inputs hold the step's press.
bool PlannerWindow::DueIsSet(std::size_t step) const {
    const PlanStep& due = shown_->steps[step];
    if (due.kind != PlanStep::Kind::Press) return false;
    return InputsHold(
        main_.CurrentFeedRequest(),
        planner::FeedRequestFor(shown_->plan.presses[due.press], shown_->request.characterClass,
                                shown_->request.parity));
}

PlanPlace PlannerWindow::PlaceNow() const {
    return PlaceOnPlan(shown_->steps, CoreOf(shown_->request.start), CoreOf(main_.state()));
}

// After each change of the mag, from whatever source: the step due next is selected.
void PlannerWindow::MagChanged() {
    if (!shown_) return;
    const PlanPlace place = PlaceNow();
    if (setStep_ && !(place == PlanPlace{PlanPlace::Kind::Step, *setStep_})) setStep_.reset();
    SelectStep(place);
    ShowPlanState();
}

void PlannerWindow::SelectStep(const PlanPlace& place) {
    if (place.kind == PlanPlace::Kind::Step) c_.table->selectRow(static_cast<int>(place.step));
}

// A plan can be set only while it answers the inputs; otherwise it is greyed, and shown
// only for what it was.
void PlannerWindow::ShowPlanState() {
    const bool current = PlanIsCurrent();
    for (QWidget* w : {static_cast<QWidget*>(c_.lblRequest), static_cast<QWidget*>(c_.lblSummary),
                       static_cast<QWidget*>(c_.table), static_cast<QWidget*>(c_.cmdCopy)})
        w->setEnabled(current);
    c_.cmdSet->setEnabled(current && !shown_->steps.empty());
    if (!shown_ || search_->Running()) return;
    const planner::PlanRequest& request = shown_->request;
    StatusLine status;
    if (current) {
        const PlanPlace place = PlaceNow();
        status = FollowStatus(request, shown_->plan, shown_->steps, place, setStep_,
                              place.kind == PlanPlace::Kind::Step && DueIsSet(place.step));
    } else {
        status = StaleStatus(request, request.characterClass != main_.SelectedClass() ||
                                          request.parity != main_.SelectedParity());
    }
    ShowStatus(Utf8(status.text), status.offerAgain);
}

void PlannerWindow::SetSelectedPress() {
    if (!PlanIsCurrent() || shown_->steps.empty()) return;
    const std::size_t row = std::min(static_cast<std::size_t>(std::max(0, c_.table->currentRow())),
                                     shown_->steps.size() - 1);
    const PlanStep& step = shown_->steps[row];
    const planner::PlanRequest& request = shown_->request;
    if (step.kind == PlanStep::Kind::SpecialItem) {
        ShowStatus(QStringLiteral("この回は、メイン画面の%1を選びます。")
                       .arg(Utf8(SpecialItemStepText(shown_->plan.specialItem))));
        return;
    }
    // A plan from a new mag begins with one: made here as 新規作成 makes it, undoably.
    if (request.startIsNewMag && row == 0 && !SameMag(CoreOf(main_.state()), step.before)) {
        if (!main_.platform().messages.ShowOver(this, NewMagFirstQuestion())) return;
        main_.mnuNew_Click();
    }
    main_.SetFeedInputs(planner::FeedRequestFor(shown_->plan.presses[step.press],
                                                request.characterClass, request.parity));
    setStep_ = row;
    ShowPlanState();
}

void PlannerWindow::CopyScript() {
    if (!PlanIsCurrent()) return;
    main_.platform().clipboard.SetText(PlanScriptText(shown_->request, shown_->plan));
    ShowStatus(QStringLiteral("toviran-sim の台本をクリップボードにコピーしました。"));
}

void PlannerWindow::ShowStatus(const QString& text, bool offerAgain) {
    c_.lblStatus->setText(text);
    c_.cmdAgain->setVisible(offerAgain);
}

void PlannerWindow::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    if (levelIsDefault_ && !lowestLevel_->Running()) LookForLowestLevel();
}

void PlannerWindow::closeEvent(QCloseEvent* event) {
    StopSearch();
    lowestLevel_->Stop();
    c_.lblLevelNote->clear();
    event->accept();
    if (onClosed_) onClosed_();
}

}  // namespace toviran
