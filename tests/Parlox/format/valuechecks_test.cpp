#include <Parlox/format/codepage.h>
#include <Parlox/format/valuechecks.h>

#include <gtest/gtest.h>

using namespace Parlox::ValueChecks;

namespace {

const Checks Fine;

TEST(ValueChecks, EachCheckTellsGoodValuesFromBadOnes)
{
    const struct {
        const char16_t *first;
        const char16_t *value;
        Checks failed;
    } cases[] = {
        // clang-format off
        {u"&Open", u"&Abrir", Fine},
        {u"&Open", u"Abrir", Check::AccessKeys},
        {u"&Open", u"A&b&rir", Check::AccessKeys},
        {u"R&&D", u"I+D", Fine},                       // "&&" is an ampersand
        {u"Save & exit", u"Guardar y salir", Fine},     // so is "&" before a space
        {u"Line%%two", u"Línea%%dos", Fine},
        {u"Line%%two", u"Línea dos", Check::LineBreaks},
        {u"One", u"Uno%%", Check::LineBreaks},
        {u"%%%", u"%%x", Fine},                         // one marker each, then text
        {u"%1 of %2", u"%2 de %1", Fine},               // reordered
        {u"%1 of %2", u"%1 de %3", Check::Placeholders},
        {u"%L1 files", u"%1 archivos", Check::Placeholders},
        {u"%s: %d", u"%d: %s", Fine},
        {u"%-5.2f MB", u"%f MB", Check::Placeholders},
        {u"%lu items", u"%lu elementos", Fine},
        {u"50% off", u"50% de descuento", Fine},        // no placeholder
        {u"%s%%", u"%d", Check::Placeholders | Check::LineBreaks},
        {u"Name: ", u"Nombre: ", Fine},
        {u"Name: ", u"Nombre:", Check::OuterSpaces},
        {u" Name", u"Nombre", Check::OuterSpaces},
        {u"Name", u"\tNombre", Check::OuterSpaces},
        {u"Error", u"Error", Check::SameAsFirst},
        {u"-", u"-", Fine},                             // nothing to translate
        {u"%1", u"%1", Fine},
        {u"&File ", u"File", Check::AccessKeys | Check::OuterSpaces},
        {u"&Open %1", u"", Fine},                       // untranslated, not wrong
        {u"", u"&Abrir %s ", Fine},                     // nothing to compare with
        {u"\u00a0Name", u"Nombre", Check::OuterSpaces}, // no-break space
        {u"&\u00a0x", u"x", Fine},
        {u"\u00c9t\u00e9", u"\u00c9t\u00e9", Check::SameAsFirst},
        {u"\u0160", u"\u0160", Check::SameAsFirst},      // a letter of the 0x80-0x9F range
        {u"\u20ac 5", u"\u20ac 5", Fine},
        // clang-format on
    };
    // The file's bytes give the same verdicts as the decoded texts.
    for (const auto &c : cases) {
        const QString first = QString::fromUtf16(c.first);
        const QString value = QString::fromUtf16(c.value);
        EXPECT_EQ(check(first, value), c.failed)
            << first.toStdString() << " | " << value.toStdString();
        EXPECT_EQ(check(Parlox::CodePage::encode(first), Parlox::CodePage::encode(value)), c.failed)
            << first.toStdString() << " | " << value.toStdString();
    }
    EXPECT_EQ(placeholders(u"%2 %s and %1, 100%, %%d"), QStringList({"%1", "%2", "%s"}));
}

TEST(ValueChecks, ATableIsCheckedEntryByEntryAgainstItsFirstLanguage)
{
    const QStringList table{"&OK&",    "OK",     "Aceptar", "OK",      // same in German
                            "&Open&",  "&Open",  "Abrir",   "&Öffnen", // Spanish lost its key
                            "&Empty&", "",       "x %s",    "",        // nothing to compare with
                            "&Cut&",   "Cut %1", "Cortar"};            // not a whole entry
    const QList<Warning> expected{{0, 2, Check::SameAsFirst}, {1, 1, Check::AccessKeys}};
    EXPECT_EQ(checkTable(table, 3), expected);
    QList<QByteArray> encoded;
    for (const QString &line : table)
        encoded.append(Parlox::CodePage::encode(line));
    EXPECT_EQ(checkTable(QList<QByteArrayView>(encoded.cbegin(), encoded.cend()), 3), expected);
    EXPECT_EQ(checkEntry(table, 3, 1), expected.mid(1));
    EXPECT_TRUE(checkEntry(table, 3, 3).isEmpty());
    EXPECT_TRUE(checkTable(table, 1).isEmpty()); // one language: nothing to compare
}

} // namespace
