#include "display_check.h"

#include <xcb/xcb.h>

namespace toviran {

bool XDisplayAnswers(const char* display) {
    xcb_connection_t* connection = xcb_connect(display, nullptr);
    const bool answers = xcb_connection_has_error(connection) == 0;
    xcb_disconnect(connection);
    return answers;
}

DisplayChoice ChooseDisplay(const Environment& env, std::string_view platformArgument,
                            const std::function<bool(const char*)>& xAnswers) {
    auto value = [&](const char* name) -> std::string_view {
        const char* v = env(name);
        return v != nullptr ? v : "";
    };
    // The command line's -platform wins over the environment, as in the toolkit.
    const std::string_view platform =
        platformArgument.empty() ? value("QT_QPA_PLATFORM") : platformArgument;
    // Another named platform (offscreen, vnc, wayland ...) is the toolkit's to check.
    if (!platform.empty() && !platform.starts_with("xcb")) return DisplayChoice::AsChosen;
    const bool xAnswering = !value("DISPLAY").empty() && xAnswers(env("DISPLAY"));
    if (!platform.empty()) return xAnswering ? DisplayChoice::AsChosen : DisplayChoice::None;
    if (xAnswering) return DisplayChoice::X;
    // Without X, a Wayland desktop is the toolkit's to take.
    return value("WAYLAND_DISPLAY").empty() ? DisplayChoice::None : DisplayChoice::AsChosen;
}

}  // namespace toviran
