#pragma once
// Which display the window program runs on, and whether it can reach one at all.
#include <functional>
#include <string_view>

namespace toviran {

// Returns an environment variable's value, or nullptr when it is not set.
using Environment = std::function<const char*(const char*)>;

enum class DisplayChoice {
    None,      // no display within reach: say so and end
    X,         // run on X, chosen here for the user
    AsChosen,  // the platform the user named, or the toolkit's own choice
};

// Connects to the X display as the toolkit will, and hangs up at once.
bool XDisplayAnswers(const char* display);

// A native Wayland client cannot place its own windows: the side windows would not open
// beside the main window, nor follow it when it is dragged. So where the user has chosen
// no platform (QT_QPA_PLATFORM, or -platform given as `platformArgument`) and the desktop
// offers X (DISPLAY, as XWayland does on a Wayland desktop), the program runs on X. The
// toolkit aborts when it finds no display, or when the X display it is given does not
// answer; we look first and say so plainly.
DisplayChoice ChooseDisplay(const Environment& env, std::string_view platformArgument,
                            const std::function<bool(const char*)>& xAnswers = XDisplayAnswers);

inline constexpr const char* kNoDisplayMessage =
    "toviran: 表示できる画面（ディスプレイ）が見つかりません。"
    "画面なしで使うときはバッチシミュレータ toviran-sim を使ってください。";

}  // namespace toviran
