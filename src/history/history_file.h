#pragma once
// Writing the history text to a file: CP932, text + CR LF, replaced atomically.
#include <string>
#include <string_view>

#include "engine/messages.h"

namespace toviran {

// UTF-8 to CP932; characters CP932 cannot hold become "?" (the code page's replacement).
std::string ToCp932(std::string_view utf8);

struct SaveResult {
    bool ok = false;
    std::string error;  // the reason, in Japanese, when !ok
};

// Writes `text` + CR LF in CP932 to a temporary file beside `path`, then renames it over
// `path`; on failure the earlier file is left as it was.
SaveResult SaveHistoryFile(const std::string& path, std::string_view text);

// The exclamation box that reports a failed save (title "保存できませんでした").
Message SaveFailureMessage(const std::string& path, const SaveResult& result);

}  // namespace toviran
