// Translations files in other code pages and in UTF-8 through build, dump, export and import.
#include "runtool.h"
#include "tempdir.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QStandardPaths>
#include <gtest/gtest.h>

namespace {

struct Language {
    const char *encoding;
    QString name;
    QString text;       // the value of the one entry
    QByteArray encoded; // the same text in the file's bytes
};

const Language Languages[] = {
    {"Windows-1250", "Polski", "Zapisz plik źle", "Zapisz plik \x9F\x6C\x65"},
    {"Windows-1251", "Русский", "Сохранить", "\xD1\xEE\xF5\xF0\xE0\xED\xE8\xF2\xFC"},
    {"Windows-1253", "Ελληνικά", "Αποθήκευση", "\xC1\xF0\xEF\xE8\xDE\xEA\xE5\xF5\xF3\xE7"},
    {"Windows-1254", "Türkçe", "Kaydet ığş", "Kaydet \xFD\xF0\xFE"},
    {"Windows-1255", "עברית", "שמור", "\xF9\xEE\xE5\xF8"},
    {"UTF-8", "日本語", "保存", "\xE4\xBF\x9D\xE5\xAD\x98"},
};

class LngEncodings : public TempDirTest {
protected:
    QString build(const Language &l)
    {
        const QJsonObject form{{"name", "Main"},
                               {"formStrings", QJsonArray{}},
                               {"userStrings", QJsonArray{"%SAVE%", "Save", l.text}}};
        const QJsonObject doc{{"languages", QJsonArray{"English", l.name}},
                              {"defaultIndex", 0},
                              {"messages", QJsonArray{}},
                              {"forms", QJsonArray{form}}};
        const QString in = write(QStringLiteral("in.json"), QJsonDocument(doc).toJson());
        const QString out = path(QStringLiteral("%1.lng").arg(l.encoding));
        const Result r = run({"build", in, out, "--encoding", l.encoding});
        EXPECT_EQ(r.code, 0) << r.err.toStdString();
        return out;
    }
};

} // namespace

// Each file holds its texts in its own encoding, dumps back as UTF-8 JSON, and takes a PO
// translation back in that encoding; UTF-8 is found without being named.
TEST_F(LngEncodings, FilesInEachEncodingBuildDumpExportAndImport)
{
    const QString msgfmt = QStandardPaths::findExecutable(QStringLiteral("msgfmt"));
    for (const Language &l : Languages) {
        SCOPED_TRACE(l.encoding);
        const QString lng = build(l);
        EXPECT_TRUE(read(lng).contains(l.encoded + '\0'));
        const bool utf8 = QByteArrayView(l.encoding) == "UTF-8";
        const QStringList named = utf8 ? QStringList() : QStringList{"--encoding", l.encoding};
        const Result dump = run(QStringList{"dump", lng} + named);
        EXPECT_TRUE(QString::fromUtf8(dump.out).contains(l.text)) << dump.err.toStdString();

        const QString po = path("out.po");
        const Result exported = run(
            QStringList{"export", lng, "--format", "po", "--language", l.name, "-o", po} + named);
        ASSERT_EQ(exported.code, 0) << exported.err.toStdString();
        EXPECT_TRUE(QString::fromUtf8(read(po)).contains(l.text));
        if (!msgfmt.isEmpty()) {
            EXPECT_EQ(QProcess::execute(msgfmt, {"-c", "-o", path("out.mo"), po}), 0);
        }

        // The translator drops the text's last character; the file keeps its encoding.
        const QByteArray edited = read(po).replace(l.text.toUtf8(), l.text.chopped(1).toUtf8());
        const Result imported = run(
            QStringList{"import", lng, write("edited.po", edited), "--language", l.name} + named);
        ASSERT_EQ(imported.code, 0) << imported.err.toStdString();
        const qsizetype last = utf8 ? 3 : 1;
        EXPECT_TRUE(read(lng).contains(l.encoded.chopped(last) + '\0'));
    }
}

// The value checks read each file in its own encoding: the last byte of a UTF-8 "à" (0xA0) is
// no Windows-1252 no-break space ending the value.
TEST_F(LngEncodings, ValueChecksReadTheFilesEncoding)
{
    const Language french{"UTF-8", "Français", "Voilà", "Voil\xC3\xA0"};
    const Result checked = run({"check", build(french)});
    EXPECT_EQ(checked.code, 0);
    EXPECT_FALSE(checked.out.contains("white space")) << checked.out.toStdString();
}

// A text or a byte the file's encoding does not have is refused with where it is; nothing is
// written.
TEST_F(LngEncodings, WhatTheEncodingCannotHoldIsRefused)
{
    const QString polish = build(Languages[0]);
    const QByteArray before = read(polish);
    const QString po = write("jp.po", "msgctxt \"Main/user/%SAVE%\"\nmsgid \"Save\"\n"
                                      "msgstr \"保存\"\n");
    const Result r =
        run({"import", polish, po, "--language", "Polski", "--encoding", "Windows-1250"});
    EXPECT_EQ(r.code, 1);
    EXPECT_TRUE(r.err.contains("\"保\" (U+4FDD), which a translations file in Windows-1250"))
        << r.err.toStdString();
    EXPECT_EQ(read(polish), before);

    const qsizetype at = before.indexOf("\x9F");
    const Result wrong = run({"dump", polish, "--encoding=utf8"});
    EXPECT_EQ(wrong.code, 1);
    EXPECT_TRUE(wrong.err.contains(
        QStringLiteral("The byte 0x9F at byte %1 is not valid UTF-8").arg(at).toUtf8()))
        << wrong.err.toStdString();
    EXPECT_EQ(run({"check", polish, "--encoding", "UTF-8"}).code, 1);
    EXPECT_EQ(run({"check", polish, "--encoding", "cp1250"}).code, 0);
    EXPECT_EQ(run({"dump", polish, "--encoding", "ebcdic"}).code, 2);
}
