#include <Parlox/exchange/trtables.h>
#include <Parlox/exchange/tsreader.h>
#include <Parlox/exchange/tswriter.h>
#include <Parlox/format/errors.h>
#include <Parlox/format/lngtypes.h>

#include "qtprinters.h"

#include <gtest/gtest.h>

using namespace Parlox;
using namespace Parlox::Exchange;

namespace {

TsMessage message(const QString &source, const QStringList &translations,
                  TsMessage::State state = TsMessage::State::Finished, bool numerus = false)
{
    TsMessage m;
    m.context = QStringLiteral("Main");
    m.source = source;
    m.translations = translations;
    m.state = state;
    m.numerus = numerus;
    return m;
}

Lng::Document document()
{
    Lng::Document d;
    d.languages = QStringList{"English", "Español"};
    d.defaultIndex = 0;
    d.forms.append(
        {"main",
         {"[Form.Caption]", "Main", "Principal"},
         {"%Open%", "Open", "Abrir", "%Gone%", "Gone", "Ido", "%KEEP_ME%", "Kept", "Guardado"}});
    return d;
}

} // namespace

TEST(TrTables, LupdateOutputAddsNewTextsKeepsValuesAndReportsWhatItLeavesOut)
{
    Lng::Document d = document();
    TsFile ts;
    ts.messages = {
        message("Open", {""}, TsMessage::State::Unfinished),
        message("Save", {"Guardar"}),
        message("%n file(s)", {"%n archivo", "%n archivos"}, TsMessage::State::Finished, true),
        message("Close", {"Cerrar"}, TsMessage::State::Unfinished),
        message("Old", {"Viejo"}, TsMessage::State::Obsolete),
        message("Two\nlines", {"Dos\nlíneas"}),
    };
    const TrTables::MergeOutcome outcome = TrTables::merge(d, "español", ts);

    EXPECT_EQ(outcome.problems, QStringList());
    EXPECT_EQ(outcome.notes,
              QStringList({"0: Main: \"Close\": unfinished, its translation left out.",
                           "0: Main: \"Old\": obsolete in the .ts, left out.",
                           "main: \"%Gone%\": no longer in the .ts, kept.",
                           "main: \"%KEEP_ME%\": no longer in the .ts, kept."}));
    EXPECT_EQ(outcome.added, 5);
    EXPECT_EQ(outcome.changed, 4);
    ASSERT_EQ(d.forms.size(), 1);
    EXPECT_EQ(d.forms[0].formStrings, document().forms[0].formStrings);
    EXPECT_EQ(d.forms[0].userStrings, QStringList({"%Open%",         "Open",       "Abrir",
                                                   "%Gone%",         "Gone",       "Ido",
                                                   "%KEEP_ME%",      "Kept",       "Guardado",
                                                   "%Save%",         "Save",       "Guardar",
                                                   "%%n file(s)%",   "%n file(s)", "%n archivo",
                                                   "%%n file(s)%#1", "%n file(s)", "%n archivos",
                                                   "%Close%",        "Close",      "",
                                                   "%Two%%lines%",   "Two%%lines", "Dos%%líneas"}));

    // What goes out comes back unchanged, and in the order it was stored.
    const TsFile out = TrTables::messages(d, "Español");
    EXPECT_EQ(out.language, "es");
    EXPECT_EQ(out.sourceLanguage, "en");
    Lng::Document again = d;
    const TrTables::MergeOutcome back =
        TrTables::merge(again, "Español", TsReader::read(TsWriter::write(out)));
    EXPECT_EQ(again, d);
    EXPECT_EQ(back.added + back.changed, 0);
}

