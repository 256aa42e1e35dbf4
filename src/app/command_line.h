#pragma once
// The options of the window program. Qt's own options (-platform, -style, ...) are left
// to QApplication, which takes them out of the argument list.
#include <QStringList>
#include <optional>
#include <string>
#include <vector>

namespace toviran {

QStringList ArgumentList(int argc, char** argv);

// --help and --version are answered before a display is looked for, so that they work
// in a terminal without one. Returns the exit status once the answer is printed.
std::optional<int> AnswerInfoOptions(const QStringList& arguments);

// Once QApplication has taken its options: an unknown option or any other argument is
// reported on standard error, with the exit status to end with.
std::optional<int> RejectUnknownArguments(const QStringList& arguments);

// The arguments without the toolkit's own options and their values, for a check of the
// rest where no display is at hand and so no toolkit takes its options out.
QStringList WithoutToolkitOptions(const QStringList& arguments);

// The platform named with Qt's -platform (or --platform) option, or empty.
std::string PlatformArgument(const QStringList& arguments);

// The argument vector for QApplication: the program's own, with "-platform PLATFORM"
// after the program name when a platform is given. The toolkit is told this way rather
// than by QT_QPA_PLATFORM, which the programs started from here (the browser) would
// inherit. It holds the strings it points to, and must outlive the QApplication.
class ToolkitArguments {
  public:
    ToolkitArguments(int argc, char** argv, std::string platform);
    ToolkitArguments(const ToolkitArguments&) = delete;
    ToolkitArguments& operator=(const ToolkitArguments&) = delete;

    int& count() { return count_; }  // the toolkit takes out the options it knows
    char** values() { return values_.data(); }

  private:
    std::string option_ = "-platform";
    std::string platform_;
    std::vector<char*> values_;
    int count_ = 0;
};

}  // namespace toviran
