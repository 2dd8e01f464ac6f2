#include "selector_fixture.h"
#include <Parlox/flatfile.h>
#include <Parlox/format/errors.h>
#include <Parlox/format/lngfile.h>
#include <Parlox/format/lockedfile.h>

using namespace Parlox;
using Access = LockedFile::Access;

namespace {

Lng::Document sampleDocument()
{
    return {{"English", "Español"},
            1,
            {"&OK&", "OK", "Aceptar"},
            {{"MainForm", {"[Add1.Caption]", "&Add", "&Agregar"}, {"%HI%", "Hi", "Hola"}},
             {"Other", {"[X.Caption]", "x", "equis"}, {}}}};
}

// A selector at design time storing into file, with one language.
void designAt(TParloxSelect &selector, const QString &file)
{
    selector.setDesigning(true);
    selector.setTranslationsFile(file);
    selector.setLanguages({"English"});
}

} // namespace

class FlatFileTest : public SelectorTest {
protected:
    QString writeSample(const QString &name = QStringLiteral("app.lng"))
    {
        return write(name, Lng::writeDocument(sampleDocument()));
    }

    // A selector running in an application whose translations file is app.lng, stored with a
    // Windows folder that the run-time path rule must ignore.
    void runAt(TParloxSelect &selector)
    {
        selector.setTranslationsFile(QStringLiteral("C:\\Projects\\Demo\\app.lng"));
    }

    QStringList readForm(const TParloxSelect &selector, const QString &form, QStringList start)
    {
        FlatFile::ReadFormStrings(selector, form, start);
        return start;
    }
    QStringList readUser(const TParloxSelect &selector, const QString &form, QStringList start)
    {
        FlatFile::ReadUserStrings(selector, form, start);
        return start;
    }
};

TEST_F(FlatFileTest, RunTimeLooksBesideTheExecutableDesignTimeWhereTold)
{
    TParloxSelect selector;
    runAt(selector);
    EXPECT_EQ(FlatFile::ResolveTranslationsPath(selector), path("app.lng"));
    selector.setTranslationsFile("/elsewhere/sub/x.lng");
    EXPECT_EQ(FlatFile::ResolveTranslationsPath(selector), path("x.lng"));
    selector.setDesigning(true);
    EXPECT_EQ(FlatFile::ResolveTranslationsPath(selector), "/elsewhere/sub/x.lng");
}

TEST_F(FlatFileTest, StartUpReadReplacesLanguagesDefaultAndMessagesOfSoundFilesOnly)
{
    TParloxSelect selector;
    runAt(selector);
    selector.setLanguages({"Stored"});
    selector.storeActiveLanguage("Stored");
    for (const QByteArray &bytes : {QByteArray("Parlox"), QByteArray("PARLOX 2.0\x0e\0\0\0", 14),
                                    QByteArray("Parlox 2.0\0\0\0\0", 14)}) {
        write("app.lng", bytes);
        FlatFile::LoadTranslationsFile(selector);
        EXPECT_EQ(selector.Languages(), QStringList({"Stored"}));
    }
    // A default outside the list keeps the active language.
    Lng::Document doc = sampleDocument();
    doc.defaultIndex = -1;
    write("app.lng", Lng::writeDocument(doc));
    FlatFile::LoadTranslationsFile(selector);
    EXPECT_EQ(selector.ActiveLanguage(), "Stored");
    EXPECT_EQ(selector.Languages(), QStringList({"English", "Español"}));
    EXPECT_EQ(selector.MsgsStrings(), QStringList({"&OK&", "OK", "Aceptar"}));
    writeSample();
    FlatFile::LoadTranslationsFile(selector);
    EXPECT_EQ(selector.ActiveLanguage(), "Español");
    EXPECT_TRUE(m_shown.isEmpty());
}

TEST_F(FlatFileTest, MissingFileShowsTheMessageOnceAndKeepsTheStoredValues)
{
    TParloxSelect selector;
    load(selector, [&] {
        selector.setLanguages({"Stored"});
        selector.setActiveLanguage("Stored");
        selector.setTranslationsAre(InFlatFile);
        selector.setTranslationsFile(""); // resolves to the folder itself, which is no file
    });
    EXPECT_EQ(m_shown,
              QStringList({"The Application Translations File is missing.\rPlease contact the "
                           "author."}));
    EXPECT_EQ(selector.Languages(), QStringList({"Stored"}));
    EXPECT_EQ(selector.ActiveLanguage(), "Stored");
}

