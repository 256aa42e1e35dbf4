#pragma once
// Fakes of the desktop services for tests: they record every call and answer from
// queues the test fills beforehand.
#include <deque>
#include <string>
#include <vector>

#include "platform/platform.h"

namespace toviran {

class FakeMessageBoxes final : public MessageBoxes {
  public:
    bool Show(const Message& message) override { return ShowOver(nullptr, message); }
    bool ShowOver(QWidget* window, const Message& message) override;

    std::vector<Message> shown;
    std::vector<const QWidget*> over;  // the window each box was shown over; nullptr: main
    std::deque<bool> answers;          // next answers; OK when empty
    // Runs while a box is "open", e.g. to look at the window as the user would see it.
    std::function<void(const Message&)> onShow;
};

class FakeSystemBeep final : public SystemBeep {
  public:
    void Beep() override { ++beeps; }
    int beeps = 0;
};

class FakePeriodicTimer final : public PeriodicTimer {
  public:
    void SetInterval(int milliseconds) override { interval = milliseconds; }
    void SetEnabled(bool on) override { enabled = on; }
    bool Enabled() const override { return enabled; }
    void SetHandler(std::function<void()> h) override { handler = std::move(h); }
    // What the real timer does when its interval has passed.
    void Fire() {
        if (enabled && handler) handler();
    }

    int interval = 0;
    bool enabled = false;
    std::function<void()> handler;
};

class FakeFileDialog final : public FileDialog {
  public:
    std::optional<std::string> AskSavePath(const SaveDialogRequest& request) override;

    std::vector<SaveDialogRequest> requests;
    std::deque<std::optional<std::string>> answers;  // cancel when empty
};

class FakeBrowser final : public Browser {
  public:
    void Open(const std::string& url, std::function<void()> failed) override {
        opened.push_back(url);
        if (!opens) failed();
    }
    std::vector<std::string> opened;
    bool opens = true;
};

class FakeClipboard final : public Clipboard {
  public:
    void SetText(const std::string& utf8) override { text = utf8; }
    std::string text;
};

// One of each fake; `timers` lists every timer handed out, in order.
class FakePlatform {
  public:
    FakePlatform();
    FakePlatform(const FakePlatform&) = delete;
    FakePlatform& operator=(const FakePlatform&) = delete;

    Platform& platform() { return platform_; }

    FakeMessageBoxes messages;
    FakeSystemBeep beep;
    FakeFileDialog fileDialog;
    FakeBrowser browser;
    FakeClipboard clipboard;
    std::vector<FakePeriodicTimer*> timers;  // owned by whoever asked for them

  private:
    Platform platform_;
};

}  // namespace toviran
