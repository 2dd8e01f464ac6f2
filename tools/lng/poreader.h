#pragma once

#include "translationunit.h"

#include <QByteArrayView>
#include <QList>

// Reads the units of a gettext PO file: msgctxt is the unit's identifier, msgid its source and
// msgstr its target; references ("#:") and the fuzzy flag are kept, other comments and flags
// and obsolete entries skipped. The header's charset says how the texts are encoded (UTF-8 when
// it names none).
namespace Parlox::PoReader {

// Units in file order, each with the line where its entry starts; an entry with plural forms
// comes with a problem. *language, when asked for, is the header's Language field (empty
// without one). Throws InputError "LINE: what is wrong" for a file that is not PO.
QList<TranslationUnit> read(QByteArrayView file, QString *language = nullptr);

} // namespace Parlox::PoReader
