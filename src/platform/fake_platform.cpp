#include "platform/fake_platform.h"

#include <memory>

namespace toviran {

bool FakeMessageBoxes::ShowOver(QWidget* window, const Message& message) {
    shown.push_back(message);
    over.push_back(window);
    if (onShow) onShow(message);
    if (answers.empty()) return true;
    const bool answer = answers.front();
    answers.pop_front();
    return answer;
}

std::optional<std::string> FakeFileDialog::AskSavePath(const SaveDialogRequest& request) {
    requests.push_back(request);
    if (answers.empty()) return std::nullopt;
    auto answer = answers.front();
    answers.pop_front();
    return answer;
}

FakePlatform::FakePlatform()
    : platform_{messages, beep, fileDialog, browser, clipboard, [this] {
                    auto timer = std::make_unique<FakePeriodicTimer>();
                    timers.push_back(timer.get());
                    return std::unique_ptr<PeriodicTimer>(std::move(timer));
                }} {}

}  // namespace toviran
