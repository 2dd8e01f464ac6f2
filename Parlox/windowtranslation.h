#pragma once

#include <Parlox/parloxtypes.h>

#include <QString>
#include <QStringList>

class QWidget;

namespace Parlox {

class TParloxForm;
class TParloxSelect;

// What the application's selector holds when it is made in code rather than read from stored
// form data. Every member has an initialiser, so designated initialisers may leave any out
// without -Wmissing-field-initializers.
struct SelectorSettings {
    // InFlatFile: the languages, the default language and the message strings come from the
    // translations file, and every window's texts from its section there.
    TPxTranslationsPosition translationsAre = InFlatFile;
    QString translationsFile{};
    TranslationsLocation translationsLocation = TranslationsLocation::ExecutableFolder;
    // InExe: the languages and message strings; the first language is active unless
    // activeLanguage names another.
    QStringList languages{};
    QStringList messageStrings{};
    QString activeLanguage{};
    TRememberLanguage rememberLanguage = rlNo;
    QString rememberRegistryKey{};
};

// Creates the application's language selector on its main window, as if read with the window's
// form data: it reads the translations file (in flat-file mode) and the remembered language.
// Windows are then translated with translateWindow, the main window included; pickers link to
// the selector with setPxLanguageSelector. Throws the file system's or the registry's errors.
TParloxSelect &createSelector(QWidget &mainWindow, const SelectorSettings &settings);

// Translates a window built in C++ or by uic's setupUi: gives it a translator linked to the
// selector and shows the active language, as a window read from stored form data would be.
// From then on the window follows every change of language until it is destroyed. In
// flat-file mode its texts come from the translations file's section named after the window's
// object name; otherwise from the tables given here (form strings keyed "[Component.Property]",
// user strings keyed "%ID%", one value per language). A window without an object name is given
// its class name. Returns the existing translator of a window that already has one. Throws
// FileError when the translations file exists but cannot be read.
TParloxForm &translateWindow(QWidget &window, TParloxSelect &selector,
                             const QStringList &formStrings = {},
                             const QStringList &userStrings = {});

} // namespace Parlox
