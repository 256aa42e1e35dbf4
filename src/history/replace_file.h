#pragma once
// Writing a file so that a failure never leaves it half-written: the bytes go to a temporary
// file beside it, which then takes its place.
#include <string>
#include <string_view>

namespace toviran {

struct WriteResult {
    bool ok = false;
    std::string error;  // the reason, in Japanese, when !ok
};

// Replaces the regular file at `path` (or creates it) with `bytes`. A symbolic link is
// followed: the link stays and the file it names gets the bytes, even when that file does
// not exist yet. Anything else that is not a regular file (a folder, a device, a pipe, a
// link loop) is refused and left as it was, as is a file the user may not write to.
WriteResult ReplaceFile(const std::string& path, std::string_view bytes);

}  // namespace toviran
