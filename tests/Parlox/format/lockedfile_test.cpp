#include "errors.h"
#include "lockedfile.h"
#include "tempdir.h"

using namespace Parlox;
using Access = LockedFile::Access;
using LockedFileTest = TempDirTest;

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
    EXPECT_NO_THROW(LockedFile(file, Access::ExclusiveReadWrite)); // released with the object
}
