#include "platform/qt_platform.h"

#include <QApplication>
#include <QDesktopServices>
#include <QFileDialog>
#include <QMessageBox>
#include <QTimer>
#include <QUrl>
#include <array>

namespace toviran {
namespace {

constexpr std::array<QMessageBox::Icon, 4> kIcons{
    QMessageBox::NoIcon,       // MessageIcon::None
    QMessageBox::Information,  // MessageIcon::Information
    QMessageBox::Warning,      // MessageIcon::Exclamation
    QMessageBox::Question,     // MessageIcon::Question
};

QString Utf8(const std::string& text) {
    return QString::fromStdString(text);
}

}  // namespace

bool QtMessageBoxes::Show(const Message& message) {
    const QString title =
        message.title.empty() ? QString::fromUtf8(kAppTitle) : Utf8(message.title);
    QMessageBox box(kIcons[static_cast<std::size_t>(message.icon)], title, Utf8(message.text),
                    QMessageBox::Ok, parent_ ? parent_.data() : QApplication::activeWindow());
    if (message.buttons == MessageButtons::OkCancel) {
        box.setStandardButtons(QMessageBox::Ok | QMessageBox::Cancel);
    }
    box.setDefaultButton(QMessageBox::Ok);
    return box.exec() == QMessageBox::Ok;
}

void QtSystemBeep::Beep() {
    QApplication::beep();
}

QtPeriodicTimer::QtPeriodicTimer() : timer_(std::make_unique<QTimer>()) {
    QObject::connect(timer_.get(), &QTimer::timeout, [this] {
        if (handler_) handler_();
    });
}

QtPeriodicTimer::~QtPeriodicTimer() = default;

void QtPeriodicTimer::SetInterval(int milliseconds) {
    timer_->setInterval(milliseconds);
}

void QtPeriodicTimer::SetEnabled(bool enabled) {
    if (enabled) {
        timer_->start();
    } else {
        timer_->stop();
    }
}

bool QtPeriodicTimer::Enabled() const {
    return timer_->isActive();
}

void QtPeriodicTimer::SetHandler(std::function<void()> handler) {
    handler_ = std::move(handler);
}

std::optional<std::string> QtFileDialog::AskSavePath(const SaveDialogRequest& request) {
    // QFileDialog asks before overwriting and only accepts a folder that exists.
    const QString path = QFileDialog::getSaveFileName(
        parent_, Utf8(request.title), Utf8(request.initialName), Utf8(request.filters));
    if (path.isEmpty()) return std::nullopt;
    return path.toStdString();
}

bool QtBrowser::Open(const std::string& url) {
    return QDesktopServices::openUrl(QUrl(Utf8(url)));
}

QtPlatform::QtPlatform()
    : platform_{messages_, beep_, fileDialog_, browser_,
                [] { return std::unique_ptr<PeriodicTimer>(new QtPeriodicTimer); }} {}

void QtPlatform::SetMainWindow(QWidget* window) {
    messages_.SetParent(window);
    fileDialog_.SetParent(window);
}

}  // namespace toviran
