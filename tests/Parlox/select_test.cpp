#include "selector_fixture.h"
#include <Parlox/form.h>
#include <Parlox/format/errors.h>
#include <Parlox/platform/registrykey.h>

#include <QtWidgets>

using namespace Parlox;

namespace {
const QStringList EnglishSpanish{QStringLiteral("English"), QStringLiteral("Español")};
const QStringList ThreeLanguages{"English", "Español", "Deutsch"};
const QString Key = QStringLiteral("\\Software\\Velmont\\ParloxTest");

QStringList flagFiles(const QString &folder)
{
    return QDir(folder).entryList({QStringLiteral("Parlox.*")}, QDir::Files, QDir::Name);
}
} // namespace

TEST_F(SelectorTest, AcceptsANameDifferingInCaseAndStoresItAsWritten)
{
    QWidget form;
    TParloxSelect selector(&form);
    load(selector, EnglishSpanish, "English");
    TParloxForm translator(&form);
    translator.setPxLanguageSelector(&selector);
    translator.LanguageChanged("English");

    selector.setActiveLanguage("english");
    EXPECT_EQ(selector.ActiveLanguage(), "english");
    EXPECT_EQ(translator.Language(), "english"); // exact comparison: asked to switch
    EXPECT_TRUE(m_shown.isEmpty());
}

TEST_F(SelectorTest, RefusesUnknownAndEmptyNamesWithAMessageAndChangesNothing)
{
    TParloxSelect selector;
    RecordingPicker picker;
    load(selector, EnglishSpanish, "English", rlFlagFile);
    picker.setPxLanguageSelector(&selector);
    const int refreshes = picker.refreshes;
    selector.setActiveLanguage("Deutsch");
    selector.setActiveLanguage("");
    EXPECT_EQ(m_shown, QStringList({"Invalid language", "Invalid language"}));
    EXPECT_EQ(selector.ActiveLanguage(), "English");
    EXPECT_EQ(picker.refreshes, refreshes);
    EXPECT_TRUE(flagFiles(m_dir.path()).isEmpty());

    // The check runs while loading too, and with no languages every name is unknown.
    TParloxSelect empty;
    load(empty, {}, "English");
    EXPECT_EQ(m_shown.size(), 3);
    EXPECT_TRUE(empty.ActiveLanguage().isEmpty());
}

TEST_F(SelectorTest, FlagFilesFollowTheActiveLanguage)
{
    write("Parlox.1", "");
    write("Parlox.2", "");
    TParloxSelect selector;
    load(selector, ThreeLanguages, "English", rlFlagFile);
    EXPECT_EQ(selector.ActiveLanguage(), "Español"); // the lowest number present wins

    // The move to Parlox.2 fails because it exists: both files stay.
    selector.setActiveLanguage("Deutsch");
    EXPECT_EQ(selector.ActiveLanguage(), "Deutsch");
    EXPECT_EQ(flagFiles(m_dir.path()), QStringList({"Parlox.1", "Parlox.2"}));

    // With none left the change creates one; a folder in its way makes that fail.
    QFile::remove(path("Parlox.1"));
    QFile::remove(path("Parlox.2"));
    selector.setActiveLanguage("Español");
    EXPECT_EQ(flagFiles(m_dir.path()), QStringList({"Parlox.1"}));
    QFile::remove(path("Parlox.1"));
    QDir(m_dir.path()).mkdir("Parlox.0");
    try {
        selector.setActiveLanguage("English");
        ADD_FAILURE() << "no error";
    } catch (const FileError &e) {
        EXPECT_EQ(e.message(), "Cannot create file " + path("Parlox.0"));
    }
    EXPECT_EQ(selector.ActiveLanguage(), "Español");
    QDir(m_dir.path()).rmdir("Parlox.0");
    selector.setActiveLanguage("English"); // the guard was cleared
    EXPECT_EQ(flagFiles(m_dir.path()), QStringList({"Parlox.0"}));
}

TEST_F(SelectorTest, RegistryRemembersTheChoiceAndIgnoresNamesNoLongerListed)
{
    const auto startWith = [&](const QStringList &languages) {
        auto selector = std::make_unique<TParloxSelect>();
        load(*selector, languages, "English", rlRegistryKey, Key);
        return selector;
    };
    startWith(EnglishSpanish)->setActiveLanguage("ESPAÑOL");
    EXPECT_EQ(startWith(EnglishSpanish)->ActiveLanguage(), "ESPAÑOL");
    EXPECT_EQ(startWith({"English", "Deutsch"})->ActiveLanguage(), "English");
}

