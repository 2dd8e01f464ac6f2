#pragma once

#include "translationunit.h"

#include <QByteArrayView>
#include <QList>

// Reads the units of an XLIFF 1.x file: every <trans-unit>, in whatever <file> or <group> it
// stands. The unit's identifier is its gettext context (x-gettext-msgctxt, which converters from
// PO write); its id and the source files of its location contexts are its references. A missing
// <target> is an untranslated unit, a target in a needs-* state a fuzzy one.
namespace Parlox::XliffReader {

// Units in file order, each with the line of its <trans-unit>. A source or target holding
// inline markup comes with a problem, since a translations file holds plain text. *language,
// when asked for, is the first <file>'s target-language, or else the Language of a gettext
// header unit. Throws InputError "LINE: what is wrong" for a file that is not well-formed
// XLIFF 1.x, and for one that declares entities: translators' files need none, and expanding
// them can take any amount of memory.
QList<TranslationUnit> read(QByteArrayView file, QString *language = nullptr);

} // namespace Parlox::XliffReader
