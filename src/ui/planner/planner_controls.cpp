#include "ui/planner/planner_controls.h"

#include <QBoxLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <algorithm>

#include "ui/digit_filter.h"
#include "ui/named_widgets.h"
#include "ui/planner/condition_filter.h"
#include "ui/planner/form_list_view.h"
#include "ui/safe_paste.h"
#include "wording/conditions_text.h"

namespace toviran {
namespace {

// Narrow enough to stand beside the main window on a 1366-pixel-wide screen.
constexpr int kItemColumns = 3;
constexpr int kPageMargin = 4;
constexpr int kBoxPadding = 8;  // the box's frame and text margins
constexpr int kItemGap = 2;
constexpr int kStatGap = 4;
constexpr int kNumberDigits = 3;  // levels go up to 200
constexpr int kItemRowGap = 0;
constexpr const char* kStatNames[] = {"DEF", "POW", "DEX", "MIND"};
// The longest condition a stat box shows whole.
constexpr const char* kWidestCondition = "45..100";

using ui_names::Named;
using ui_names::Text;

QLineEdit* NumberBox(const char* name, const char* placeholder, const char* tooltip) {
    auto* box = Named(new QLineEdit, name, tooltip);
    box->setValidator(new DigitFilter(box));
    GuardPaste(*box);
    box->setMaxLength(kNumberDigits);
    box->setPlaceholderText(Text(placeholder));
    const QFontMetrics metrics = box->fontMetrics();
    box->setFixedWidth(std::max(metrics.horizontalAdvance(Text(placeholder)),
                                metrics.horizontalAdvance(QStringLiteral("000"))) +
                       kBoxPadding);
    return box;
}

// A stat's box: a number, a range or nothing; the tooltip says how they are written.
QLineEdit* ConditionBox(const char* stat) {
    const std::string name = std::string("txt") + stat;
    auto* box = Named(new QLineEdit, name.c_str());
    box->setToolTip(QStringLiteral("目標のレベルでの%1。空なら任意です。\n%2")
                        .arg(Text(stat), QString::fromStdString(wording::RangeSyntaxText())));
    box->setValidator(new ConditionFilter(box));
    GuardPaste(*box);
    box->setPlaceholderText(Text("任意"));
    box->setFixedWidth(box->fontMetrics().horizontalAdvance(Text(kWidestCondition)) + kBoxPadding);
    return box;
}

// A box's caption, which a screen reader also reads as the box's own name.
QLabel* Caption(const char* text, QWidget* box) {
    auto* label = new QLabel(Text(text));
    label->setBuddy(box);
    box->setAccessibleName(Text(text));
    return label;
}

using ui_names::Button;

class Builder {
  public:
    explicit Builder(QWidget& window) : layout_(new QVBoxLayout(&window)) {
        layout_->setContentsMargins(kPageMargin, kPageMargin, kPageMargin, kPageMargin);
    }

    PlannerControls Build() {
        layout_->addWidget(Target());
        layout_->addWidget(Items());
        layout_->addLayout(Start());
        layout_->addLayout(Search());
        c_.lblRequest = Named(new QLabel, "lblRequest");
        c_.lblRequest->setAccessibleName(Text("このプランの条件"));
        c_.lblSummary = Named(new QLabel, "lblSummary");
        c_.lblSummary->setAccessibleName(Text("このプランのえさの数"));
        for (QLabel* label : {c_.lblRequest, c_.lblSummary}) {
            label->setWordWrap(true);
            label->hide();  // until there is a plan
            layout_->addWidget(label);
        }
        layout_->addWidget(Table(), 1);
        layout_->addLayout(Use());
        return c_;
    }

  private:
    QGroupBox* Target() {
        auto* box = new QGroupBox(Text("目標"));
        auto* grid = new QGridLayout(box);
        c_.cmbForm = Named(new QComboBox, "cmbForm",
                           "なりたい姿。灰色の姿は、今のクラスとIDではえさで育ちません。"
                           "一番下の「任意の姿」なら、姿は問いません");
        c_.cmbForm->setMaxVisibleItems(20);
        UseFormListView(*c_.cmbForm);
        c_.txtLevel = NumberBox("txtLevel", "",
                                "目標のレベル。姿を選ぶと、その姿になれる一番低いレベルが入ります");
        // The notes show only while they say something; empty, they keep names of their own,
        // or a screen reader would call them by the caption of the box around them.
        c_.lblLevelNote = Named(new QLabel, "lblLevelNote");
        c_.lblLevelNote->hide();
        c_.lblFormNote = Named(new QLabel, "lblFormNote");
        c_.lblFormNote->setWordWrap(true);
        c_.lblFormNote->hide();
        grid->addWidget(Caption("姿", c_.cmbForm), 0, 0);
        grid->addWidget(c_.cmbForm, 0, 1, 1, 3);
        grid->addWidget(Caption("Lv", c_.txtLevel), 0, 4);
        grid->addWidget(c_.txtLevel, 0, 5);
        grid->addWidget(c_.lblLevelNote, 0, 6);
        grid->setColumnStretch(6, 1);
        grid->addWidget(c_.lblFormNote, 1, 1, 1, 6);
        auto* stats = new QHBoxLayout;
        for (int k = 0; k < 4; ++k) {
            c_.txtBuild[k] = ConditionBox(kStatNames[k]);
            stats->addWidget(Caption(kStatNames[k], c_.txtBuild[k]));
            stats->addWidget(c_.txtBuild[k]);
            stats->addSpacing(kStatGap);
        }
        stats->addStretch();
        grid->addLayout(stats, 2, 0, 1, 7);
        return box;
    }

