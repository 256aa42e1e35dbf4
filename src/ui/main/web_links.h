#pragma once
// The two pages of the help menu's web-link submenu. They ship with the program as
// local HTML files and open in the desktop's browser.
#include <filesystem>
#include <optional>
#include <span>
#include <string_view>

#include "engine/messages.h"
#include "platform/platform.h"

namespace toviran {

struct WebLink {
    std::string_view caption;   // the menu entry, naming the page
    std::string_view pageFile;  // path of the page below its folder
};

// mnuLink1, mnuLink2.
std::span<const WebLink, 2> WebLinks();

// The page's file in share/toviran, installed or in the build folder, nearest above the
// program's folder.
std::optional<std::filesystem::path> FindPage(const std::filesystem::path& programDir,
                                              std::string_view pageFile);

// mnuLink1_Click / mnuLink2_Click: opens the page, or says why it could not (a browser's
// failure may be reported after this returns, so `prompter` must outlive the launch).
void OpenWebLink(const WebLink& link, const std::filesystem::path& programDir, Browser& browser,
                 Prompter& prompter);

}  // namespace toviran
