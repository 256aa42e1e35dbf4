#include "ui/planner/form_list.h"

#include <QStandardItemModel>

#include "engine/mag_forms.h"
#include "engine/rare_evolution.h"
#include "ui/phrase_label.h"
#include "wording/conditions_text.h"
#include "wording/reach_text.h"

namespace toviran {
namespace {

QString Utf8(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

QString Caption(const planner::FormReach& reach) {
    QString caption = Utf8(kMagForms[reach.form].name);
    if (reach.specialItem >= 0)
        caption += QStringLiteral("（%1）").arg(
            Utf8(SpecialItemInfos()[static_cast<std::size_t>(reach.specialItem)].entry));
    return caption;
}

// Forms keep their catalogue number as their row: any form comes after them all.
int RowOf(int form) {
    return form == planner::kAnyForm ? kMagFormCount : form;
}

QStandardItem* Item(const QComboBox& list, int form) {
    auto* model = qobject_cast<QStandardItemModel*>(list.model());
    return model != nullptr ? model->item(RowOf(form)) : nullptr;
}

}  // namespace

void ShowReach(QComboBox& list, const std::vector<planner::FormReach>& reach, CharacterClass cls,
               SectionIdParity parity) {
    if (list.count() != kMagFormCount + 1) {
        list.clear();
        for (int form = 0; form < kMagFormCount; ++form) list.addItem(QString(), form);
        list.addItem(QString::fromStdString(wording::TargetFormText(planner::kAnyForm)),
                     planner::kAnyForm);
        list.setItemData(RowOf(planner::kAnyForm),
                         QStringLiteral("どの姿でもかまいません。能力値の条件だけで探します"),
                         Qt::ToolTipRole);
    }
    for (const planner::FormReach& r : reach) {
        list.setItemText(r.form, Caption(r));
        list.setItemData(r.form, QString::fromStdString(wording::ReachText(r, cls, parity)),
                         Qt::ToolTipRole);
        if (QStandardItem* item = Item(list, r.form)) item->setEnabled(r.reachable);
    }
}

int PickedForm(const QComboBox& list) {
    return list.currentData().toInt();
}

bool FormGreyed(const QComboBox& list, int form) {
    const QStandardItem* item = Item(list, form);
    return item != nullptr && !item->isEnabled();
}

void ShowPickedReach(QComboBox& list, QLabel& note, const planner::FormReach* reach,
                     CharacterClass cls, SectionIdParity parity) {
    const bool greyed = reach != nullptr && !reach->reachable;
    QPalette palette;  // inherited: the window's own colours
    if (greyed) {
        palette = list.palette();
        const QColor grey = palette.color(QPalette::Disabled, QPalette::ButtonText);
        for (const auto group : {QPalette::Active, QPalette::Inactive}) {
            palette.setColor(group, QPalette::ButtonText, grey);
            palette.setColor(group, QPalette::Text, grey);
        }
    }
    list.setPalette(palette);
    ShowPhrases(
        note, greyed ? QString::fromStdString(wording::ReachText(*reach, cls, parity)) : QString(),
        QStringLiteral("姿の説明"));
    note.setVisible(greyed);
}

}  // namespace toviran
