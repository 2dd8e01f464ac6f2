#pragma once

#include "translationunit.h"

#include <QByteArrayView>
#include <QList>

// Reads the units of an XLIFF 1.x file: every <trans-unit>, in whatever <file> or <group> it
// stands. The unit's identifier is its gettext context (x-gettext-msgctxt, which converters from
// PO write) or else its id; a missing <target> is an untranslated unit.
namespace Parlox::XliffReader {

// Units in file order, each with the line of its <trans-unit>. A source or target holding
// inline markup comes with a problem, since a translations file holds plain text. Throws
// InputError "LINE: what is wrong" for a file that is not well-formed XLIFF 1.x.
QList<TranslationUnit> read(QByteArrayView file);

} // namespace Parlox::XliffReader
