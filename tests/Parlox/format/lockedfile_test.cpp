#include "tempdir.h"
#include "writefailures.h"
#include <Parlox/format/errors.h>
#include <Parlox/format/lockedfile.h>

#include <sys/stat.h>

using namespace Parlox;
using Access = LockedFile::Access;
using LockedFileTest = TempDirTest;

namespace {

QString messageOf(const std::function<void()> &action)
{
    try {
        action();
    } catch (const Error &e) {
        return e.message();
    }
    return {};
}

} // namespace

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
        for (const Access access : {Access::SharedRead, Access::ExclusiveCreate})
            EXPECT_EQ(messageOf([&] { LockedFile(file, access); }),
                      "Cannot open file \"" + file + "\". The file is in use by another program.");
        EXPECT_EQ(messageOf([&] { LockedFile::writeNew(file, "other"); }),
                  "Cannot open file \"" + file + "\". The file is in use by another program.");
    }
    EXPECT_EQ(read(file), "bytes");
    EXPECT_NO_THROW(LockedFile(file, Access::ExclusiveReadWrite)); // released with the object
}

// The lock always sits on the file the path names: once a writer has replaced the file, the
// next writer gets the new one and its content, although the first still holds the old one.
TEST_F(LockedFileTest, AReplacementKeepsPermissionsAndTheNextWriterLocksTheNewFile)
{
    const QString file = write("a.lng", "old");
    ASSERT_TRUE(
        QFile::setPermissions(file, QFile::ReadOwner | QFile::WriteOwner | QFile::ReadGroup));
    LockedFile first(file, Access::ExclusiveReadWrite);
    first.replaceContents("new");
    LockedFile second(file, Access::ExclusiveReadWrite);
    EXPECT_EQ(second.readAll(), "new");
    EXPECT_EQ(messageOf([&] { LockedFile(file, Access::SharedRead); }),
              "Cannot open file \"" + file + "\". The file is in use by another program.");
    struct stat info {};
    ASSERT_EQ(::stat(QFile::encodeName(file).constData(), &info), 0);
    EXPECT_EQ(info.st_mode & 0777, 0640u);
}

TEST_F(LockedFileTest, ACreatedFileThatIsNeverWrittenIsRemovedAgain)
{
    const QString file = path("new.lng");
    {
        LockedFile created(file, Access::ExclusiveCreate);
        EXPECT_TRUE(created.created());
        EXPECT_TRUE(QFile::exists(file));
    }
    EXPECT_FALSE(QFile::exists(file));
    LockedFile::writeNew(file, "content");
    EXPECT_EQ(read(file), "content");
    EXPECT_FALSE(LockedFile(file, Access::ExclusiveCreate).created());
    EXPECT_EQ(read(file), "content");
}

// A user who may write the file but not its folder gets no temporary file beside it: the
// content is written in place, but only once its space is reserved, so a full disk still
// leaves the old content.
TEST_F(LockedFileTest, AFileInAFolderThatRefusesNewFilesIsWrittenInPlaceOrNotAtAll)
{
    SmallDisk disk;
    if (!disk.mounted())
        GTEST_SKIP() << "mounting a small filesystem needs root";
    const QString file = disk.path(QStringLiteral("app.lng"));
    LockedFile::writeNew(file, "old content");
    disk.fillLeavingOnePage();
    LockedFile::writeNew(disk.path(QStringLiteral("last page")), QByteArray(4096, 'p'));
    ASSERT_EQ(::chown(QFile::encodeName(file).constData(), Nobody, Nobody), 0);
    ASSERT_EQ(::chmod(QFile::encodeName(disk.path(QString())).constData(), 0555), 0);
    const auto replace = [&](const QByteArray &bytes) {
        return inChildAsNobody([&] {
            return messageOf(
                [&] { LockedFile(file, Access::ExclusiveReadWrite).replaceContents(bytes); });
        });
    };
    for (const qsizetype size : {SmallOutput, LargeOutput}) {
        EXPECT_EQ(replace(QByteArray(size, 'n')),
                  "Cannot write file \"" + file + "\". No space left on device");
        EXPECT_EQ(read(file), "old content");
    }
    disk.freeSpace();
    for (const QByteArray &bytes : {QByteArray(LargeOutput, 'n'), QByteArray("short")}) {
        EXPECT_EQ(replace(bytes), QString());
        EXPECT_TRUE(read(file) == bytes);
    }
    EXPECT_EQ(disk.entries(), QStringList({"app.lng", "last page"}));
}
