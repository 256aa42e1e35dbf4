#pragma once
// FileNewSave: asks where to save the history and writes the box's text there. Holds the
// file name chosen last (SaveFileName), which the next save offers again.
#include <functional>
#include <string>

#include "platform/platform.h"

namespace toviran {

inline constexpr const char* kSaveDialogTitle = "えさ履歴の保存";
inline constexpr const char* kSaveDialogPreset = "マグ育成履歴";
inline constexpr const char* kSaveDialogFilters = "text file(*.txt);;All file(*.*)";

class HistorySaver {
  public:
    HistorySaver(FileDialog& dialog, MessageBoxes& messages)
        : dialog_(dialog), messages_(messages) {}

    // `boxText` is read only once the user has confirmed a file name. Returns true when
    // a file was written; a failure is reported to the user, a cancel is not. Characters
    // that the file cannot hold are written as "?" only when the user agrees.
    bool FileNewSave(const std::function<std::string()>& boxText);

    const std::string& SaveFileName() const { return saveFileName_; }

  private:
    FileDialog& dialog_;
    MessageBoxes& messages_;
    std::string saveFileName_;
};

}  // namespace toviran
