#include "tempdir.h"
#include "writefailures.h"
#include <Parlox/format/errors.h>
#include <Parlox/format/lockedfile.h>

#include <grp.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>

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

namespace {

struct stat statOf(const QString &file)
{
    struct stat info {};
    EXPECT_EQ(::stat(QFile::encodeName(file).constData(), &info), 0) << file.toStdString();
    return info;
}

} // namespace

// A device or a FIFO stays what it is: writing over it is refused before anything is opened.
TEST_F(LockedFileTest, OnlyRegularFilesAreWritten)
{
    const QString fifo = path("fifo.lng");
    ASSERT_EQ(::mkfifo(QFile::encodeName(fifo).constData(), 0644), 0);
    QStringList targets{fifo};
    const QString device = path("full.lng");
    if (::geteuid() == 0 &&
        ::mknod(QFile::encodeName(device).constData(), S_IFCHR | 0666, makedev(1, 7)) == 0)
        targets.append(device);
    for (const QString &target : targets) {
        const auto kind = statOf(target).st_mode & S_IFMT;
        const QString refusal = "Cannot write file \"" + target + "\". It is not a regular file.";
        EXPECT_EQ(messageOf([&] { LockedFile::writeNew(target, "bytes"); }), refusal);
        EXPECT_EQ(messageOf([&] { LockedFile(target, Access::ExclusiveReadWrite); }), refusal);
        EXPECT_EQ(statOf(target).st_mode & S_IFMT, kind);
    }
}

// A replacement keeps what the old file had: its owner, group and mode, and the content every
// hard link to it shows. A group member who may write the file but not give a new file its
// owner writes it in place, so the owner can still write it afterwards.
TEST_F(LockedFileTest, AReplacementKeepsOwnerGroupModeAndHardLinks)
{
    if (::geteuid() != 0)
        GTEST_SKIP() << "files of other owners need root";
    ASSERT_EQ(::chmod(QFile::encodeName(m_dir.path()).constData(), 0777), 0);
    const QString file = write("a.lng", "old");
    const QByteArray name = QFile::encodeName(file);
    ASSERT_EQ(::chown(name.constData(), 1000, 2000), 0);
    ASSERT_EQ(::chmod(name.constData(), 0660), 0);
    const auto expectKept = [&](const QByteArray &content) {
        const struct stat info = statOf(file);
        EXPECT_EQ(info.st_uid, 1000u);
        EXPECT_EQ(info.st_gid, 2000u);
        EXPECT_EQ(info.st_mode & 07777, 0660u);
        EXPECT_EQ(read(file), content);
    };
    LockedFile(file, Access::ExclusiveReadWrite).replaceContents("by root");
    expectKept("by root");

    const QString asMember = inChild(
        [] {
            const gid_t groups[] = {2000};
            if (::setgroups(1, groups) != 0 || ::setgid(3000) != 0 || ::setuid(3000) != 0)
                ::_exit(1);
        },
        [&] {
            return messageOf(
                [&] { LockedFile(file, Access::ExclusiveReadWrite).replaceContents("member"); });
        });
    EXPECT_EQ(asMember, QString());
    expectKept("member");

    const QString link = path("link.lng");
    ASSERT_EQ(::link(name.constData(), QFile::encodeName(link).constData()), 0);
    LockedFile(file, Access::ExclusiveReadWrite).replaceContents("linked");
    expectKept("linked");
    EXPECT_EQ(read(link), "linked");
    EXPECT_EQ(statOf(link).st_ino, statOf(file).st_ino);
}

// A writer killed midway (here by the file-size limit's signal) leaves no file at all where
// there was none, rather than an empty or cut one that no reader accepts.
TEST_F(LockedFileTest, ANewFileAppearsOnlyWhole)
{
    const QString file = path("new.lng");
    inChild(
        [] {
            const rlimit size{2048, 2048};
            ::setrlimit(RLIMIT_FSIZE, &size);
        },
        [&] {
            LockedFile::writeNew(file, QByteArray(LargeOutput, 'n'));
            return QString();
        });
    EXPECT_EQ(QDir(m_dir.path()).entryList(QDir::Files | QDir::Hidden | QDir::System),
              QStringList());
}
