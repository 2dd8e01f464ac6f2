#include "translation.h"

#include "catalog.h"
#include "lngimport.h"
#include "powriter.h"
#include "runtool.h"
#include "xliffwriter.h"
#include <Parlox/format/tables.h>

#include <QStringEncoder>
#include <gtest/gtest.h>

using namespace Parlox;
using LngExport::Format;

namespace {

class LngImport : public TempDirTest {
protected:
    void SetUp() override { m_lng = write(QStringLiteral("sample.lng"), sampleBytes()); }

    Result import(const QString &file, const QString &language = QStringLiteral("Español"),
                  const QStringList &more = {}) const
    {
        return run(QStringList{"import", m_lng, file, "--language", language} + more);
    }

    QString m_lng;
};

// An XLIFF file whose one unit, "messages/&OK&", has target as its raw XML.
QByteArray xliff(const QByteArray &target)
{
    return "<xliff version=\"1.2\"><file target-language=\"es\"><body>"
           "<trans-unit id=\"messages/&amp;OK&amp;\"><source>OK</source><target>" +
           target + "</target></trans-unit></body></file></xliff>";
}

const QHash<QString, QString> OkIsVale{{QStringLiteral("messages/&OK&"), QStringLiteral("Vale")}};

// The sample's export into language with some targets replaced, as a tool writes it for the
// language code.
QByteArray translated(Format format, const QString &code,
                      const QHash<QString, QString> &targets = OkIsVale,
                      const QString &language = QStringLiteral("Español"))
{
    Catalog catalog;
    catalog.targetCode = code;
    catalog.units =
        Parlox::LngImport::readTranslated(exportOf(sampleDocument(), format, language).bytes);
    for (TranslationUnit &unit : catalog.units)
        unit.target = targets.value(unit.id, unit.target);
    return format == Format::Po ? PoWriter::write(catalog) : XliffWriter::write(catalog);
}

void setValue(Lng::Document &doc, qsizetype form, bool user, const QString &key,
              const QString &language, const QString &text)
{
    QStringList &table = form < 0 ? doc.messages
                         : user   ? doc.forms[form].userStrings
                                  : doc.forms[form].formStrings;
    ASSERT_TRUE(Tables::setValue(table, doc.languages, key, language, text)) << key.toStdString();
}

} // namespace

// Line breaks come back as the substitute of their table; an empty target leaves the value.
TEST_F(LngImport, ATranslationChangesExactlyItsTargetValues)
{
    const QHash<QString, QString> targets{
        {"MainForm/form/[Open1.Hint]", "Abre\nun documento"},
        {"AboutBox/form/[Form.Caption]", "Acerca\rde"},
        {"MainForm/form/[Exit1.Caption]", "Sa&lir\n"},
        {"MainForm/user/%EXIT_CONFIRMATION%", "¿Salir?\r\nSeguro."},
        {"messages/&OK&", ""},
    };
    Lng::Document expected = sampleDocument();
    setValue(expected, 0, false, "[Open1.Hint]", "Español", "Abre\x15un documento");
    setValue(expected, 1, false, "[Form.Caption]", "Español", "Acerca\026de");
    setValue(expected, 0, false, "[Exit1.Caption]", "Español", "Sa&lir\n");
    setValue(expected, 0, true, "%EXIT_CONFIRMATION%", "Español", "¿Salir?%%Seguro.");
    for (const Format format : {Format::Po, Format::Xliff}) {
        write(QStringLiteral("sample.lng"), sampleBytes());
        EXPECT_EQ(import(write("t", translated(format, {}, targets))),
                  (Result{0, m_lng.toUtf8() + ": 4 values of Español changed.\n", {}}));
        EXPECT_EQ(read(m_lng), Lng::writeDocument(expected));
    }
}

TEST_F(LngImport, ANewLanguageBecomesTheLastColumnOfEveryTable)
{
    EXPECT_EQ(
        import(write("t", translated(Format::Xliff, {}, {{"AboutBox/form/[BtnOK.Caption]", "OK"}},
                                     "Deutsch")),
               "Deutsch"),
        (Result{0, m_lng.toUtf8() + ": 1 value of Deutsch changed, the language added.\n", {}}));

    Lng::Document expected = sampleDocument();
    Tables::insertLanguageColumn(expected.messages, 2);
    for (Lng::Form &form : expected.forms) {
        Tables::insertLanguageColumn(form.formStrings, 2);
        Tables::insertLanguageColumn(form.userStrings, 2);
    }
    expected.languages.append("Deutsch");
    setValue(expected, 1, false, "[BtnOK.Caption]", "Deutsch", "OK");
    EXPECT_EQ(read(m_lng), Lng::writeDocument(expected));
}

