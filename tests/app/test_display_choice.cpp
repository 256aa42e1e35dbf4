// Which display the window program takes: X wherever the desktop offers it and the user
// named no platform, so that the program can place its side windows.
#include <gtest/gtest.h>

#include <map>
#include <string>

#include "app/display_check.h"

namespace toviran {
namespace {

struct Case {
    const char* what;
    std::map<std::string, std::string> env;
    std::string platformArgument;
    DisplayChoice expected;
};

TEST(DisplayChoice, XWhereOfferedUnlessAPlatformIsNamed) {
    const std::string answering = ":5";  // the one X display that answers here
    const Case cases[] = {
        {"nothing", {}, "", DisplayChoice::None},
        {"X", {{"DISPLAY", ":5"}}, "", DisplayChoice::X},
        {"Wayland with XWayland",
         {{"DISPLAY", ":5"}, {"WAYLAND_DISPLAY", "wayland-0"}},
         "",
         DisplayChoice::X},
        {"empty QT_QPA_PLATFORM",
         {{"DISPLAY", ":5"}, {"QT_QPA_PLATFORM", ""}},
         "",
         DisplayChoice::X},
        {"Wayland, X not answering",
         {{"DISPLAY", ":9"}, {"WAYLAND_DISPLAY", "wayland-0"}},
         "",
         DisplayChoice::AsChosen},
        {"X not answering", {{"DISPLAY", ":9"}}, "", DisplayChoice::None},
        {"Wayland named",
         {{"DISPLAY", ":5"}, {"QT_QPA_PLATFORM", "wayland"}},
         "",
         DisplayChoice::AsChosen},
        {"xcb named, answering",
         {{"DISPLAY", ":5"}, {"QT_QPA_PLATFORM", "xcb"}},
         "",
         DisplayChoice::AsChosen},
        {"xcb named, not answering",
         {{"DISPLAY", ":9"}, {"QT_QPA_PLATFORM", "xcb"}},
         "",
         DisplayChoice::None},
        {"-platform offscreen, no display", {}, "offscreen", DisplayChoice::AsChosen},
        {"-platform wins over the environment",
         {{"QT_QPA_PLATFORM", "offscreen"}},
         "xcb",
         DisplayChoice::None},
    };
    for (const Case& c : cases) {
        const auto env = [&c](const char* name) -> const char* {
            const auto it = c.env.find(name);
            return it == c.env.end() ? nullptr : it->second.c_str();
        };
        const auto xAnswers = [&answering](const char* display) { return display == answering; };
        EXPECT_EQ(ChooseDisplay(env, c.platformArgument, xAnswers), c.expected) << c.what;
    }
}

}  // namespace
}  // namespace toviran
