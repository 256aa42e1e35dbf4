#pragma once
// Thin interfaces over the desktop services the windows use. Each has a Qt
// implementation (qt_platform.h) and a fake for tests (fake_platform.h).
#include <functional>
#include <memory>
#include <optional>
#include <string>

#include "engine/messages.h"

class QWidget;

namespace toviran {

// Message boxes: Prompter::Show shows a modal box over the main window (or over the modal
// window open) and returns true for OK; ShowOver shows it over the window that raised it.
class MessageBoxes : public Prompter {
  public:
    virtual bool ShowOver(QWidget* window, const Message& message) = 0;
};

class SystemBeep {
  public:
    virtual ~SystemBeep() = default;
    virtual void Beep() = 0;
};

// A periodic timer whose handler runs on the user-interface thread.
class PeriodicTimer {
  public:
    virtual ~PeriodicTimer() = default;
    virtual void SetInterval(int milliseconds) = 0;
    virtual void SetEnabled(bool enabled) = 0;
    virtual bool Enabled() const = 0;
    virtual void SetHandler(std::function<void()> handler) = 0;
};

struct SaveDialogRequest {
    std::string title;        // window title of the dialog
    std::string initialName;  // file name preset in the dialog (kept between saves)
    std::string filters;      // Qt filter string, e.g. "text file(*.txt);;All file(*.*)"
};

// The save-file dialog; nullopt means cancelled. It asks before overwriting.
class FileDialog {
  public:
    virtual ~FileDialog() = default;
    virtual std::optional<std::string> AskSavePath(const SaveDialogRequest& request) = 0;
};

// Opens an address in the desktop's browser. `failed` runs when no browser could show
// it: at once, or later when the desktop's launcher reports that it gave up.
class Browser {
  public:
    virtual ~Browser() = default;
    virtual void Open(const std::string& url, std::function<void()> failed) = 0;
};

// The desktop's clipboard, for text the user takes to another program.
class Clipboard {
  public:
    virtual ~Clipboard() = default;
    virtual void SetText(const std::string& utf8) = 0;
};

// Everything a window may need, handed down from the application.
struct Platform {
    MessageBoxes& messages;
    SystemBeep& beep;
    FileDialog& fileDialog;
    Browser& browser;
    Clipboard& clipboard;
    // Timers are created per use (the feed timer owns one).
    std::function<std::unique_ptr<PeriodicTimer>()> makeTimer;
};

}  // namespace toviran
