#pragma once
// The options of the window program. Qt's own options (-platform, -style, ...) are left
// to QApplication, which takes them out of the argument list.
#include <QStringList>
#include <optional>

namespace toviran {

QStringList ArgumentList(int argc, char** argv);

// --help and --version are answered before a display is looked for, so that they work
// in a terminal without one. Returns the exit status once the answer is printed.
std::optional<int> AnswerInfoOptions(const QStringList& arguments);

// Once QApplication has taken its options: an unknown option or any other argument is
// reported on standard error, with the exit status to end with.
std::optional<int> RejectUnknownArguments(const QStringList& arguments);

}  // namespace toviran
