#include "platform/qt_platform.h"

#include <QApplication>
#include <QClipboard>
#include <QDesktopServices>
#include <QFileDialog>
#include <QFileInfo>
#include <QGridLayout>
#include <QMessageBox>
#include <QProcess>
#include <QStandardPaths>
#include <QTimer>
#include <QUrl>
#include <array>

#include "platform/file_list_room.h"
#include "platform/phrases.h"

namespace toviran {
namespace {

constexpr std::array<QMessageBox::Icon, 4> kIcons{
    QMessageBox::NoIcon,       // MessageIcon::None
    QMessageBox::Information,  // MessageIcon::Information
    QMessageBox::Warning,      // MessageIcon::Exclamation
    QMessageBox::Question,     // MessageIcon::Question
};

// Room the window manager takes beside a title (the window icon and the minimise,
// maximise and close buttons), in title-font line heights.
constexpr int kTitleBarExtraLines = 6;

constexpr const char* kFolderMissing =
    "%1\nこのフォルダは見つかりません。\nフォルダ名を確かめてください。";

QString Utf8(const std::string& text) {
    return QString::fromStdString(text);
}

// A box is centred on the window the user is working in: the modal window that raised
// it (the parameter window) when one is open, else the main window.
QWidget* BoxParent(QWidget* mainWindow) {
    if (QWidget* modal = QApplication::activeModalWidget()) return modal;
    return mainWindow != nullptr ? mainWindow : QApplication::activeWindow();
}

// Lines of a box stay this many full-width characters wide at most: narrow enough that the
// box never wraps them again itself, which would break them inside a word.
constexpr int kBoxLineCharacters = 30;

// A box sizes itself to its text; a short text under a long title would leave the window
// manager no room for the title, which it then cuts short.
void WidenForTitle(QMessageBox& box) {
    auto* grid = qobject_cast<QGridLayout*>(box.layout());
    if (grid == nullptr) return;
    QFont titleFont = box.font();
    titleFont.setBold(true);  // title bars usually show the title in bold
    const QFontMetrics metrics(titleFont);
    const int width =
        metrics.horizontalAdvance(box.windowTitle()) + kTitleBarExtraLines * metrics.height();
    grid->addItem(new QSpacerItem(width, 0, QSizePolicy::Minimum, QSizePolicy::Minimum),
                  grid->rowCount(), 0, 1, grid->columnCount());
}

// The save dialog refuses a file name in a folder that does not exist, as the user's
// own mistake to correct there; otherwise the save would only fail after the dialog.
class ExistingFolderSaveDialog final : public QFileDialog {
  public:
    using QFileDialog::QFileDialog;

    void accept() override {
        const QStringList files = selectedFiles();
        if (!files.isEmpty()) {
            const QFileInfo file(files.first());
            const QString folder = file.absolutePath();
            if (!file.isDir() && !QFileInfo(folder).isDir()) {
                QMessageBox::warning(this, windowTitle(),
                                     QString::fromUtf8(kFolderMissing).arg(folder));
                return;
            }
        }
        QFileDialog::accept();
    }

  protected:
    void showEvent(QShowEvent* event) override {
        QFileDialog::showEvent(event);
        GiveFileListsRoom(*this);
    }
};

}  // namespace

bool QtMessageBoxes::Show(const Message& message) {
    return ShowOver(BoxParent(parent_), message);
}

bool QtMessageBoxes::ShowOver(QWidget* window, const Message& message) {
    const QString title =
        message.title.empty() ? QString::fromUtf8(kAppTitle) : Utf8(message.title);
    QMessageBox box(kIcons[static_cast<std::size_t>(message.icon)], title, QString(),
                    QMessageBox::Ok, window);
    const int lineWidth = box.fontMetrics().horizontalAdvance(QChar(0x3042)) * kBoxLineCharacters;
    box.setText(BreakBetweenPhrases(Utf8(message.text), box.font(), lineWidth));
    if (message.buttons == MessageButtons::OkCancel) {
        box.setStandardButtons(QMessageBox::Ok | QMessageBox::Cancel);
    }
    box.setDefaultButton(QMessageBox::Ok);
    WidenForTitle(box);
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
    ExistingFolderSaveDialog dialog(parent_, Utf8(request.title), QString(), Utf8(request.filters));
    dialog.setAcceptMode(QFileDialog::AcceptSave);  // asks before overwriting a file
    dialog.setFileMode(QFileDialog::AnyFile);
    // The toolkit's own dialog on every desktop: the same language and the folder check.
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    dialog.selectFile(Utf8(request.initialName));
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) {
        return std::nullopt;
    }
    return dialog.selectedFiles().first().toStdString();
}

void QtBrowser::Open(const std::string& url, std::function<void()> failed) {
    const QString launcher = QStandardPaths::findExecutable(Utf8(launcher_));
    if (launcher.isEmpty()) {
        // Without the desktop's launcher the toolkit looks for a browser itself.
        if (!QDesktopServices::openUrl(QUrl(Utf8(url)))) failed();
        return;
    }
    // The launcher's exit status tells whether a program took the address. It may run
    // as long as the browser it started, so its end is awaited without blocking; the
    // process object deletes itself then (one still running at exit is left running).
    auto* process = new QProcess;
    process->setProcessChannelMode(QProcess::ForwardedChannels);
    QObject::connect(process, &QProcess::finished, process,
                     [process, failed](int code, QProcess::ExitStatus status) {
                         if (status != QProcess::NormalExit || code != 0) failed();
                         process->deleteLater();
                     });
    QObject::connect(process, &QProcess::errorOccurred, process,
                     [process, failed](QProcess::ProcessError error) {
                         if (error != QProcess::FailedToStart) return;  // finished follows
                         failed();
                         process->deleteLater();
                     });
    process->start(launcher, {Utf8(url)});
}

void QtClipboard::SetText(const std::string& utf8) {
    QApplication::clipboard()->setText(Utf8(utf8));
}

QtPlatform::QtPlatform()
    : platform_{messages_,   beep_,
                fileDialog_, browser_,
                clipboard_,  [] { return std::unique_ptr<PeriodicTimer>(new QtPeriodicTimer); }} {}

void QtPlatform::SetMainWindow(QWidget* window) {
    messages_.SetParent(window);
    fileDialog_.SetParent(window);
}

}  // namespace toviran
