// File > Encoding driven from the keyboard: a Polish text Windows-1252 cannot hold is refused
// at save, the document is converted to Windows-1250 and saved, and the file opens again in
// the encoding remembered for it.
#include "mainformtest.h"

using namespace EditorWindowTest;

namespace {

class EncodingMenuTest : public MainFormTest {
protected:
    EncodingMenuTest()
    {
        QFile::remove(
            Platform::RegistryKey::fileFor(RegistryPath + QStringLiteral("\\FileEncodings")));
    }

    // The File menu popped up, then the keys into each menu that is open.
    void fileMenuKeys(const QString &keys) const
    {
        menu("MenuFile")->popup(window->mapToGlobal(QPoint(0, 0)));
        for (const QChar key : keys) {
            QWidget *popup = QApplication::activePopupWidget();
            ASSERT_NE(popup, nullptr) << "no menu open for " << key.toLatin1();
            QTest::keyClick(popup, key.toLatin1());
        }
    }
    QString shownEncoding() const { return named<QLabel>("EncodingState")->text(); }
    QStringList checkedEncoding() const { return checkedTexts(*menu("EncodingMenu")); }
};

TEST_F(EncodingMenuTest, ConvertingIsUndoableSavesInTheNewEncodingAndIsRemembered)
{
    // Windows-1250 holds every text but the name "Español".
    Lng::Document expected = sampleDocument();
    expected.languages[1] = QStringLiteral("Polski");
    const QString file = startOn(write(QStringLiteral("sample.lng"), Lng::writeDocument(expected)));
    EXPECT_EQ(shownEncoding(), "Windows-1252");
    EXPECT_EQ(checkedEncoding(), QStringList{"Windows-125&2"});
    const QByteArray before = read(file);

    QTest::keyClicks(QApplication::focusWidget(), QStringLiteral("C"));
    type(QStringLiteral("Cześć"));
    QTest::keyClick(cellEditor(), Qt::Key_Return);
    {
        Dialogs refused{press("OK")};
        QTest::keyClick(window.get(), Qt::Key_S, Qt::ControlModifier);
        ASSERT_EQ(refused.summary().size(), 1);
        EXPECT_TRUE(refused.summary()[0].contains(QStringLiteral("U+015B")))
            << refused.summary()[0].toStdString();
    }
    EXPECT_EQ(read(file), before);

    fileMenuKeys(QStringLiteral("n0")); // E&ncoding > Windows-125&0
    EXPECT_EQ(shownEncoding(), "Windows-1250");
    EXPECT_EQ(checkedEncoding(), QStringList{"Windows-125&0"});
    doc().undoStack()->undo();
    EXPECT_EQ(shownEncoding(), "Windows-1252");
    EXPECT_EQ(cell(1, 1), "Cześć") << "undoing the encoding keeps the text";
    doc().undoStack()->redo();
    QTest::keyClick(window.get(), Qt::Key_S, Qt::ControlModifier);
    EXPECT_FALSE(doc().isModified());

    expected.encoding = Parlox::Encoding::Windows1250;
    expected.messages[1] = QStringLiteral("Cześć");
    expected.forms.removeAt(1); // a form without lines is not written
    EXPECT_EQ(read(file), Lng::writeDocument(expected));

    // The file is no UTF-8: it opens in the encoding it was saved in.
    window.reset();
    startOn(file);
    EXPECT_EQ(cell(1, 1), "Cześć");
    EXPECT_EQ(shownEncoding(), "Windows-1250");

    // Unmodified, it is read again; UTF-8 does not read its bytes, which is said, and the
    // document stays as it was.
    Dialogs unreadable{press("OK")};
    fileMenuKeys(QStringLiteral("nu"));
    ASSERT_EQ(unreadable.summary().size(), 1);
    EXPECT_TRUE(unreadable.summary()[0].contains(QStringLiteral("UTF-8")))
        << unreadable.summary()[0].toStdString();
    EXPECT_EQ(cell(1, 1), "Cześć");
    EXPECT_EQ(checkedEncoding(), QStringList{"Windows-125&0"});
    EXPECT_FALSE(doc().isModified());
    EXPECT_EQ(read(file), Lng::writeDocument(expected));
}

} // namespace
