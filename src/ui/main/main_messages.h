#pragma once
// The message boxes of the main window's exit, version and web-link commands.
#include <string_view>

#include "engine/messages.h"

namespace toviran {

// OK ends the program.
Message ExitQuestion();
Message VersionMessage();
Message PageMissingMessage(std::string_view pageCaption);
Message NoBrowserMessage(std::string_view address);

}  // namespace toviran
