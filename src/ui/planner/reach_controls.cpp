#include "ui/planner/reach_controls.h"

#include <QBoxLayout>

#include "ui/named_widgets.h"

namespace toviran {
namespace {

constexpr int kPageMargin = 4;

using ui_names::Named;
using ui_names::Text;

using ui_names::Button;

QHBoxLayout* Start(ReachControls& c) {
    auto* row = new QHBoxLayout;
    c.optFromCurrent = Named(new QRadioButton(Text("今のマグから")), "optReachFromCurrent",
                             "メイン画面のマグがなれる姿を調べます");
    c.optFromNew = Named(new QRadioButton(Text("新しいマグから")), "optReachFromNew",
                         "Lv5の新しいマグがなれる姿を調べます");
    c.optFromCurrent->setChecked(true);
    c.lblClass = Named(new QLabel, "lblReachClass", "クラスとIDはメイン画面で選んだものを使います");
    row->addWidget(c.optFromCurrent);
    row->addWidget(c.optFromNew);
    row->addStretch();
    row->addWidget(c.lblClass);
    return row;
}

QHBoxLayout* Run(ReachControls& c) {
    auto* row = new QHBoxLayout;
    c.cmdRun = Button("cmdReachRun", "調べる(&K)", "まだ調べていない姿を調べます");
    c.cmdStop = Button("cmdReachStop", "中止(&T)", "調べるのをやめます。調べ終えた姿は残ります");
    c.progress = Named(new QProgressBar, "reachProgress", "57の姿のうち、調べ終えた数");
    c.progress->setAccessibleName(Text("調べ終えた姿の数"));
    c.progress->setRange(0, 1);
    c.progress->setValue(0);
    c.progress->setTextVisible(false);
    row->addWidget(c.cmdRun);
    row->addWidget(c.cmdStop);
    row->addWidget(c.progress, 1);
    return row;
}

QHBoxLayout* RowButtons(ReachControls& c) {
    auto* row = new QHBoxLayout;
    c.cmdOpen = Button("cmdReachOpen", "この姿のプランを探す(&O)",
                       "選んだ姿の一番低いレベルへのプランを、プランのページで探します"
                       "（表で Enter かダブルクリックでも）");
    c.cmdMore =
        Button("cmdReachMore", "もっと探す(&M)", "未確定の姿を、前の4倍の作業でもう一度調べます");
    c.cmdOpen->setEnabled(false);
    c.cmdMore->setEnabled(false);
    row->addWidget(c.cmdOpen);
    row->addWidget(c.cmdMore);
    row->addStretch();
    return row;
}

}  // namespace

ReachControls BuildReachControls(QWidget& page) {
    ReachControls c;
    auto* layout = new QVBoxLayout(&page);
    layout->setContentsMargins(kPageMargin, kPageMargin, kPageMargin, kPageMargin);
    layout->addLayout(Start(c));
    layout->addLayout(Run(c));
    c.lblStatus = Named(new QLabel, "lblReachStatus");
    c.lblStatus->setWordWrap(true);
    layout->addWidget(c.lblStatus);
    c.table =
        Named(new FormsTable, "tblForms", "矢印キーで姿を選び、Enter でその姿のプランを探します");
    c.table->setAccessibleName(Text("なれる姿の表"));
    layout->addWidget(c.table, 1);
    c.lblRow = Named(new QLabel, "lblReachRow");
    c.lblRow->setWordWrap(true);
    layout->addWidget(c.lblRow);
    layout->addLayout(RowButtons(c));
    return c;
}

}  // namespace toviran
