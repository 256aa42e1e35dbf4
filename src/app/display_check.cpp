#include "display_check.h"

namespace toviran {

bool DisplayAvailable(const std::function<const char*(const char*)>& env) {
    auto set = [&](const char* name) {
        const char* value = env(name);
        return value != nullptr && *value != '\0';
    };
    // An explicit platform (offscreen, vnc, ...) needs no display of its own.
    return set("QT_QPA_PLATFORM") || set("DISPLAY") || set("WAYLAND_DISPLAY");
}

}  // namespace toviran
