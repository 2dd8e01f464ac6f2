// The registry layer, in the test program's own configuration folder.
#include "platform/registrykey.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <gtest/gtest.h>

using namespace Parlox::Platform;

namespace {

QByteArray contents(const QString &file)
{
    QFile f(file);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

void replaceWith(const QString &file, const QByteArray &bytes)
{
    QFile f(file);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
    f.write(bytes);
}

} // namespace

TEST(RegistryKeyTest, OpenCreateWriteAndReadBack)
{
    const QString path = QStringLiteral("\\Software\\Velmont\\ParloxEd");
    const QString file = RegistryKey::fileFor(path);
    EXPECT_EQ(file, qEnvironmentVariable("XDG_CONFIG_HOME") +
                        QStringLiteral("/Software/Velmont/ParloxEd.ini"));
    EXPECT_EQ(RegistryKey::fileFor(QStringLiteral("Software/Velmont/ParloxEd")), file);

    RegistryKey key;
    EXPECT_FALSE(key.open(path, false));
    EXPECT_FALSE(QFileInfo::exists(file));
    EXPECT_EQ(key.readString(QStringLiteral("DefLang")), QString()); // no key, no value

    ASSERT_TRUE(key.open(path, true));
    EXPECT_TRUE(QFileInfo(file).isFile());
    EXPECT_EQ(key.readString(QStringLiteral("DefLang")), QString());
    key.writeString(QStringLiteral("DefLang"), QStringLiteral("Español, or not"));
    key.close();
    EXPECT_TRUE(contents(file).contains("DefLang"));

    RegistryKey again;
    ASSERT_TRUE(again.open(QStringLiteral("Software\\Velmont\\ParloxEd"), false));
    EXPECT_EQ(again.readString(QStringLiteral("DefLang")), QStringLiteral("Español, or not"));
}

TEST(RegistryKeyTest, PathsOutsideTheHiveNameNoKey)
{
    RegistryKey key;
    EXPECT_FALSE(key.open(QStringLiteral("\\Software\\..\\..\\escape"), true));
    EXPECT_FALSE(key.open(QStringLiteral("\\"), true));
    EXPECT_FALSE(key.isOpen());
    EXPECT_FALSE(QFileInfo::exists(qEnvironmentVariable("XDG_CONFIG_HOME") + "/../escape.ini"));
}

TEST(RegistryKeyTest, ValueOfAnotherTypeIsInvalidDataType)
{
    const QString path = QStringLiteral("\\Software\\Test\\WrongType");
    RegistryKey key;
    ASSERT_TRUE(key.open(path, true));
    key.close();
    replaceWith(RegistryKey::fileFor(path), "[General]\nDefLang=@ByteArray(English)\nList=a, b\n");
    ASSERT_TRUE(key.open(path, false));
    for (const QString &name : {QStringLiteral("DefLang"), QStringLiteral("List")}) {
        try {
            key.readString(name);
            ADD_FAILURE() << "no error for " << name.toStdString();
        } catch (const RegistryError &e) {
            EXPECT_EQ(e.message(), QStringLiteral("Invalid data type for '%1'").arg(name));
        }
    }
}

TEST(RegistryKeyTest, FailedWriteIsReportedAndNotRemembered)
{
    const QString path = QStringLiteral("\\Software\\Test\\Blocked");
    const QString file = RegistryKey::fileFor(path);
    RegistryKey key;
    ASSERT_TRUE(key.open(path, true));
    key.writeString(QStringLiteral("DefLang"), QStringLiteral("English"));

    // A folder in the file's place cannot be written, even by root.
    ASSERT_TRUE(QFile::remove(file));
    ASSERT_TRUE(QDir().mkdir(file));
    try {
        key.writeString(QStringLiteral("DefLang"), QStringLiteral("Español"));
        ADD_FAILURE() << "no error";
    } catch (const RegistryError &e) {
        EXPECT_EQ(e.message(), QStringLiteral("Failed to set data for 'DefLang'"));
    }
    EXPECT_EQ(key.readString(QStringLiteral("DefLang")), QStringLiteral("English"));

    RegistryKey closed;
    EXPECT_THROW(closed.writeString(QStringLiteral("DefLang"), QStringLiteral("x")), RegistryError);
    EXPECT_FALSE(closed.open(QStringLiteral("\\Software\\Test\\Blocked\\Sub\\..\\x"), true));
}
