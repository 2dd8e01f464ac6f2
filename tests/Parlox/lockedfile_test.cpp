#include "errors.h"
#include "lockedfile.h"
#include "tempdir.h"

#include <QFile>

using namespace Parlox;
using Access = LockedFile::Access;

class LockedFileTest : public TempDirTest {};

TEST_F(LockedFileTest, ReadersShareAndWritersExclude)
{
    const QString file = write("a.lng", "bytes");
    {
        LockedFile first(file, Access::SharedRead);
        LockedFile second(file, Access::SharedRead);
        EXPECT_EQ(second.readAll(), "bytes");
        EXPECT_THROW(LockedFile(file, Access::ExclusiveReadWrite), FileError);
    }
    {
        LockedFile writer(file, Access::ExclusiveReadWrite);
        try {
            LockedFile reader(file, Access::SharedRead);
            ADD_FAILURE() << "a reader opened a file held exclusively";
        } catch (const FileError &e) {
            EXPECT_TRUE(e.message().contains(file)) << e.what();
        }
        EXPECT_THROW(LockedFile(file, Access::ExclusiveReadWrite), FileError);
    }
    // Released with the object.
    EXPECT_NO_THROW(LockedFile(file, Access::ExclusiveReadWrite));
}

TEST_F(LockedFileTest, MissingFilesAndFoldersFailWithoutCreatingAnything)
{
    EXPECT_THROW(LockedFile(path("missing.lng"), Access::SharedRead), FileError);
    EXPECT_THROW(LockedFile(path("missing.lng"), Access::ExclusiveReadWrite), FileError);
    EXPECT_FALSE(QFile::exists(path("missing.lng")));
    EXPECT_THROW(LockedFile(m_dir.path(), Access::SharedRead), FileError);
}

TEST_F(LockedFileTest, ReadOnlyFilesOpenForReadingOnly)
{

    const QString file = write("ro.lng", "x");
    QFile::setPermissions(file, QFile::ReadOwner);
    if (QFile(file).open(QIODevice::ReadWrite))
        GTEST_SKIP() << "running with permissions that ignore read-only files";
    EXPECT_NO_THROW(LockedFile(file, Access::SharedRead));
    EXPECT_THROW(LockedFile(file, Access::ExclusiveReadWrite), FileError);
}

TEST_F(LockedFileTest, ReplacingContentsKeepsTheOldFileUntilTheNewOneIsComplete)
{
    const QString file = write("a.lng", "old");
    {
        LockedFile writer(file, Access::ExclusiveReadWrite);
        writer.replaceContents("new content");
    }
    EXPECT_EQ(read(file), "new content");

    LockedFile::writeNew(path("fresh.lng"), "fresh");
    EXPECT_EQ(read(path("fresh.lng")), "fresh");
    EXPECT_THROW(LockedFile::writeNew(path("no/such/folder/x.lng"), "x"), FileError);
    EXPECT_EQ(QDir(m_dir.path()).entryList(QDir::Files).size(), 2);
}