TEST_F(FlatFileTest, FormReadersFollowTheFailureRules)
{
    TParloxSelect selector;
    runAt(selector);
    const QStringList kept{"kept"};

    // No file: form strings keep what the form data held, user strings are emptied.
    EXPECT_EQ(readForm(selector, "MainForm", kept), kept);
    EXPECT_TRUE(readUser(selector, "MainForm", kept).isEmpty());

    writeSample();
    EXPECT_EQ(readForm(selector, "mainform", kept),
              QStringList({"[Add1.Caption]", "&Add", "&Agregar"}));
    EXPECT_EQ(readUser(selector, "MAINFORM", kept), QStringList({"%HI%", "Hi", "Hola"}));
    EXPECT_TRUE(readUser(selector, "Other", kept).isEmpty()); // listed with offset 0
    EXPECT_TRUE(readForm(selector, "Unknown", kept).isEmpty());

    write("app.lng", "Parlox 2.");
    EXPECT_EQ(readForm(selector, "MainForm", kept), kept);
    write("app.lng", "Parlox 2.0");
    EXPECT_TRUE(readForm(selector, "MainForm", kept).isEmpty());
    write("app.lng", QByteArray("Parlox 2.0\0\0\0\0", 14));
    EXPECT_TRUE(readForm(selector, "MainForm", kept).isEmpty());
}

// Lookups are served from memory while the file stays as it was read; any change on disk, even
// one that keeps the file's size and modification time, is read at the next lookup.
TEST_F(FlatFileTest, AFileChangedOnDiskIsReadAgainAtTheNextLookup)
{
    TParloxSelect selector;
    runAt(selector);
    const QString file = writeSample();
    const auto age = [&file](const QDateTime &time) {
        QFile f(file);
        ASSERT_TRUE(f.open(QIODevice::ReadWrite));
        ASSERT_TRUE(f.setFileTime(time, QFileDevice::FileModificationTime));
    };
    const QDateTime old = QDateTime::currentDateTimeUtc().addSecs(-3600);
    age(old);
    EXPECT_EQ(readUser(selector, "MainForm", {}), QStringList({"%HI%", "Hi", "Hola"}));
    EXPECT_EQ(readUser(selector, "MainForm", {}), QStringList({"%HI%", "Hi", "Hola"}));

    // Rewritten in place, same size, the old time put back.
    QByteArray bytes = Lng::writeDocument(sampleDocument());
    bytes.replace("Hola", "Olla");
    write("app.lng", bytes);
    age(old);
    EXPECT_EQ(readUser(selector, "MainForm", {}), QStringList({"%HI%", "Hi", "Olla"}));
    EXPECT_EQ(readForm(selector, "MainForm", {}),
              QStringList({"[Add1.Caption]", "&Add", "&Agregar"}));

    // Replaced by another file of the same size and time.
    bytes.replace("Olla", "Allo");
    write("other.lng", bytes);
    QFile::remove(file);
    ASSERT_TRUE(QFile::rename(path("other.lng"), file));
    age(old);
    EXPECT_EQ(readUser(selector, "MainForm", {}), QStringList({"%HI%", "Hi", "Allo"}));

    // Changed just now: the next change may carry the same time, so nothing is trusted yet.
    bytes.replace("Allo", "Hola");
    write("app.lng", bytes);
    EXPECT_EQ(readUser(selector, "MainForm", {}), QStringList({"%HI%", "Hi", "Hola"}));
    bytes.replace("Hola", "Olla");
    write("app.lng", bytes);
    EXPECT_EQ(readUser(selector, "MainForm", {}), QStringList({"%HI%", "Hi", "Olla"}));

    QFile::remove(file);
    EXPECT_EQ(readForm(selector, "MainForm", {"kept"}), QStringList({"kept"}));
}

TEST_F(FlatFileTest, AFileHeldExclusivelyFailsLoudlyOrQuietlyAsEachOperationSays)
{
    const QString file = writeSample();
    TParloxSelect selector;
    runAt(selector);
    LockedFile editor(file, Access::ExclusiveReadWrite);

    EXPECT_THROW(FlatFile::LoadTranslationsFile(selector), FileError);
    QStringList table{"kept"};
    EXPECT_THROW(FlatFile::ReadFormStrings(selector, "MainForm", table), FileError);
    EXPECT_TRUE(readUser(selector, "MainForm", table).isEmpty());

    selector.setDesigning(true);
    selector.setTranslationsFile(file);
    EXPECT_THROW(FlatFile::WriteFormStrings(selector, "MainForm", "MainForm", {"[a]", "", ""}),
                 FileError);
    EXPECT_FALSE(FlatFile::WriteUserStrings(selector, "MainForm", "MainForm", {"%a%", "", ""}));
    EXPECT_EQ(editor.readAll(), Lng::writeDocument(sampleDocument()));
}

TEST_F(FlatFileTest, WritersRunOnlyAtDesignTimeAndCreateOrReplaceInPlace)
{
    TParloxSelect selector;
    selector.setTranslationsFile(path("new.lng"));
    selector.setLanguages({"English"});
    selector.storeActiveLanguage("English");
    selector.setMsgsStrings({"&OK&", "OK"});

    FlatFile::WriteFormStrings(selector, "Main", "Main", {"[A.Caption]", "a"});
    EXPECT_FALSE(QFile::exists(path("new.lng")));

    selector.setDesigning(true);
    FlatFile::WriteFormStrings(selector, "Main", "Main", {});
    Lng::Document doc = Lng::readDocument(Lng::Image(read(path("new.lng"))));
    EXPECT_EQ(doc, (Lng::Document{{"English"}, 0, {"&OK&", "OK"}, {{"Main", {}, {}}}}));

    ASSERT_TRUE(FlatFile::WriteUserStrings(selector, "Main", "Main", {"%HI%", "Hi"}));
    FlatFile::WriteFormStrings(selector, "Main", "Renamed", {"[A.Caption]", "a"});
    doc = Lng::readDocument(Lng::Image(read(path("new.lng"))));
    ASSERT_EQ(doc.forms.size(), 1);
    EXPECT_EQ(doc.forms[0], (Lng::Form{"Renamed", {"[A.Caption]", "a"}, {"%HI%", "Hi"}}));

    // A foreign file is left exactly as it was.
    write("new.lng", "not a translations file");
    FlatFile::WriteFormStrings(selector, "Main", "Main", {"[A.Caption]", "a"});
    EXPECT_EQ(read(path("new.lng")), "not a translations file");
}

