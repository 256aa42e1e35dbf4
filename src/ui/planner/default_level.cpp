#include "ui/planner/default_level.h"

#include "ui/phrase_label.h"
#include "ui/planner/form_list.h"
#include "wording/reach_row_text.h"

namespace toviran {

DefaultLevel::DefaultLevel(const PlannerControls& c, const PlannerHost& host, ReachRows& rows,
                           const QWidget& window)
    : c_(c), host_(host), rows_(rows), window_(window) {}

void DefaultLevel::Pick(const planner::FormReach* reach) {
    StopLooking();
    level_.reset();
    if (reach == nullptr) return;
    // A level the form can never be had at is no default: the form's note says why.
    Show({});
    if (reach->reachable) Look();
}

bool DefaultLevel::Holds() const {
    return level_ && *level_ == c_.txtLevel->text();
}

bool DefaultLevel::Looking() const {
    return Holds() && PickedForm(*c_.cmbForm) >= 0 && rows_.Waiting(Key(), ReachRows::kLevel);
}

void DefaultLevel::LookWhenShown(const planner::FormReach* reach) {
    if (Holds() && reach != nullptr && reach->reachable && !Looking()) Look();
}

bool DefaultLevel::Take(const ReachKey& key) {
    if (!Holds() || PickedForm(*c_.cmbForm) < 0 || key != Key()) return false;
    ShowRow(rows_.Find(key)->row);
    return true;
}

void DefaultLevel::StopLooking() {
    rows_.Drop(ReachRows::kLevel);
    ShowNote({});
}

void DefaultLevel::Release() {
    StopLooking();
    level_.reset();
}

ReachKey DefaultLevel::Key() const {
    return {c_.optFromNew->isChecked(), host_.SelectedClass(), host_.SelectedParity(),
            PickedForm(*c_.cmbForm)};
}

// The evolution tables only say where a form begins; whether the feed tables let the mag
// get there, the row of the table of every form says. It takes a few seconds the first
// time, on that table's threads; both pages then know it.
void DefaultLevel::Look() {
    if (const KnownRow* known = rows_.Find(Key())) {
        ShowRow(known->row);
        return;
    }
    // Only an open window looks: one that opens looks then.
    if (!window_.isVisible()) return;
    ShowNote(QStringLiteral("（確かめています…）"));
    rows_.Ask(Key(), 1, ReachRows::kLevel, true);
}

void DefaultLevel::Show(const QString& level) {
    c_.txtLevel->setText(level);
    level_ = level;
}

// The row's level is one with a plan; with none, the form's note says why.
void DefaultLevel::ShowRow(const planner::ReachRow& row) {
    ShowNote({});
    if (row.level > 0) {
        Show(QString::number(row.level));
        return;
    }
    Show({});
    QString note = QString::fromStdString(wording::ReachRowText(row));
    if (row.status == planner::ReachRow::Status::Unsettled)
        note += QStringLiteral("レベルを入れれば、そのレベルで探せます。");
    ShowPhrases(*c_.lblFormNote, note, QStringLiteral("姿の説明"));
    c_.lblFormNote->show();
}

void DefaultLevel::ShowNote(const QString& note) {
    ShowPhrases(*c_.lblLevelNote, note, QStringLiteral("目標のレベルの確かめ"));
    c_.lblLevelNote->setVisible(!note.isEmpty());
}

}  // namespace toviran
