// The registry layer, in the test program's own configuration folder.
#include <Parlox/platform/registrykey.h>

#include <QFileInfo>
#include <gtest/gtest.h>

using namespace Parlox::Platform;

TEST(RegistryKeyTest, OpenCreateWriteAndReadBack)
{
    const QString path = QStringLiteral("\\Software\\Velmont\\RegistryTest");
    const QString file = RegistryKey::fileFor(path);
    EXPECT_EQ(file, qEnvironmentVariable("XDG_CONFIG_HOME") +
                        QStringLiteral("/Software/Velmont/RegistryTest.ini"));

    RegistryKey key;
    EXPECT_FALSE(key.open(path, false));
    EXPECT_FALSE(QFileInfo::exists(file));
    EXPECT_EQ(key.readString(QStringLiteral("DefLang")), QString()); // no key, no value
    ASSERT_TRUE(key.open(path, true));
    EXPECT_EQ(key.readString(QStringLiteral("DefLang")), QString());
    key.writeString(QStringLiteral("DefLang"), QStringLiteral("Español, or not"));
    key.close();

    RegistryKey again;
    ASSERT_TRUE(again.open(QStringLiteral("Software/Velmont/RegistryTest"), false));
    EXPECT_EQ(again.readString(QStringLiteral("DefLang")), QStringLiteral("Español, or not"));

    for (const char *outside : {"\\Software\\..\\..\\escape", "\\"})
        EXPECT_FALSE(key.open(QLatin1String(outside), true)) << outside;
    EXPECT_FALSE(key.isOpen());
    EXPECT_FALSE(QFileInfo::exists(qEnvironmentVariable("XDG_CONFIG_HOME") + "/../escape.ini"));
}