TEST_F(FlatFileTest, AnUnencodableTextLeavesTheFileAsItWas)
{
    const QString file = writeSample();
    TParloxSelect selector;
    designAt(selector, file);
    selector.setLanguages({"English", "Español"});
    EXPECT_THROW(FlatFile::WriteFormStrings(selector, "MainForm", "MainForm",
                                            {"[A.Caption]", QStringLiteral("日本"), ""}),
                 EncodingError);
    EXPECT_FALSE(FlatFile::WriteUserStrings(selector, "MainForm", "MainForm",
                                            {"%A%", QStringLiteral("日本"), ""}));
    EXPECT_EQ(read(file), Lng::writeDocument(sampleDocument()));
}

// Two designers storing forms into one file at the same moment: whichever meets the other's
// lock is refused at once and tries again, and no update is lost.
TEST_F(FlatFileTest, TwoProcessesStoringIntoOneFileLoseNoUpdate)
{
    TParloxSelect selector;
    designAt(selector, writeSample());
    constexpr int Writes = 100;
    const auto store = [&](const QString &prefix) {
        for (int i = 0; i < Writes; ++i) {
            const QString form = prefix + QString::number(i);
            try {
                FlatFile::WriteFormStrings(selector, form, form, {"[A.Caption]", form});
            } catch (const FileError &e) {
                if (!e.message().endsWith(u"in use by another program."))
                    return false;
                --i; // refused at once: try again
            }
        }
        return true;
    };
    const pid_t child = ::fork();
    if (child == 0)
        ::_exit(store(QStringLiteral("Child")) ? 0 : 1);
    EXPECT_TRUE(store(QStringLiteral("Parent")));
    int status = 0;
    ::waitpid(child, &status, 0);
    EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);

    const Lng::Document doc = Lng::readDocument(Lng::Image(read(selector.TranslationsFile())));
    EXPECT_EQ(doc.forms.size(), 2 + 2 * Writes);
    for (const Lng::Form &form : doc.forms.mid(2))
        EXPECT_EQ(form.formStrings, QStringList({"[A.Caption]", form.name}));
}

// The selector's encoding is the file's in every reader and writer: texts of any script are
// stored at design time and served at run time, and a name that is no encoding is refused.
TEST_F(FlatFileTest, TheSelectorsEncodingIsUsedByEveryReaderAndWriter)
{
    TParloxSelect selector;
    designAt(selector, path("app.lng"));
    selector.setLanguages({"English", "日本語"});
    selector.setMsgsStrings({"&OK&", "OK", "了解"});
    EXPECT_THROW(selector.setTranslationsEncoding("Latin-9"), ComponentError);
    selector.setTranslationsEncoding("utf-8");
    EXPECT_EQ(selector.TranslationsEncoding(), "UTF-8");
    ASSERT_TRUE(
        FlatFile::WriteFormStrings(selector, "Main", "Main", {"[A.Caption]", "Save", "保存"}));
    ASSERT_TRUE(FlatFile::WriteUserStrings(selector, "Main", "Main", {"%HI%", "Hi", "Привет"}));
    const QByteArray bytes = read(path("app.lng"));
    EXPECT_TRUE(bytes.contains("\xE4\xBF\x9D\xE5\xAD\x98\0"_qba));
    EXPECT_TRUE(bytes.contains("\xE4\xBA\x86\xE8\xA7\xA3\0"_qba));

    selector.setDesigning(false);
    selector.setTranslationsFile("app.lng");
    FlatFile::LoadTranslationsFile(selector);
    EXPECT_EQ(selector.MsgsStrings(), QStringList({"&OK&", "OK", "了解"}));
    EXPECT_EQ(readForm(selector, "Main", {}), QStringList({"[A.Caption]", "Save", "保存"}));
    EXPECT_EQ(readUser(selector, "Main", {}), QStringList({"%HI%", "Hi", "Привет"}));
    // The cache holds what was decoded in one encoding only.
    selector.setTranslationsEncoding("Windows-1251");
    EXPECT_EQ(readUser(selector, "Main", {}).value(2),
              QStringLiteral("\u0420\u045F\u0421\u0402\u0420\u0451\u0420\u0406\u0420\u00B5"
                             "\u0421\u201A"));
}
