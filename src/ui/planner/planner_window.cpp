#include "ui/planner/planner_window.h"

#include <QCloseEvent>

#include "engine/mag_core.h"
#include "engine/rare_evolution.h"
#include "planner/planner.h"
#include "ui/fonts.h"
#include "ui/main/main_window.h"
#include "ui/planner/form_list.h"
#include "ui/planner/plan_follow.h"
#include "ui/planner/plan_table.h"
#include "ui/planner/plan_text.h"
#include "ui/planner/planner_inputs.h"
#include "ui/planner/planner_messages.h"
#include "ui/planner/press_setter.h"

namespace toviran {
namespace {

QString Utf8(const std::string& text) {
    return QString::fromStdString(text);
}

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
    adjustSize();  // its size is known before it is first placed
    ShowClassAndReach();
    c_.cmbForm->setCurrentIndex(FirstFinalForm(reach_));
    FormPicked();
    Connect();
}

PlannerWindow::~PlannerWindow() {
    delete search_;
    delete lowestLevel_;
}

void PlannerWindow::Connect() {
    const MainControls& m = main_.controls();
    for (QRadioButton* option : {m.optHun, m.optRan, m.optFor, m.optID0, m.optID1}) {
        connect(option, &QRadioButton::toggled, this, [this](bool on) {
            if (!on) return;
            ShowClassAndReach();
            if (levelIsDefault_) FormPicked();  // the lowest level may differ for them
        });
    }
    connect(c_.cmbForm, &QComboBox::currentIndexChanged, this, [this] { FormPicked(); });
    connect(c_.txtLevel, &QLineEdit::textEdited, this, [this] {
        levelIsDefault_ = false;
        lowestLevel_->Stop();
        c_.lblLevelNote->clear();
    });
    connect(c_.cmdSearch, &QPushButton::clicked, this, [this] { Search(); });
    connect(c_.cmdStop, &QPushButton::clicked, this, [this] { StopSearch(); });
    connect(c_.cmdSet, &QPushButton::clicked, this, [this] { SetSelectedPress(); });
    connect(c_.cmdCopy, &QPushButton::clicked, this, [this] { CopyScript(); });
    connect(c_.cmdAgain, &QPushButton::clicked, this, [this] {
        c_.optFromCurrent->setChecked(true);
        Search();
    });
    main_.AddMagChangedHandler([self = QPointer<PlannerWindow>(this)] {
        if (self) self->Follow();
    });
}

// The list shows what the main window's class and ID can reach.
void PlannerWindow::ShowClassAndReach() {
    const CharacterClass cls = main_.SelectedClass();
    const SectionIdParity parity = main_.SelectedParity();
    c_.lblClass->setText(Utf8(ClassAndIdText(cls, parity)));
    reach_ = planner::ReachableForms(cls, parity);
    ShowReach(*c_.cmbForm, reach_);
}

void PlannerWindow::FormPicked() {
    const planner::FormReach& reach = reach_[static_cast<std::size_t>(PickedForm(*c_.cmbForm))];
    lowestLevel_->Stop();
    c_.lblLevelNote->clear();
    levelIsDefault_ = true;
    if (!reach.reachable) return;  // the planner's answer will say why
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
    planner::PlanOptions options = options_;
    options.threads = 1;  // a look-up in passing leaves the other core to the user
    lowestLevel_->Start([=](std::stop_token stop, const auto&) {
        const auto found = planner::LowestPlannedLevel(reach, cls, parity, options, stop);
        return LowestLevel{key, found ? std::optional(found->first) : std::nullopt};
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
        main_.platform().messages.Show(*message);
        return;
    }
    lowestLevel_->Stop();
    c_.lblLevelNote->clear();
    asked_ = std::get<planner::PlanRequest>(std::move(request));
    asked_.options = options_;
    c_.progress->setValue(0);
    SetSearching(true);
    ShowStatus(QStringLiteral("探しています…"));
    search_->Start([request = asked_](std::stop_token stop, const auto& progress) {
        return planner::FindPlan(request, stop, progress);
    });
}

void PlannerWindow::StopSearch() {
    if (!search_->Running()) return;
    search_->Stop();
    SetSearching(false);
    c_.progress->setValue(0);
    ShowStatus(QStringLiteral("探すのを中止しました。"));
}

void PlannerWindow::SearchEnded(planner::PlanResult result) {
    SetSearching(false);
    ShowStatus({});
    if (!result.plan) {
        c_.progress->setValue(0);
        main_.platform().messages.Show(NoPlanMessage(result.reason));
        return;
    }
    c_.progress->setValue(c_.progress->maximum());
    plan_ = std::move(result.plan);
    planRequest_ = asked_;
    following_ = false;
    c_.lblSummary->setText(Utf8(PlanSummaryText(*plan_)));
    ShowPlanInTable(*c_.table, *plan_);
    if (!plan_->presses.empty()) c_.table->selectRow(0);
    c_.cmdSet->setEnabled(!plan_->presses.empty());
    c_.cmdCopy->setEnabled(true);
}

void PlannerWindow::SetSearching(bool on) {
    c_.cmdStop->setEnabled(on);
    c_.cmdAgain->hide();
}

void PlannerWindow::SetSelectedPress() {
    if (!plan_ || plan_->presses.empty()) return;
    const int row = std::max(0, c_.table->currentRow());
    SetPressInMainWindow(main_.controls(), plan_->presses[static_cast<std::size_t>(row)],
                         planRequest_->characterClass, planRequest_->parity);
    following_ = true;
    const PlanPlace place = PlaceOnPlan(*plan_, CoreOf(planRequest_->start), CoreOf(main_.state()));
    if (place == PlanPlace{PlanPlace::Kind::Press, static_cast<std::size_t>(row)}) {
        ShowStatus(QStringLiteral("%1回目をメイン画面に入れました。「与える」で与えてください。")
                       .arg(row + 1));
    } else {
        ShowStatus(QStringLiteral("今のマグは、この回の前の予想と違います。"
                                  "このまま与えても予想どおりには育ちません。"),
                   true);
    }
}

// After each change of the mag: the next press is selected while the mag keeps to the plan.
void PlannerWindow::Follow() {
    if (!plan_ || !following_) return;
    const PlanPlace place = PlaceOnPlan(*plan_, CoreOf(planRequest_->start), CoreOf(main_.state()));
    switch (place.kind) {
        case PlanPlace::Kind::Press:
            c_.table->selectRow(static_cast<int>(place.press));
            ShowStatus(QStringLiteral("プランどおりです。次は%1回目です。").arg(place.press + 1));
            return;
        case PlanPlace::Kind::SpecialItem: {
            const auto entry =
                SpecialItemInfos()[static_cast<std::size_t>(plan_->specialItem)].entry;
            ShowStatus(QStringLiteral("プランどおりです。最後に「レアマグ進化」から「%1」を"
                                      "選んでください。")
                           .arg(QString::fromUtf8(entry.data(), entry.size())));
            return;
        }
        case PlanPlace::Kind::Done:
            following_ = false;  // the plan is carried out
            ShowStatus(QStringLiteral("プランどおり、%1 Lv%2 になりました。")
                           .arg(Utf8(FormText(plan_->final.form)))
                           .arg(plan_->final.level));
            return;
        case PlanPlace::Kind::Off:
            ShowStatus(QStringLiteral("マグがプランの予想と違う状態になりました。"), true);
            return;
    }
}

void PlannerWindow::CopyScript() {
    if (!plan_) return;
    main_.platform().clipboard.SetText(PlanScriptText(*planRequest_, *plan_));
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
