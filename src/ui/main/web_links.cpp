#include "ui/main/web_links.h"

#include <QString>
#include <QUrl>
#include <array>
#include <system_error>

#include "ui/main/main_messages.h"

namespace toviran {
namespace {

namespace fs = std::filesystem;

constexpr std::array<WebLink, 2> kWebLinks{{
    {"使い方マニュアル", "manual/index.html"},
    {"マグ進化早見表", "mag-chart.html"},
}};

// How far above the program's folder the pages are looked for: an installed program
// lies in bin/ next to share/, a built one in build/src/app/ below build/share/.
constexpr int kSearchLevels = 4;
// Where the pages lie under such a folder, installed or built alike. The manual in the
// sources is not opened: its link to the chart, which the build makes, would lead nowhere.
constexpr std::string_view kPageFolder = "share/toviran";

bool IsFile(const fs::path& p) {
    std::error_code ignored;
    return fs::is_regular_file(p, ignored);
}

std::string FileUrl(const fs::path& page) {
    return QUrl::fromLocalFile(QString::fromStdString(page.string())).toString().toStdString();
}

}  // namespace

std::span<const WebLink, 2> WebLinks() {
    return kWebLinks;
}

std::optional<fs::path> FindPage(const fs::path& programDir, std::string_view pageFile) {
    fs::path dir = programDir;
    for (int level = 0; level < kSearchLevels; ++level) {
        const fs::path candidate = dir / kPageFolder / pageFile;
        if (IsFile(candidate)) return candidate.lexically_normal();
        if (!dir.has_relative_path()) break;  // reached the root
        dir = dir.parent_path();
    }
    return std::nullopt;
}

void OpenWebLink(const WebLink& link, const fs::path& programDir, Browser& browser,
                 Prompter& prompter) {
    const std::optional<fs::path> page = FindPage(programDir, link.pageFile);
    if (!page) {
        prompter.Show(PageMissingMessage(link.caption));
        return;
    }
    const std::string address = FileUrl(*page);
    browser.Open(address, [&prompter, address] { prompter.Show(NoBrowserMessage(address)); });
}

}  // namespace toviran