    QGroupBox* Items() {
        auto* box = new QGroupBox(Text("使うえさ"));
        auto* grid = new QGridLayout(box);
        grid->setHorizontalSpacing(kItemGap);
        grid->setVerticalSpacing(kItemRowGap);
        for (int i = 0; i < kFeedItemCount; ++i) {
            const std::string_view item = FeedItemNames()[static_cast<std::size_t>(i)];
            auto* check = new QCheckBox(QString::fromUtf8(item.data(), item.size()));
            check->setObjectName(QStringLiteral("chkItem%1").arg(i));
            check->setChecked(true);
            grid->addWidget(check, i / kItemColumns, i % kItemColumns);
            c_.chkItems[static_cast<std::size_t>(i)] = check;
        }
        return box;
    }

    QHBoxLayout* Start() {
        auto* row = new QHBoxLayout;
        c_.optFromCurrent = Named(new QRadioButton(Text("今のマグから")), "optFromCurrent",
                                  "メイン画面のマグから育てます");
        c_.optFromNew = Named(new QRadioButton(Text("新しいマグから")), "optFromNew",
                              "Lv5の新しいマグから育てます");
        c_.optFromCurrent->setChecked(true);
        c_.lblClass = Named(new QLabel, "lblClass", "クラスとIDはメイン画面で選んだものを使います");
        row->addWidget(c_.optFromCurrent);
        row->addWidget(c_.optFromNew);
        row->addStretch();
        row->addWidget(c_.lblClass);
        return row;
    }

    QHBoxLayout* Search() {
        auto* row = new QHBoxLayout;
        c_.cmdSearch =
            Button("cmdSearch", "探す(&S)",
                   "一番少ないえさで目標に届く与え方を探します（Lvや能力の欄で Enter でも）");
        c_.cmdStop = Button("cmdStop", "中止(&T)", "探すのをやめます");
        c_.cmdStop->setEnabled(false);
        c_.progress = Named(new QProgressBar, "progress",
                            "探す作業の上限のうち、使った割合です。半分なら上限の半分を使いました");
        c_.progress->setAccessibleName(Text("探す作業の進み具合"));
        c_.progress->setRange(0, 1000);
        c_.progress->setValue(0);
        c_.progress->setTextVisible(false);
        row->addWidget(c_.cmdSearch);
        row->addWidget(c_.cmdStop);
        row->addWidget(c_.progress, 1);
        c_.cmdMore =
            Button("cmdMore", "もっと探す(&M)", "同じ条件を、前の4倍の作業でもう一度探します");
        c_.cmdMore->hide();  // offered when a search ran out of its budget
        row->addWidget(c_.cmdMore);
        return row;
    }

    PlanTable* Table() {
        c_.table =
            Named(new PlanTable, "tblPlan",
                  "各回の上の行が与えるえさ、下の行がそのあとのマグです。矢印キーで回を選びます");
        c_.table->setAccessibleName(Text("プランの表"));
        return c_.table;
    }

    QVBoxLayout* Use() {
        auto* rows = new QVBoxLayout;
        auto* buttons = new QHBoxLayout;
        c_.cmdSet = Button("cmdSet", "この回をセット(&E)", kSetTip);
        c_.cmdCopy = Button("cmdCopy", "toviran-sim の台本をコピー(&C)",
                            "このプランを toviran-sim で試せる台本としてクリップボードに入れます");
        c_.cmdSet->setEnabled(false);
        c_.cmdCopy->setEnabled(false);
        buttons->addWidget(c_.cmdSet);
        buttons->addWidget(c_.cmdCopy);
        buttons->addStretch();
        auto* status = new QHBoxLayout;
        c_.lblStatus = Named(new QLabel, "lblStatus");
        c_.lblStatus->setAccessibleName(Text("プランの状態"));
        c_.lblStatus->setWordWrap(true);
        c_.cmdAgain = Button("cmdAgain", "もう一度探す(&R)", "今のマグから探し直します");
        c_.cmdAgain->hide();
        status->addWidget(c_.lblStatus, 1);
        status->addWidget(c_.cmdAgain);
        rows->addLayout(buttons);
        rows->addLayout(status);
        return rows;
    }

    QVBoxLayout* layout_;
    PlannerControls c_;
};

}  // namespace

PlannerControls BuildPlannerControls(QWidget& window) {
    return Builder(window).Build();
}

}  // namespace toviran
