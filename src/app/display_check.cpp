#include "display_check.h"

#include <xcb/xcb.h>

#include <string_view>

namespace toviran {
namespace {

// Connects to the X display as the toolkit will, and hangs up at once.
bool XDisplayAnswers(const char* display) {
    xcb_connection_t* connection = xcb_connect(display, nullptr);
    const bool answers = xcb_connection_has_error(connection) == 0;
    xcb_disconnect(connection);
    return answers;
}

}  // namespace

bool DisplayAvailable(const std::function<const char*(const char*)>& env) {
    auto value = [&](const char* name) -> std::string_view {
        const char* v = env(name);
        return v != nullptr ? v : "";
    };
    const std::string_view platform = value("QT_QPA_PLATFORM");
    // Another explicit platform (offscreen, vnc, wayland ...) is the toolkit's to check.
    if (!platform.empty() && !platform.starts_with("xcb")) return true;
    // Left to choose, the toolkit may take a Wayland session before X.
    if (platform.empty() && !value("WAYLAND_DISPLAY").empty()) return true;
    return !value("DISPLAY").empty() && XDisplayAnswers(env("DISPLAY"));
}

}  // namespace toviran
