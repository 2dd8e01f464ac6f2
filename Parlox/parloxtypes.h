#pragma once

#include <QFlags>
#include <QObject>

// Enumerations shared by the components, published by name in stored form data.
namespace Parlox {
Q_NAMESPACE

enum TPxTranslationsPosition { InExe = 0, InFlatFile = 1 };
Q_ENUM_NS(TPxTranslationsPosition)

enum TRememberLanguage { rlNo = 0, rlFlagFile = 1, rlRegistryKey = 2 };
Q_ENUM_NS(TRememberLanguage)

// Where the translations file is looked for at run time. ExecutableFolder takes the file name
// of TranslationsFile in the executable's folder; FilePath takes TranslationsFile itself (an
// absolute path, a Qt resource ":/..." which is read-only, or a path relative to the
// executable's folder); AppData looks for its file name in the application's data folders
// (QStandardPaths::AppDataLocation), the user's first.
enum class TranslationsLocation { ExecutableFolder, FilePath, AppData };
Q_ENUM_NS(TranslationsLocation)

// Kinds of the translated message dialog.
enum TMsgDlgType {
    mtWarning = 0,
    mtError = 1,
    mtInformation = 2,
    mtConfirmation = 3,
    mtCustom = 4
};
Q_ENUM_NS(TMsgDlgType)

// Buttons of the message dialog, one bit each; they always appear in bit order.
enum TMsgDlgBtn {
    mbYes = 1 << 0,
    mbNo = 1 << 1,
    mbOK = 1 << 2,
    mbCancel = 1 << 3,
    mbAbort = 1 << 4,
    mbRetry = 1 << 5,
    mbIgnore = 1 << 6,
    mbAll = 1 << 7,
    mbNoToAll = 1 << 8,
    mbYesToAll = 1 << 9,
    mbHelp = 1 << 10,
};
Q_DECLARE_FLAGS(TMsgDlgButtons, TMsgDlgBtn)
Q_FLAG_NS(TMsgDlgButtons)

// Results of the message dialog; 0 means no result (Help keeps the dialog open).
enum TModalResult {
    mrNone = 0,
    mrOk = 1,
    mrCancel = 2,
    mrAbort = 3,
    mrRetry = 4,
    mrIgnore = 5,
    mrYes = 6,
    mrNo = 7,
    mrAll = 8,
    mrNoToAll = 9,
    mrYesToAll = 10,
};
Q_ENUM_NS(TModalResult)

} // namespace Parlox

Q_DECLARE_OPERATORS_FOR_FLAGS(Parlox::TMsgDlgButtons)
