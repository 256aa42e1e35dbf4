#pragma once
// The desktop services on Qt: message boxes, beep, timer, save dialog, browser and
// clipboard.
#include <QPointer>
#include <QWidget>
#include <memory>
#include <string>

#include "platform/platform.h"

class QTimer;

namespace toviran {

class QtMessageBoxes final : public MessageBoxes {
  public:
    // Boxes are modal to `parent` when it is set (the main window), else to the app.
    void SetParent(QWidget* parent) { parent_ = parent; }
    bool Show(const Message& message) override;
    bool ShowOver(QWidget* window, const Message& message) override;

  private:
    QPointer<QWidget> parent_;
};

class QtSystemBeep final : public SystemBeep {
  public:
    void Beep() override;
};

class QtPeriodicTimer final : public PeriodicTimer {
  public:
    QtPeriodicTimer();
    ~QtPeriodicTimer() override;
    void SetInterval(int milliseconds) override;
    void SetEnabled(bool enabled) override;
    bool Enabled() const override;
    void SetHandler(std::function<void()> handler) override;

  private:
    std::unique_ptr<QTimer> timer_;
    std::function<void()> handler_;
};

class QtFileDialog final : public FileDialog {
  public:
    void SetParent(QWidget* parent) { parent_ = parent; }
    std::optional<std::string> AskSavePath(const SaveDialogRequest& request) override;

  private:
    QPointer<QWidget> parent_;
};

// Opens addresses through the desktop's launcher (xdg-open), or the toolkit's own
// browser search where there is none.
class QtBrowser final : public Browser {
  public:
    explicit QtBrowser(std::string launcher = "xdg-open") : launcher_(std::move(launcher)) {}
    void Open(const std::string& url, std::function<void()> failed) override;

  private:
    std::string launcher_;
};

class QtClipboard final : public Clipboard {
  public:
    void SetText(const std::string& utf8) override;
};

// The program's set of Qt services; `platform()` hands them to the windows.
class QtPlatform {
  public:
    QtPlatform();
    Platform& platform() { return platform_; }
    // Dialogs and message boxes are made modal to this window.
    void SetMainWindow(QWidget* window);

  private:
    QtMessageBoxes messages_;
    QtSystemBeep beep_;
    QtFileDialog fileDialog_;
    QtBrowser browser_;
    QtClipboard clipboard_;
    Platform platform_;
};

}  // namespace toviran
