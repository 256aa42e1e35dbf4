#pragma once
// The toolkit's own texts (dialog buttons, the save dialog, its overwrite question) in
// Japanese, like every other text of the program.
class QCoreApplication;

namespace toviran {

// Loads Qt's Japanese translation (Debian's qt6-translations-l10n) into `app`, whatever
// the user's locale. Returns false when it is not installed; the toolkit then stays English.
bool InstallToolkitTranslation(QCoreApplication& app);

}  // namespace toviran