// Every refusal names the translated file and the line; the translations file stays as it was.
TEST_F(LngImport, BadInputIsNamedAndLeavesTheFileUntouched)
{
    const QByteArray ok = "msgctxt \"messages/&OK&\"\nmsgid \"OK\"\nmsgstr \"Vale\"\n";
    const struct {
        const char *name;
        QByteArray content;
        QByteArray err;
    } cases[] = {
        {"open.po", "msgid \"OK\nmsgstr \"\"\n", "open.po:1: The string is not closed.\n"},
        {"orphan.po", "msgstr \"x\"\n", "orphan.po:1: msgstr without msgid.\n"},
        {"keyword.po", "msgid \"a\"\nmsgtxt \"b\"\n", "keyword.po:2: Unknown keyword \"msgtxt\"."},
        {"escape.po", "msgid \"a\\q\"\nmsgstr \"\"\n", "escape.po:1: Unknown escape \"\\q\"."},
        {"latin.po", "msgid \"\"\nmsgstr \"Content-Type: text/plain; charset=KOI8-R\\n\"\n",
         "latin.po:1: The charset \"KOI8-R\" cannot be read"},
        {"tags.xlf", "<xliff version=\"1.2\"><file><body></file>",
         "tags.xlf:1: Opening and ending tag mismatch."},
        {"html.xlf", "<html/>", "html.xlf:1: The root element is <html>, not <xliff>."},
        {"two.xlf", "<xliff version=\"2.0\"/>", "two.xlf:1: XLIFF 2.0 cannot be read"},
        {"unknown.po", "msgctxt \"messages/&Okay&\"\nmsgid \"OK\"\nmsgstr \"Vale\"\n",
         "unknown.po:1: unit \"messages/&Okay&\": it matches no entry of the translations file."},
        {"source.po", "msgctxt \"messages/&OK&\"\nmsgid \"Okay\"\nmsgstr \"Vale\"\n",
         "since the export; it is now \"OK\".\n"},
        {"twice.po", ok + '\n' + ok,
         "twice.po:5: unit \"messages/&OK&\": it appears more than once."},
        {"percent.po",
         "msgctxt \"MainForm/user/%FILE_OPEN_ERROR%\"\nmsgid \"The file could not be opened.\"\n"
         "msgstr \"100%\\nfallo\"\n",
         "a user string cannot hold"},
        {"ambiguous.po", "msgid \"OK\"\nmsgstr \"Vale\"\n",
         "ambiguous.po:1: unit \"OK\": it has no context, and its source text is that of 2 "
         "entries"},
        {"plural.po",
         "msgctxt \"messages/&OK&\"\nmsgid \"OK\"\nmsgid_plural \"OKs\"\n"
         "msgstr[0] \"Vale\"\nmsgstr[1] \"Vales\"\n",
         "it has plural forms"},
        {"markup.xlf",
         "<xliff version=\"1.2\"><file><body><trans-unit id=\"messages/&amp;OK&amp;\">"
         "<source>OK</source><target><g id=\"1\">Vale</g></target></trans-unit></body></file>"
         "</xliff>",
         "its target holds the inline element <g>"},
        {"nul.po", QByteArrayLiteral("msg\0id \"a\"\n"), "nul.po:1: msg\\x00id without msgid."},
        // Entities are refused before one is expanded, whether they would blow up the memory
        // or drop text from outside the file.
        {"internal.xlf",
         "<!DOCTYPE xliff [<!ENTITY a \"" + QByteArray(4000, 'a') + "\">]>\n" +
             xliff(QByteArray("&a;").repeated(1000)),
         "internal.xlf:1: The file declares the entity \"a\"; translators' files need no "
         "entities, so it is not read."},
        {"external.xlf",
         "<!DOCTYPE xliff [<!ENTITY ext SYSTEM \"ext.txt\">]>\n" + xliff("Hola &ext; mundo"),
         "The file declares the entity \"ext\""},
        {"outside.xlf", "<!DOCTYPE xliff SYSTEM \"x.dtd\">\n" + xliff("Hola &ext; mundo"),
         "The text refers to the entity \"ext\", which the file does not define."},
        {"german.po", translated(Format::Po, "de"),
         ": The file is in the language \"de\", not Español (es), so " + m_lng.toUtf8() +
             " is left as it was; --any-language imports it all the same.\n"},
        // po2xliff keeps the PO header, and its Language, as a unit of its own
        {"header.xlf",
         "<xliff version=\"1.2\"><file><body><trans-unit id=\"1\" restype=\"x-gettext-domain-"
         "header\"><source>Language: de\n</source><target>Language: de\n</target></trans-unit>"
         "</body></file></xliff>",
         ": The file is in the language \"de\", not Español (es)"},
    };
    for (const auto &c : cases) {
        const Result r = import(write(c.name, c.content));
        EXPECT_EQ(r.code, 1) << c.name;
        EXPECT_TRUE(r.err.contains(c.err)) << r.err.toStdString();
        EXPECT_FALSE(r.err.contains('\0')) << c.name;
        EXPECT_TRUE(r.err.startsWith("parlox-lng: " + path(c.name).toUtf8() + ':') ||
                    r.err.startsWith(path(c.name).toUtf8() + ':'))
            << r.err.toStdString();
        EXPECT_EQ(read(m_lng), sampleBytes()) << c.name;
    }
}