TEST(TrTables, TextsAFileCannotHoldAreRefusedAndANewLanguageIsAdded)
{
    Lng::Document d = document();
    TsFile ts;
    ts.messages = {message("50%%", {"50%%"}), message("Ruble", {"₽"}), message("Yes", {"Ja"})};
    ts.messages[0].context = "Other";
    const TrTables::MergeOutcome outcome = TrTables::merge(d, "Deutsch", ts);
    ASSERT_EQ(outcome.problems.size(), 2);
    EXPECT_TRUE(outcome.problems[0].startsWith("0: Other: \"50%%\": its source text holds"));
    EXPECT_TRUE(outcome.problems[1].startsWith("0: Main: \"Ruble\": its translation holds"));
    EXPECT_TRUE(outcome.languageAdded);
    EXPECT_EQ(d.languages, QStringList({"English", "Español", "Deutsch"}));
    EXPECT_EQ(d.forms[0].formStrings, QStringList({"[Form.Caption]", "Main", "Principal", ""}));
    EXPECT_EQ(d.forms[0].userStrings.mid(12),
              QStringList({"%Ruble%", "Ruble", "", "", "%Yes%", "Yes", "", "Ja"}));

    Lng::Document noDefault = document();
    noDefault.defaultIndex = -1;
    EXPECT_THROW(TrTables::merge(noDefault, "Deutsch", ts), Error);
    EXPECT_THROW(TrTables::messages(document(), "Deutsch"), Error);
}

TEST(TsFiles, ReadWhatLinguistWritesAndWriteWhatXmlCannotCarryAsBytes)
{
    const QByteArray linguist = R"(<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE" sourcelanguage="en">
<context>
    <name>Main</name>
    <message>
        <location filename="main.cpp" line="3"/>
        <source>Bell<byte value="x7"/></source>
        <comment>noun</comment>
        <extracomment>for translators</extracomment>
        <translation variants="yes"><lengthvariant>Glocke</lengthvariant><lengthvariant>Gl.</lengthvariant></translation>
    </message>
    <message numerus="yes">
        <source>%n &amp; more</source>
        <translation type="vanished"><numerusform>%n und mehr</numerusform><numerusform>%n und mehr</numerusform></translation>
    </message>
</context>
</TS>
)";
    const TsFile ts = TsReader::read(linguist);
    EXPECT_EQ(ts.language, "de_DE");
    ASSERT_EQ(ts.messages.size(), 2);
    EXPECT_EQ(ts.messages[0].source, "Bell\a");
    EXPECT_EQ(ts.messages[0].disambiguation, "noun");
    EXPECT_EQ(ts.messages[0].translations, QStringList({"Glocke"}));
    EXPECT_EQ(ts.messages[0].line, 6);
    EXPECT_NE(ts.messages[0].problem, QString());
    EXPECT_EQ(ts.messages[1].source, "%n & more");
    EXPECT_EQ(ts.messages[1].state, TsMessage::State::Obsolete);
    EXPECT_EQ(ts.messages[1].translations.size(), 2);

    const QByteArray written = TsWriter::write(ts);
    EXPECT_TRUE(written.contains("<source>Bell<byte value=\"x7\"/></source>"))
        << written.toStdString();
    EXPECT_EQ(TsReader::read(written).messages[1].translations, ts.messages[1].translations);

    try {
        TsReader::read("<?xml version=\"1.0\"?>\n<TS>\n<context><name>x</name>\n</TS>");
        FAIL() << "a broken file was read";
    } catch (const Error &e) {
        EXPECT_TRUE(e.message().startsWith("4: ")) << e.message().toStdString();
    }
    EXPECT_THROW(TsReader::read("<xliff/>"), Error);

    // Nesting as deep as a file cares to go is read without exhausting the stack.
    const int depth = 200'000;
    const QByteArray deep = "<TS><context><name>x</name><message><source>" +
                            QByteArray("<lengthvariant>").repeated(depth) + "a" +
                            QByteArray("</lengthvariant>").repeated(depth) +
                            "</source></message></context></TS>";
    EXPECT_EQ(TsReader::read(deep).messages.value(0).source, "a");
}
