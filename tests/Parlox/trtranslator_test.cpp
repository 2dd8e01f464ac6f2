#include "tempdir.h"
#include <Parlox/format/lngfile.h>
#include <Parlox/format/lngtypes.h>
#include <Parlox/platform/filesystem.h>
#include <Parlox/platform/modalseam.h>
#include <Parlox/select.h>
#include <Parlox/trtranslator.h>

#include <QCoreApplication>
#include <QDialog>
#include <gtest/gtest.h>

using namespace Parlox;

namespace {

Lng::Document document()
{
    Lng::Document d;
    d.languages = QStringList{"English", "Español", "Polski"};
    d.defaultIndex = 0;
    // One entry per row: key, English, Spanish, Polish.
    // clang-format off
    d.forms.append({"Main",
                    {"[Form.Caption]", "Main", "Principal", "Glówne"},
                    {"%Open%",          "Open",       "Abrir",       "Otwórz",
                     "%Open%{verb}",    "Open",       "Abre",        "",
                     "%%n file(s)%",    "%n file",    "%n archivo",  "%n plik",
                     "%%n file(s)%#1",  "%n files",   "",            "%n pliki",
                     "%%n file(s)%#2",  "",           "",            "%n plików",
                     "%Two%%lines%",    "Two%%lines", "Dos%%líneas", "Dwie%%linie",
                     "%NO_TR_KEY",      "x",          "y",           "z"}});
    // clang-format on
    d.forms.append({"Other", {}, {"%Open%", "Open", "Abrir otro", ""}});
    return d;
}

QString translate(const char *context, const char *source, const char *disambiguation = nullptr,
                  int n = -1)
{
    return QCoreApplication::translate(context, source, disambiguation, n);
}

} // namespace

TEST(TrTranslator, AnswersTrByContextDisambiguationAndPluralFormAndLeavesTheRestToTheSource)
{
    TParloxSelect selector;
    TrTranslator translator(selector);
    ASSERT_EQ(translator.load(document(), "español"), 5);
    QCoreApplication::installTranslator(&translator);
    EXPECT_EQ(translate("Main", "Open"), "Abrir");
    EXPECT_EQ(translate("Main", "Open", "verb"), "Abre");
    EXPECT_EQ(translate("Other", "Open"), "Abrir otro");
    EXPECT_EQ(translate("Main", "Open", "noun"), "Open");
    EXPECT_EQ(translate("Nowhere", "Open"), "Open");
    EXPECT_EQ(translate("Main", "open"), "open");
    EXPECT_EQ(translate("Main", "Two\nlines"), "Dos\nlíneas");
    EXPECT_EQ(translate("Main", "%n file(s)", nullptr, 1), "1 archivo");
    EXPECT_EQ(translate("Main", "%n file(s)", nullptr, 0), "0 file(s)");

    translator.load(document(), "Polski");
    EXPECT_EQ(translate("Main", "%n file(s)", nullptr, 1), "1 plik");
    EXPECT_EQ(translate("Main", "%n file(s)", nullptr, 22), "22 pliki");
    EXPECT_EQ(translate("Main", "%n file(s)", nullptr, 25), "25 plików");
    EXPECT_EQ(translate("Main", "Open", "verb"), "Open");
    EXPECT_EQ(translate("Other", "Open"), "Open");
    QCoreApplication::removeTranslator(&translator);
}

class TrTranslatorFile : public TempDirTest {
protected:
    Platform::ExecutableFolderGuard m_exe{m_dir.path()};
    Platform::ModalHandlerGuard m_dialogs{[](QDialog &dialog) { dialog.done(QDialog::Rejected); }};
};

TEST_F(TrTranslatorFile, FollowsTheSelectorWithQtsOwnTextsAndReadsNoDamagedDirectory)
{
    QByteArray bytes = Lng::writeDocument(document());
    write("app.lng", bytes);
    TParloxSelect selector;
    selector.setLanguages({"English", "Español", "Polski"});
    selector.storeTranslationsAre(InFlatFile);
    selector.setTranslationsFile("app.lng");
    TrTranslator translator(selector);
    selector.setActiveLanguage("Español");
    EXPECT_EQ(translate("Main", "Open"), "Abrir");
    EXPECT_EQ(translate("QPlatformTheme", "Close"), "Cerrar");

    // Two tables naming one section: the file shows no texts rather than reading it twice.
    const qsizetype main = bytes.lastIndexOf(QByteArray("Main\0", 5)) + 5 + 4;
    const qsizetype other = bytes.lastIndexOf(QByteArray("Other\0", 6)) + 6 + 4;
    bytes.replace(other, 4, bytes.mid(main, 4));
    write("app.lng", bytes);
    selector.setActiveLanguage("Polski");
    EXPECT_EQ(translate("Main", "Open"), "Open");
    EXPECT_EQ(translate("QPlatformTheme", "Close"), "Zamknij");
    selector.setActiveLanguage("English");
    EXPECT_EQ(translate("QPlatformTheme", "Close"), "Close");
}