// A fuzzy unit is listed and left out unless --fuzzy takes it; approved="no" alone is final.
TEST_F(LngImport, FuzzyUnitsAreLeftOutUnlessAsked)
{
    const QString po = write("f.po", "#, fuzzy, c-format\nmsgctxt \"messages/&OK&\"\nmsgid \"OK\"\n"
                                     "msgstr \"Vale\"\n\nmsgctxt \"messages/&No&\"\nmsgid \"&No\"\n"
                                     "msgstr \"&Non\"\n");
    // needs-review-translation, po2xliff's form of a fuzzy unit, and an unapproved final one
    const QString xlf = write(
        "f.xlf", "<xliff version=\"1.2\"><file><body>\n<trans-unit id=\"messages/&amp;OK&amp;\">"
                 "<source>OK</source><target state=\"needs-review-translation\">Vale</target>"
                 "</trans-unit>\n<trans-unit id=\"messages/&amp;Yes&amp;\" approved=\"no\"><source>"
                 "&amp;Yes</source><target state=\"needs-translation\">&amp;Oui</target>"
                 "</trans-unit>\n<trans-unit id=\"messages/&amp;No&amp;\" approved=\"no\"><source>"
                 "&amp;No</source><target state=\"translated\">&amp;Non</target></trans-unit>"
                 "</body></file></xliff>");
    const QByteArray left = ": its translation is fuzzy (awaiting review), so it is left out; "
                            "--fuzzy takes it.\n";
    Lng::Document expected = sampleDocument();
    setValue(expected, -1, false, "&No&", "Español", "&Non");
    EXPECT_EQ(import(po), (Result{0, m_lng.toUtf8() + ": 1 value of Español changed.\n",
                                  po.toUtf8() + ":2: unit \"messages/&OK&\"" + left}));
    EXPECT_EQ(import(po, "Español", {"--fuzzy"}).out,
              m_lng.toUtf8() + ": 1 value of Español changed.\n");
    write(QStringLiteral("sample.lng"), sampleBytes());
    EXPECT_EQ(import(xlf).err, xlf.toUtf8() + ":2: unit \"messages/&OK&\"" + left + xlf.toUtf8() +
                                   ":3: unit \"messages/&Yes&\"" + left);
    EXPECT_EQ(read(m_lng), Lng::writeDocument(expected));
    EXPECT_EQ(import(xlf, "Español", {"--fuzzy"}).code, 0);
    setValue(expected, -1, false, "&OK&", "Español", "Vale");
    setValue(expected, -1, false, "&Yes&", "Español", "&Oui");
    EXPECT_EQ(read(m_lng), Lng::writeDocument(expected));
}

