#include "ui/main/history_save.h"

#include "history/history_file.h"

namespace toviran {

bool HistorySaver::FileNewSave(const std::function<std::string()>& boxText) {
    const SaveDialogRequest request{kSaveDialogTitle,
                                    saveFileName_.empty() ? kSaveDialogPreset : saveFileName_,
                                    kSaveDialogFilters};
    const auto path = dialog_.AskSavePath(request);
    if (!path) return false;
    saveFileName_ = *path;
    return SaveHistoryFile(saveFileName_, boxText(), messages_) == SaveOutcome::Saved;
}

}  // namespace toviran
