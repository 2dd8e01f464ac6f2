// The modal seam, the standard dialogs on it, and the application service.
#include "platform/application.h"
#include "platform/modalseam.h"
#include "platform/standarddialogs.h"

#include "tempdir.h"

#include <QFileDialog>
#include <QInputDialog>
#include <QPushButton>

using namespace Parlox::Platform;

TEST(ModalSeamTest, HandlerAnswersTheRealMessageBox)
{
    QString seenText;
    QString seenTitle;
    QMessageBox::Icon seenIcon = QMessageBox::NoIcon;
    ModalHandlerGuard guard([&](QDialog &dialog) {
        auto &box = dynamic_cast<QMessageBox &>(dialog);
        seenText = box.text();
        seenTitle = box.windowTitle();
        seenIcon = box.icon();
        ASSERT_NE(box.button(QMessageBox::Yes), nullptr);
        ASSERT_NE(box.button(QMessageBox::No), nullptr);
        EXPECT_EQ(box.button(QMessageBox::Ok), nullptr);
        box.button(QMessageBox::No)->click();
    });
    EXPECT_EQ(showMessageBox(QMessageBox::Question, QStringLiteral("Confirm"),
                             QStringLiteral("Discard changes?"),
                             QMessageBox::Yes | QMessageBox::No),
              QMessageBox::No);
    EXPECT_EQ(seenText, QStringLiteral("Discard changes?"));
    EXPECT_EQ(seenTitle, QStringLiteral("Confirm"));
    EXPECT_EQ(seenIcon, QMessageBox::Question);
}

TEST(ModalSeamTest, GuardsNestAndUnansweredDialogsAreRejected)
{
    QDialog dialog;
    ModalHandlerGuard outer([](QDialog &d) { d.done(7); });
    {
        ModalHandlerGuard inner([](QDialog &) {});
        EXPECT_EQ(showModal(dialog), int(QDialog::Rejected));
        EXPECT_EQ(showMessageBox(QMessageBox::Critical, {}, QStringLiteral("x"), QMessageBox::Ok),
                  QMessageBox::NoButton);
    }
    EXPECT_EQ(showModal(dialog), 7);
}

TEST(ModalSeamTest, InputQueryReportsTextOrCancel)
{
    {
        ModalHandlerGuard guard([](QDialog &dialog) {
            auto &input = dynamic_cast<QInputDialog &>(dialog);
            EXPECT_EQ(input.windowTitle(), QStringLiteral("Add language"));
            EXPECT_EQ(input.labelText(), QStringLiteral("Name:"));
            EXPECT_TRUE(input.textValue().isEmpty());
            input.setTextValue(QStringLiteral("Deutsch"));
            input.accept();
        });
        EXPECT_EQ(inputQuery(QStringLiteral("Add language"), QStringLiteral("Name:")),
                  QStringLiteral("Deutsch"));
    }
    ModalHandlerGuard guard([](QDialog &dialog) {
        dynamic_cast<QInputDialog &>(dialog).setTextValue(QStringLiteral("typed"));
        dialog.reject();
    });
    EXPECT_EQ(inputQuery(QStringLiteral("Add language"), QStringLiteral("Name:")), std::nullopt);
}

using OpenDialogTest = TempDirTest;

TEST_F(OpenDialogTest, OpenDialogIsInspectableAndReturnsTheChosenFile)
{
    const QString file = write(QStringLiteral("app.LNG"), "Parlox 2.0");
    EXPECT_EQ(
        nameFilters(QStringLiteral(
            "Language application files (*.LNG)|*.LNG|All files (*.*)|*.*|Mixed|*.a;*.b")),
        QStringList({"Language application files (*.LNG)", "All files (*.*)", "Mixed (*.a *.b)"}));

    QFileDialog dialog;
    dialog.setWindowTitle(QStringLiteral("Select the file"));
    prepareOpenDialog(dialog, QStringLiteral("Language application files (*.LNG)|*.LNG"),
                      QStringLiteral("LNG"));
    ModalHandlerGuard guard([&](QDialog &d) {
        auto &open = dynamic_cast<QFileDialog &>(d);
        EXPECT_TRUE(open.testOption(QFileDialog::DontUseNativeDialog));
        EXPECT_EQ(open.fileMode(), QFileDialog::ExistingFile);
        EXPECT_EQ(open.defaultSuffix(), QStringLiteral("LNG"));
        EXPECT_EQ(open.windowTitle(), QStringLiteral("Select the file"));
        open.selectFile(file);
        static_cast<QDialog &>(open).accept(); // QFileDialog::accept checks the file
    });
    EXPECT_EQ(runOpenDialog(dialog), file);

    ModalHandlerGuard cancel([](QDialog &d) { d.reject(); });
    EXPECT_EQ(runOpenDialog(dialog), std::nullopt);
}

TEST(ApplicationTest, MainFormTitleAndHelp)
{
    Application &app = Application::instance();
    app.forgetMainForm();
    auto first = std::unique_ptr<QWidget>(app.createForm<QWidget>());
    QWidget second;
    app.registerForm(&second);
    EXPECT_EQ(app.mainForm(), first.get());
    first.reset();
    EXPECT_EQ(app.mainForm(), nullptr);

    app.setTitle(QStringLiteral("ParloxEd"));
    EXPECT_EQ(app.title(), QStringLiteral("ParloxEd"));

    QList<int> help;
    const auto connection = QObject::connect(&app, &Application::helpRequested,
                                             [&](int context) { help.append(context); });
    app.requestHelp(42);
    QObject::disconnect(connection);
    EXPECT_EQ(help, QList<int>({42}));
}