// Tools that drop the context keep a reference (po2xliff's XLIFF as a location, which the
// peer tests cover), or at least the source text, which finds the entry when only one has it.
TEST_F(LngImport, UnitsWithoutContextAreFoundByReferenceOrTheirOnlySource)
{
    const QByteArray po = "#: AboutBox/form/[BtnOK.Caption]\nmsgid \"OK\"\nmsgstr \"Vale\"\n\n"
                          "#: MainForm/user/%25FILE_OPEN_ERROR%25\n"
                          "msgid \"The file could not be opened.\"\nmsgstr \"Fallo.\"\n\n"
                          "msgid \"Red\"\nmsgstr \"Rojo vivo\"\n";
    Lng::Document expected = sampleDocument();
    setValue(expected, 1, false, "[BtnOK.Caption]", "Español", "Vale");
    setValue(expected, 0, true, "%FILE_OPEN_ERROR%", "Español", "Fallo.");
    setValue(expected, 0, false, "[Colors.0]", "Español", "Rojo vivo");
    EXPECT_EQ(import(write("c.po", po)),
              (Result{0, m_lng.toUtf8() + ": 3 values of Español changed.\n", {}}));
    EXPECT_EQ(read(m_lng), Lng::writeDocument(expected));
}

TEST_F(LngImport, PartialWritesTheUnitsThatFit)
{
    const QString po = write("p.po", "msgctxt \"messages/&OK&\"\nmsgid \"OK\"\nmsgstr \"Vale\"\n\n"
                                     "msgctxt \"messages/&Nope&\"\nmsgid \"x\"\nmsgstr \"y\"\n");
    EXPECT_EQ(import(po, "Español", {"--partial"}),
              (Result{0, m_lng.toUtf8() + ": 1 value of Español changed.\n",
                      po.toUtf8() + ":5: unit \"messages/&Nope&\": it matches no entry of the "
                                    "translations file.\n"}));
    Lng::Document expected = sampleDocument();
    setValue(expected, -1, false, "&OK&", "Español", "Vale");
    EXPECT_EQ(read(m_lng), Lng::writeDocument(expected));
}

// The language a translated file names decides whether it may be imported, not its name or
// encoding: an XLIFF in UTF-16 is XLIFF, and --any-language takes a file for another language.
TEST_F(LngImport, TheFileItselfSaysWhatItIsAndForWhichLanguage)
{
    QByteArray xml = translated(Format::Xliff, QStringLiteral("es-ES"));
    xml.replace("encoding=\"UTF-8\"", "encoding=\"UTF-16\"");
    QStringEncoder utf16(QStringConverter::Utf16LE, QStringConverter::Flag::WriteBom);
    const QByteArray wide = utf16.encode(QString::fromUtf8(xml));
    Lng::Document expected = sampleDocument();
    setValue(expected, -1, false, "&OK&", "Español", "Vale");
    const QByteArray changed = Lng::writeDocument(expected);
    const struct {
        const char *name;
        QByteArray content;
        QStringList more;
    } cases[] = {
        {"wide.po", wide, {}},
        {"german.po", translated(Format::Po, QStringLiteral("de")), {"--any-language"}},
        {"unnamed.po", translated(Format::Po, QString()), {}},
    };
    for (const auto &c : cases) {
        write(QStringLiteral("sample.lng"), sampleBytes());
        EXPECT_EQ(import(write(c.name, c.content), "Español", c.more),
                  (Result{0, m_lng.toUtf8() + ": 1 value of Español changed.\n", {}}))
            << c.name;
        EXPECT_EQ(read(m_lng), changed) << c.name;
    }
}

// A damaged translations file is neither rewritten nor exported: the tables after the damage
// would be lost from both.
TEST_F(LngImport, ADamagedFileIsNeitherImportedIntoNorExported)
{
    const QByteArray cut = sampleBytes().first(995);
    write(QStringLiteral("sample.lng"), cut);
    const QString po = write("t.po", translated(Format::Po, QStringLiteral("es")));
    const QByteArray refusal =
        "parlox-lng: " + m_lng.toUtf8() + ": The file is damaged, so it was not used: ";
    for (const QStringList &args :
         {QStringList{"import", m_lng, po, "--language", "Español"},
          QStringList{"export", m_lng, "--format", "po", "--language", "Español"}}) {
        const Result r = run(args);
        EXPECT_EQ(r.code, 1) << args.first().toStdString();
        EXPECT_TRUE(r.err.startsWith(refusal)) << r.err.toStdString();
        EXPECT_EQ(r.out, QByteArray());
        EXPECT_EQ(read(m_lng), cut);
    }
}
