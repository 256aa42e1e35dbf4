#include "ui/main/menu_box_link.h"

namespace toviran {

void LinkMenuToHiddenBox(QAction* entry, QCheckBox* box, QObject* context,
                         std::function<void()> display) {
    // Qt has already inverted the entry's check mark when triggered fires.
    QObject::connect(entry, &QAction::triggered, context, [box, display](bool checked) {
        if (box->isChecked() == checked) {
            display();  // already in step: toggled will not fire
            return;
        }
        box->setChecked(checked);
    });
    // toggled also fires when code changes the box.
    QObject::connect(box, &QCheckBox::toggled, context, [display] { display(); });
}

}  // namespace toviran
