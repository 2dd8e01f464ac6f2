#include "lngread.h"

#include "encodingoption.h"
#include "inputerror.h"
#include <Parlox/format/lngfile.h>

namespace Parlox::LngRead {

void requireTranslationsFile(const Lng::Image &image)
{
    switch (image.header()) {
    case Lng::HeaderState::TooShort:
        throw InputError(QStringLiteral("The file is shorter than 10 bytes, so it is not a "
                                        "translations file."));
    case Lng::HeaderState::WrongMagic:
        throw InputError(QStringLiteral("The file does not start with \"Parlox 2.0\", so it "
                                        "is not a translations file."));
    default:
        break;
    }
}

void requireDisjointSections(const Lng::Image &image, const QList<Lng::FormEntry> &forms)
{
    // The sections of a sound file never overlap, so together they take no more bytes than
    // the file. The walk stops at the first section past that budget.
    const qint64 size = image.bytes().size();
    qint64 total = 0;
    for (const Lng::FormEntry &entry : forms) {
        for (const qint32 offset : {entry.formOffset, entry.userOffset}) {
            total += offset > 0 ? image.sectionLength(offset) : 0;
            if (total > size)
                throw InputError(QStringLiteral("The form entries name overlapping sections; "
                                                "\"parlox-lng check\" lists the problems."));
        }
    }
}

void requireUndamaged(const Lng::Image &image)
{
    const Lng::ProblemReport report = image.problems(Lng::ProblemScope::Damage);
    if (const Lng::Problem *damage = report.firstDamage())
        throw InputError(QStringLiteral("The file is damaged, so it was not used: %1 \"parlox-lng "
                                        "check\" lists the problems.")
                             .arg(damage->text));
}

Lng::Document document(QByteArrayView file)
{
    const Lng::Image image(file, EncodingOption::of(file));
    requireTranslationsFile(image);
    requireUndamaged(image);
    requireDisjointSections(image, image.directory(false).forms);
    return Lng::readDocument(image);
}

} // namespace Parlox::LngRead
