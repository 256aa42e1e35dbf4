#pragma once
// Saving the history (FileSave): the text + CR LF in CP932, replacing the file only once
// the new one is complete.
#include <cstddef>
#include <string>
#include <string_view>

#include "engine/messages.h"
#include "history/replace_file.h"

namespace toviran {

// The question asked before `count` characters are saved as "?" (OK saves, Cancel does not).
Message UnencodableQuestion(std::size_t count);

// The exclamation box that reports a failed save (title "保存できませんでした").
Message SaveFailureMessage(const std::string& path, const WriteResult& result);

enum class SaveOutcome { Saved, Cancelled, Failed };

// Writes `text` + CR LF in CP932 to `path`. When some characters cannot be held, asks
// `prompter` first; a failure is reported to it, and the earlier file stays as it was.
SaveOutcome SaveHistoryFile(const std::string& path, std::string_view text, Prompter& prompter);

}  // namespace toviran
