#include "history/history_file.h"

#include "history/cp932.h"

namespace toviran {

Message UnencodableQuestion(std::size_t count) {
    return {MessageIcon::Question, "えさ履歴の保存",
            "Shift_JISで保存できない文字が" + std::to_string(count) +
                "文字あります。\r\nその文字を「?」にして保存しますか？",
            MessageButtons::OkCancel};
}

Message SaveFailureMessage(const std::string& path, const WriteResult& result) {
    return {MessageIcon::Exclamation, "保存できませんでした",
            "「" + path + "」に保存できませんでした。\r\n理由：" + result.error,
            MessageButtons::Ok};
}

SaveOutcome SaveHistoryFile(const std::string& path, std::string_view text, Prompter& prompter) {
    std::string withLineEnd(text);
    withLineEnd += "\r\n";
    const Cp932Text encoded = ToCp932(withLineEnd);
    if (encoded.replaced > 0 && !prompter.Show(UnencodableQuestion(encoded.replaced)))
        return SaveOutcome::Cancelled;
    const WriteResult result = ReplaceFile(path, encoded.bytes);
    if (result.ok) return SaveOutcome::Saved;
    prompter.Show(SaveFailureMessage(path, result));
    return SaveOutcome::Failed;
}

}  // namespace toviran
