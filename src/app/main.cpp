// TOVIRAN: the mag growth simulator's window program.
#include <QApplication>
#include <cstdio>
#include <cstdlib>

#include "app/command_line.h"
#include "app/display_check.h"
#include "engine/mag_state.h"
#include "platform/qt_platform.h"
#include "platform/toolkit_translation.h"
#include "toviran_version.h"
#include "ui/main/main_window.h"

int main(int argc, char* argv[]) {
    const QStringList arguments = toviran::ArgumentList(argc, argv);
    if (const auto status = toviran::AnswerInfoOptions(arguments)) return *status;
    const toviran::DisplayChoice display = toviran::ChooseDisplay(
        [](const char* name) { return std::getenv(name); }, toviran::PlatformArgument(arguments));
    if (display == toviran::DisplayChoice::None) {
        // A mistyped option is the first thing to mend, display or not.
        if (const auto status =
                toviran::RejectUnknownArguments(toviran::WithoutToolkitOptions(arguments)))
            return *status;
        std::fprintf(stderr, "%s\n", toviran::kNoDisplayMessage);
        return 1;
    }
    toviran::ToolkitArguments toolkitArguments(argc, argv,
                                               display == toviran::DisplayChoice::X ? "xcb" : "");
    QApplication app(toolkitArguments.count(), toolkitArguments.values());
    if (const auto status = toviran::RejectUnknownArguments(QApplication::arguments()))
        return *status;
    QApplication::setApplicationName(QStringLiteral("TOVIRAN"));
    // The name of the menu entry the package installs, by which a desktop (Wayland's in
    // particular) finds the program's name and icon for its windows.
    QGuiApplication::setDesktopFileName(QString::fromUtf8(toviran::kAppId));
    toviran::InstallToolkitTranslation(app);

    toviran::MagState state;  // the one mag record, shared by every window
    toviran::QtPlatform platform;
    toviran::frmMain window(state, platform.platform());
    platform.SetMainWindow(&window);
    window.show();
    return QApplication::exec();
}
