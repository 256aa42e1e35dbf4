#pragma once
// Controls made with the names a screen reader and the tests know them by.
#include <QPushButton>
#include <QString>

namespace toviran::ui_names {

inline QString Text(const char* utf8) {
    return QString::fromUtf8(utf8);
}

// The control with its object name and, when given, its tooltip.
template <typename W>
W* Named(W* w, const char* name, const char* tooltip = nullptr) {
    w->setObjectName(Text(name));
    if (tooltip != nullptr) w->setToolTip(Text(tooltip));
    return w;
}

inline QPushButton* Button(const char* name, const char* caption, const char* tooltip) {
    return Named(new QPushButton(Text(caption)), name, tooltip);
}

}  // namespace toviran::ui_names
