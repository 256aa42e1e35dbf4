#include "ui/planner/reach_tab.h"

#include <algorithm>

#include "engine/mag_forms.h"
#include "planner/search_limits.h"
#include "ui/phrase_label.h"
#include "ui/planner/plan_text.h"
#include "wording/reach_row_text.h"
#include "wording/reason_text.h"

namespace toviran {
namespace {

// 「もっと探す」 works a row out again with this many times the work.
constexpr int kMoreEffort = 4;
// The chosen row in full takes up to this many lines, so that the table keeps its place.
constexpr int kRowLines = 3;

QString Utf8(const std::string& text) {
    return QString::fromStdString(text);
}

FormsRowText RowText(const planner::ReachRow& row) {
    FormsRowText text;
    if (row.level > 0) {
        text.level = QString::number(row.level);
        text.items = QString::number(row.items);
        text.bound = QString::number(row.bound);
    }
    text.answer = Utf8(wording::ReachStatusText(row.status));
    if (row.status != planner::ReachRow::Status::Reachable)
        text.answer += QStringLiteral("：") + Utf8(wording::ReachRowReason(row));
    text.spoken = Utf8(wording::ReachRowText(row));
    return text;
}

QString FormName(int form) {
    return Utf8(FormText(form));
}

}  // namespace

ReachTab::ReachTab(QWidget& page, PlannerHost& host, ReachRows& rows, OpenFn open, QObject* parent)
    : QObject(parent),
      host_(host),
      rows_(rows),
      open_(std::move(open)),
      page_(page),
      c_(BuildReachControls(page)) {
    c_.lblRow->setAlignment(Qt::AlignTop | Qt::AlignLeft);
    c_.lblRow->setMinimumHeight(kRowLines * c_.lblRow->fontMetrics().lineSpacing());
    c_.progress->setRange(0, kMagFormCount);
    rows_.OnRow([this](const ReachKey& key) { RowKnown(key); });
    Connect();
    ClassOrIdChanged();
}

void ReachTab::Connect() {
    connect(c_.cmdRun, &QPushButton::clicked, this, [this] { Run(); });
    connect(c_.cmdStop, &QPushButton::clicked, this, [this] { Stop(); });
    connect(c_.cmdMore, &QPushButton::clicked, this, [this] { SearchMore(); });
    connect(c_.cmdOpen, &QPushButton::clicked, this, [this] { OpenCurrent(); });
    connect(c_.optFromNew, &QRadioButton::toggled, this, [this] { Refresh(); });
    connect(c_.table, &QTableWidget::currentCellChanged, this, [this] { ShowCurrent(); });
    c_.table->OnOpen([this](int) { OpenCurrent(); });
}

ReachKey ReachTab::KeyFor(int form) const {
    return {c_.optFromNew->isChecked(), host_.SelectedClass(), host_.SelectedParity(), form};
}

bool ReachTab::OnView() const {
    return page_.isVisible();
}

void ReachTab::Shown() {
    if (wanted_)
        AskAll();
    else
        ShowAll();
}

void ReachTab::Hidden() {
    rows_.Drop(ReachRows::kTable);
}

void ReachTab::MagChanged() {
    if (c_.optFromNew->isChecked()) return;  // a new mag's rows stand
    if (wanted_ && OnView())
        AskAll();
    else
        ShowAll();
}

void ReachTab::ClassOrIdChanged() {
    c_.lblClass->setText(Utf8(ClassAndIdText(host_.SelectedClass(), host_.SelectedParity())));
    Refresh();
}

// Another start, class or ID, or another budget: other rows, the ones wanted before no
// longer.
void ReachTab::Refresh() {
    rows_.Drop(ReachRows::kTable);
    if (wanted_ && OnView())
        AskAll();
    else
        ShowAll();
}

void ReachTab::Run() {
    wanted_ = true;
    AskAll();
}

void ReachTab::Stop() {
    wanted_ = false;
    rows_.Drop(ReachRows::kTable);
    ShowAll();
}

void ReachTab::AskAll() {
    for (int form = 0; form < kMagFormCount; ++form) rows_.Ask(KeyFor(form), 1, ReachRows::kTable);
    ShowAll();
}

void ReachTab::SearchMore() {
    const int form = c_.table->CurrentForm();
    if (form < 0) return;
    const KnownRow* known = rows_.Find(KeyFor(form));
    if (known == nullptr || known->row.status != planner::ReachRow::Status::Unsettled ||
        known->effort >= planner::kMostEffort)
        return;
    rows_.Ask(KeyFor(form), std::min(planner::kMostEffort, known->effort * kMoreEffort),
              ReachRows::kTable, true);
    ShowRow(form);
    ShowProgress();
    ShowCurrent();
}

void ReachTab::OpenCurrent() {
    const int form = c_.table->CurrentForm();
    if (form < 0 || rows_.Waiting(KeyFor(form))) return;
    const KnownRow* known = rows_.Find(KeyFor(form));
    if (known == nullptr || known->row.level <= 0) return;
    open_(c_.optFromNew->isChecked(), known->row);
}

void ReachTab::RowKnown(const ReachKey& key) {
    if (key != KeyFor(key.form)) return;  // a row the planner's own page asked for
    ShowRow(key.form);
    ShowProgress();
    if (c_.table->CurrentForm() == key.form) ShowCurrent();
}

void ReachTab::ShowRow(int form) {
    const ReachKey key = KeyFor(form);
    FormsRowText text;
    if (rows_.Waiting(key)) {
        text.answer = QStringLiteral("調べています…");
    } else if (const KnownRow* known = rows_.Find(key)) {
        text = RowText(known->row);
    }
    c_.table->ShowRow(form, text);
}

void ReachTab::ShowAll() {
    for (int form = 0; form < kMagFormCount; ++form) ShowRow(form);
    ShowProgress();
    ShowCurrent();
}

// The bar counts the forms worked out; the buttons start what is left or stop, and the
// focus goes along with them.
void ReachTab::ShowProgress() {
    int known = 0;
    int waiting = 0;
    int unsettled = 0;
    for (int form = 0; form < kMagFormCount; ++form) {
        const ReachKey key = KeyFor(form);
        if (rows_.Waiting(key, ReachRows::kTable)) {
            ++waiting;
        } else if (const KnownRow* row = rows_.Find(key)) {
            ++known;
            unsettled += row->row.status == planner::ReachRow::Status::Unsettled;
        }
    }
    c_.progress->setValue(known);
    QString status;
    if (waiting > 0)
        status = QStringLiteral("調べています…（%1の姿のうち%2）").arg(kMagFormCount).arg(known);
    else if (known == kMagFormCount)
        status = unsettled == 0 ? QStringLiteral("すべての姿を調べました。")
                                : QStringLiteral(
                                      "すべての姿を調べました。未確定の姿が%1つあり、"
                                      "表で選んで「もっと探す」で調べ直せます。")
                                      .arg(unsettled);
    else
        status = QStringLiteral("中止しました（%1の姿のうち%2）。「調べる」で続きを調べます。")
                     .arg(kMagFormCount)
                     .arg(known);
    ShowPhrases(*c_.lblStatus, status);
    const QWidget* focused = page_.focusWidget();
    const bool onButtons = focused == c_.cmdRun || focused == c_.cmdStop;
    c_.cmdStop->setEnabled(waiting > 0);
    c_.cmdRun->setEnabled(waiting == 0 && known < kMagFormCount);
    if (onButtons && !focused->isEnabled()) (waiting > 0 ? c_.cmdStop : c_.cmdRun)->setFocus();
}

void ReachTab::ShowCurrent() {
    const int form = c_.table->CurrentForm();
    QString text;
    bool open = false;
    bool more = false;
    if (form >= 0) {
        const ReachKey key = KeyFor(form);
        const KnownRow* known = rows_.Find(key);
        text = FormName(form) + QStringLiteral("：");
        if (rows_.Waiting(key)) {
            text += QStringLiteral("調べています…");
        } else if (known != nullptr) {
            text += Utf8(wording::ReachRowText(known->row));
            if (known->effort > 1)
                text += QStringLiteral("（探す作業%1倍で調べました）").arg(known->effort);
            open = known->row.level > 0;
            more = known->row.status == planner::ReachRow::Status::Unsettled &&
                   known->effort < planner::kMostEffort;
        } else {
            text += QStringLiteral("まだ調べていません。");
        }
    }
    ShowPhrases(*c_.lblRow, text, QStringLiteral("選んだ姿の答え"));
    c_.cmdOpen->setEnabled(open);
    c_.cmdMore->setEnabled(more);
}

}  // namespace toviran
