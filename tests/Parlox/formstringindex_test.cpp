// The hashed key lookup of ApplyLanguage must find exactly the line a scan from the top finds:
// case ignored in every script, the first of equal keys, and nothing for near misses.
#include <Parlox/format/tables.h>
#include <Parlox/formpaths.h>
#include <Parlox/formstringindex.h>

#include <gtest/gtest.h>

using namespace Parlox;

namespace {

QString scan(const QStringList &table, const QString &path, qsizetype language)
{
    return FormPaths::valueAfterKey(table, Tables::indexOfKey(table, FormPaths::key(path)),
                                    language);
}

} // namespace

TEST(FormStringIndexTest, FindsWhatAScanFromTheTopFinds)
{
    // Two languages; a few entries are malformed on purpose. One entry per row:
    // plain; equal to the first but for case; non-ASCII letters; KELVIN SIGN, which folds to an
    // ASCII k; a letter outside the BMP; an empty path; an entry cut short by the next key; a
    // key on the last line.
    // clang-format off
    const QStringList table{
        "[Button1.Caption]", "OK",      "Aceptar",
        "[BUTTON1.caption]", "second",  "segundo",
        "[ÑANDÚ.Caption]",   "Rhea",    "Ñandú",
        "[\u212Aey.Hint]",   "kelvin",  "kelvin es",
        "[\U00010400.Hint]", "deseret", "deseret es",
        "[]",                "empty",   "vacío",
        "[Short.Caption]",   "only",
        "[Tail.Caption]"};
    // clang-format on
    const QStringList probes{
        "Button1.Caption", "button1.CAPTION", "ñandú.caption",   "ÑANDÚ.CAPTION",
        "key.hint",        "KEY.HINT",        "\U00010428.hint", "",
        "Short.Caption",   "Tail.Caption",    "Button1.Captio",  "Button1.Caption ",
        "Button10.Caption"};
    const FormStringIndex index(table);
    for (const qsizetype language : {qsizetype(0), qsizetype(1), qsizetype(-1)}) {
        for (const QString &path : probes) {
            SCOPED_TRACE(path.toStdString() + " in language " + std::to_string(language));
            EXPECT_EQ(index.value(path, language), scan(table, path, language));
        }
    }
    EXPECT_EQ(index.value(u"BUTTON1.CAPTION", 1), "Aceptar");

    // User strings are found by identifier between percent signs, on any line, as the scan
    // finds them; a bracketed line is no identifier.
    const QStringList users{"%Bye%", "Bye", "%BYE%", "%ÑU%", "x", "[Bye]", "%", "%%", "e"};
    const FormStringIndex identifiers(users, FormStringIndex::Keys::Identifiers);
    for (const QString name : {"bye", "ñu", "Ñu", "", "%", "Bye]", "ñ"}) {
        SCOPED_TRACE(name.toStdString());
        EXPECT_EQ(identifiers.keyLine(name), Tables::indexOfKey(users, u'%' + name + u'%'));
    }
}
