// TOVIRAN: the mag growth simulator's window program.
#include <QApplication>
#include <cstdio>
#include <cstdlib>

#include "app/command_line.h"
#include "app/display_check.h"
#include "engine/mag_state.h"
#include "platform/qt_platform.h"
#include "platform/toolkit_translation.h"
#include "ui/main/main_window.h"

int main(int argc, char* argv[]) {
    if (const auto status = toviran::AnswerInfoOptions(toviran::ArgumentList(argc, argv)))
        return *status;
    if (!toviran::DisplayAvailable([](const char* name) { return std::getenv(name); })) {
        std::fprintf(stderr, "%s\n", toviran::kNoDisplayMessage);
        return 1;
    }
    QApplication app(argc, argv);
    if (const auto status = toviran::RejectUnknownArguments(QApplication::arguments()))
        return *status;
    QApplication::setApplicationName(QStringLiteral("TOVIRAN"));
    toviran::InstallToolkitTranslation(app);

    toviran::MagState state;  // the one mag record, shared by every window
    toviran::QtPlatform platform;
    toviran::frmMain window(state, platform.platform());
    platform.SetMainWindow(&window);
    window.show();
    return QApplication::exec();
}
