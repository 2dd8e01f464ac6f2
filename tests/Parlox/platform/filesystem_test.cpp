// File existence, rename and empty-file creation.
#include "platform/filesystem.h"

#include "errors.h"
#include "tempdir.h"

#include <QDir>

using namespace Parlox::Platform;

using FileSystemTest = TempDirTest;

TEST_F(FileSystemTest, ExistsMeansAFile)
{
    const QString file = write(QStringLiteral("Parlox.0"), "");
    ASSERT_TRUE(QDir(m_dir.path()).mkdir(QStringLiteral("Parlox.1")));
    EXPECT_TRUE(fileExists(file));
    EXPECT_FALSE(fileExists(path(QStringLiteral("Parlox.1"))));
    EXPECT_FALSE(fileExists(path(QStringLiteral("Parlox.2"))));
}

TEST_F(FileSystemTest, RenameNeverReplacesATarget)
{
    const QString zero = write(QStringLiteral("Parlox.0"), "zero");
    const QString one = write(QStringLiteral("Parlox.1"), "one");
    EXPECT_FALSE(renameFile(zero, one));
    EXPECT_EQ(read(zero), QByteArray("zero"));
    EXPECT_EQ(read(one), QByteArray("one"));

    EXPECT_TRUE(renameFile(zero, path(QStringLiteral("Parlox.2"))));
    EXPECT_FALSE(fileExists(zero));
    EXPECT_EQ(read(path(QStringLiteral("Parlox.2"))), QByteArray("zero"));
    EXPECT_FALSE(renameFile(zero, path(QStringLiteral("Parlox.3")))); // no source

    renameFile(one, one); // onto itself: whatever it reports, the file stays
    EXPECT_EQ(read(one), QByteArray("one"));
}

TEST_F(FileSystemTest, CreateEmptyFileTruncatesOrNamesTheFailure)
{
    const QString flag = write(QStringLiteral("Parlox.1"), "leftover");
    createEmptyFile(flag);
    EXPECT_TRUE(fileExists(flag));
    EXPECT_EQ(read(flag), QByteArray());

    const QString impossible = path(QStringLiteral("missing/Parlox.0"));
    try {
        createEmptyFile(impossible);
        ADD_FAILURE() << "no error";
    } catch (const Parlox::FileError &e) {
        EXPECT_EQ(e.message(), QStringLiteral("Cannot create file ") + impossible);
    }
    EXPECT_TRUE(QDir(executableFolder()).exists());
}
