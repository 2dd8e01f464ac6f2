// The files that make the desktop open translations files with the editor: the file type is
// installed into a scratch shared-mime-info database and looked up there, as a file manager
// does, and the desktop entry must name that type.
#include "tempdir.h"

#include <QMimeDatabase>
#include <QProcess>

namespace {

const QString TypeName = QStringLiteral("application/x-parlox-lng");

class DesktopFiles : public TempDirTest {};

TEST_F(DesktopFiles, TranslationsFilesAreKnownByMagicAndByExtensionAndOpenInTheEditor)
{
    QDir(m_dir.path()).mkpath(QStringLiteral("mime/packages"));
    ASSERT_TRUE(QFile::copy(sourcePath(QStringLiteral("ParloxEd/parloxed-mime.xml")),
                            path(QStringLiteral("mime/packages/parloxed.xml"))));
    QProcess update;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("XDG_DATA_DIRS"), m_dir.path()); // no note that it is not
    update.setProcessEnvironment(environment);
    update.start(QStringLiteral("update-mime-database"), {path(QStringLiteral("mime"))});
    ASSERT_TRUE(update.waitForFinished()) << "update-mime-database (shared-mime-info) is missing";
    ASSERT_EQ(update.exitCode(), 0) << update.readAllStandardError().toStdString();
    EXPECT_EQ(update.readAllStandardError(), QByteArray()); // no complaint about the XML

    // Only the scratch database (and Qt's own), before anything looks a type up.
    qputenv("XDG_DATA_DIRS", m_dir.path().toLocal8Bit());
    qputenv("XDG_DATA_HOME", path(QStringLiteral("home")).toLocal8Bit());
    const QMimeDatabase types;
    const struct {
        const char *name;
        QByteArray bytes;
        bool ours;
    } files[] = {
        {"renamed.dat", "Parlox 2.0\x0e\0\0\0", true}, // the magic, whatever the name
        {"upper.LNG", "", true},
        {"lower.lng", "", true},
        {"other.dat", "Parlox 1.0 and then some", false},
    };
    for (const auto &f : files) {
        const QString name = write(QLatin1String(f.name), f.bytes);
        EXPECT_EQ(types.mimeTypeForFile(name).name() == TypeName, f.ours) << f.name;
    }

    const QStringList entry =
        QString::fromUtf8(read(sourcePath(QStringLiteral("ParloxEd/parloxed.desktop"))))
            .split(u'\n');
    EXPECT_TRUE(entry.contains("MimeType=" + TypeName + u';'));
    // %f: the file manager passes the path of the one file to open.
    EXPECT_TRUE(entry.contains("Exec=ParloxEd %f"));
}

} // namespace
