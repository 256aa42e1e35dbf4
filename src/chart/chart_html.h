#pragma once
// Small pieces of the chart's HTML: escaped text and links to a form's entry.
#include <string>
#include <string_view>

#include "engine/mag_forms.h"

namespace toviran::chart {

inline std::string Escape(std::string_view text) {
    std::string out;
    for (char c : text) {
        switch (c) {
            case '&':
                out += "&amp;";
                break;
            case '<':
                out += "&lt;";
                break;
            case '>':
                out += "&gt;";
                break;
            default:
                out += c;
        }
    }
    return out;
}

// The anchor of a form's entry in the index of how each form is reached.
inline std::string FormAnchor(int form) {
    return "form-" + std::to_string(form);
}

// A form's name linked to its entry; any other text as it is.
inline std::string FormLink(std::string_view name) {
    const int form = MagFormIndex(name);
    if (form == kNoForm) return Escape(name);
    return "<a href=\"#" + FormAnchor(form) + "\">" + Escape(name) + "</a>";
}

}  // namespace toviran::chart
