#include "ui/main/main_messages.h"

#include <string>

#include "toviran_version.h"

namespace toviran {
namespace {

constexpr const char* kAuthor = "TOVIRAN開発チーム";

}  // namespace

Message ExitQuestion() {
    return {MessageIcon::Question, "終わっちゃうの？", "TOVIRANを終了しますか？",
            MessageButtons::OkCancel};
}

Message VersionMessage() {
    // "TOVIRANVer 2.11 2002/" with the version number that the package carries too.
    return {MessageIcon::None, kAppTitle,
            std::string("TOVIRANVer ") + kVersion + " 2002/" + kAuthor, MessageButtons::Ok};
}

Message PageMissingMessage(std::string_view pageCaption) {
    return {MessageIcon::Information, kAppTitle,
            "「" + std::string(pageCaption) + "」のページが見つかりませんでした。",
            MessageButtons::Ok};
}

Message NoBrowserMessage(std::string_view address) {
    return {MessageIcon::Information, kAppTitle,
            "ブラウザを起動できませんでした。\n次のページを手動で開いてください。\n" +
                std::string(address),
            MessageButtons::Ok};
}

}  // namespace toviran
