#pragma once
// The mag catalogue: for each of the 57 mag forms, what the catalogue window shows.
// Qt-free, so the data can be checked without a window.
#include <span>
#include <string_view>

#include "ui/data/support_patterns.h"

namespace toviran {

struct CatalogEntry {
    std::string_view listName;     // as the mag's name is spelled everywhere
    std::string_view englishName;  // lblName
    std::string_view photonBlast;  // lblBlast, "-" for none
    SupportPattern support;
    std::string_view howToGet;  // lblGet; a second line follows a CR LF
};

// All entries, in the order of the selection list (the engine's mag-name order).
std::span<const CatalogEntry> Catalogue();

// The entry whose list name equals `listName` exactly, or nullptr.
const CatalogEntry* FindCatalogEntry(std::string_view listName);

}  // namespace toviran