TEST_F(SelectorTest, ARegistryWriteFailureLeavesEverythingUnchanged)
{
    // A key of its own: the registry outlives each test within the program.
    const QString Key = QStringLiteral("\\Software\\Velmont\\ParloxWriteFailure");
    QWidget form;
    TParloxSelect selector(&form);
    load(selector, EnglishSpanish, "English", rlRegistryKey, Key);
    TParloxForm translator(&form);
    translator.setPxLanguageSelector(&selector);
    RecordingPicker picker;
    picker.setPxLanguageSelector(&selector);
    const int refreshes = picker.refreshes;

    // A folder where the key's file should be makes every write fail.
    const QString file = Platform::RegistryKey::fileFor(Key);
    QFile::remove(file);
    ASSERT_TRUE(QDir().mkpath(file));
    EXPECT_THROW(selector.setActiveLanguage("Español"), Platform::RegistryError);
    EXPECT_EQ(selector.ActiveLanguage(), "English");
    EXPECT_TRUE(translator.Language().isEmpty());
    EXPECT_EQ(picker.refreshes, refreshes);

    QDir(file).removeRecursively();
    selector.setActiveLanguage("Español"); // the re-entry guard was cleared
    EXPECT_EQ(translator.Language(), "Español");
}

TEST_F(SelectorTest, ARememberedValueOfAnotherTypeIsReportedAndStartUpGoesOn)
{
    const QString Key = QStringLiteral("\\Software\\Velmont\\ParloxWrongType");
    QFile ini(Platform::RegistryKey::fileFor(Key));
    ASSERT_TRUE(QDir().mkpath(QFileInfo(ini).path()) && ini.open(QIODevice::WriteOnly));
    ini.write("[General]\nDefLang=English, Español\n");
    ini.close();
    TParloxSelect selector;
    RecordingPicker picker;
    load(selector, [&] {
        selector.setLanguages(EnglishSpanish);
        selector.setActiveLanguage("Español");
        selector.setRememberLanguage(rlRegistryKey);
        selector.setRememberRegistryKey(Key);
        picker.setPxLanguageSelector(&selector);
    });
    EXPECT_EQ(m_shown, QStringList({"Invalid data type for 'DefLang'"}));
    EXPECT_EQ(selector.ActiveLanguage(), "Español");
    EXPECT_EQ(picker.refreshes, 2); // the rest of the start-up step still ran

    selector.setActiveLanguage("English"); // and the next change repairs the value
    Platform::RegistryKey key;
    ASSERT_TRUE(key.open(Key, false));
    EXPECT_EQ(key.readString("DefLang"), "English");
}

TEST_F(SelectorTest, ANestedChangeIsDroppedAndARepeatedOneRefreshes)
{
    TParloxSelect selector;
    load(selector, ThreeLanguages, "English");
    RecordingPicker picker;
    picker.setPxLanguageSelector(&selector);
    bool nested = false;
    picker.onRefresh = [&] {
        if (!std::exchange(nested, true))
            picker.chooseLanguage("Deutsch");
    };
    picker.chooseLanguage("Español");
    EXPECT_EQ(selector.ActiveLanguage(), "Español");

    const int refreshes = picker.refreshes;
    selector.setActiveLanguage("Español");
    EXPECT_EQ(picker.refreshes, refreshes + 1);
}

TEST_F(SelectorTest, StartUpRepairsTheMessageTable)
{
    TParloxSelect selector;
    RecordingPicker picker;
    load(selector, [&] {
        selector.setLanguages(EnglishSpanish);
        selector.setMsgsStrings({"&Help&", "Help", "&Abort&", "Abortar", "Abort", "Extra",
                                 "&MTCONFIRM&", "Confirm", "Confirmar"});
        picker.setPxLanguageSelector(&selector);
    });
    // Short entries are padded, long ones kept, and missing keys appended in the fixed order.
    EXPECT_EQ(selector.MsgsStrings().mid(0, 13),
              QStringList({"&Help&", "Help", "", "&Abort&", "Abortar", "Abort", "Extra",
                           "&mtConfirmation&", "Confirm", "Confirmar", "&mtWarning&", "", ""}));
    EXPECT_EQ(selector.MsgsStrings().size(), 10 + 12 * 3);
    EXPECT_EQ(picker.refreshes, 2); // when linked, and at the end of loading

    TParloxSelect noLanguages;
    RecordingPicker idle;
    idle.setPxLanguageSelector(&noLanguages);
    load(noLanguages, [&] { noLanguages.setMsgsStrings({"&mtConfirm&"}); });
    EXPECT_EQ(noLanguages.MsgsStrings(), QStringList({"&mtConfirmation&"}));
    EXPECT_EQ(idle.refreshes, 1);
}

TEST_F(SelectorTest, DestroyingTheSelectorClearsTheTranslatorsLink)
{
    QWidget form;
    auto *translator = new TParloxForm(&form);
    {
        TParloxSelect selector;
        translator->setPxLanguageSelector(&selector);
    }
    EXPECT_EQ(translator->PxLanguageSelector(), nullptr);
}
