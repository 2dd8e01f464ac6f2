#pragma once

#include <Parlox/format/lngtypes.h>
#include <QByteArrayView>
#include <QList>

namespace Parlox::Lng {
class Image;
struct FormEntry;
} // namespace Parlox::Lng

// Checks shared by the tools that read a whole translations file and print or rewrite all of
// it. The readers themselves tolerate anything; these refuse what a tool cannot use.
namespace Parlox::LngRead {

// Throws InputError for a file that is too short or does not start with the magic.
void requireTranslationsFile(const Lng::Image &image);

// Throws InputError when the form entries together name more section bytes than the file
// holds: a damaged directory naming one large section thousands of times would otherwise make
// a dump or a rewrite of a few kilobytes grow to gigabytes. Costs at most twice the file's size.
void requireDisjointSections(const Lng::Image &image, const QList<Lng::FormEntry> &forms);

// Throws InputError for a damaged file (Image::problems): its tables read as something else
// than was written, so a rewrite would drop what the damage hides and an export would leave
// it out.
void requireUndamaged(const Lng::Image &image);

// The whole document in the file's encoding (EncodingOption), after all three checks.
Lng::Document document(QByteArrayView file);

} // namespace Parlox::LngRead
