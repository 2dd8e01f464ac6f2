// The modal seam, the standard dialogs on it, and the application service.
#include <Parlox/platform/application.h>
#include <Parlox/platform/modalseam.h>
#include <Parlox/platform/standarddialogs.h>

#include <QtWidgets>
#include <gtest/gtest.h>

using namespace Parlox::Platform;

// An inner guard that leaves its dialog unanswered gets a rejection, then the outer one
// answers again.
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

// The editor's commands take an empty answer as none; other callers may tell them apart.
TEST(ModalSeamTest, InputQueryReportsACancelAsNoText)
{
    ModalHandlerGuard guard([](QDialog &dialog) {
        dynamic_cast<QInputDialog &>(dialog).setTextValue(QStringLiteral("Deutsch"));
        dialog.reject();
    });
    EXPECT_EQ(inputQuery(QStringLiteral("Add language"), QStringLiteral("Name:")), std::nullopt);
}

TEST(OpenDialogTest, FilterTextsBecomeNameFilters)
{
    EXPECT_EQ(
        nameFilters(QStringLiteral(
            "Language application files (*.LNG)|*.LNG|All files (*.*)|*.*|Mixed|*.a;*.b")),
        QStringList({"Language application files (*.LNG)", "All files (*.*)", "Mixed (*.a *.b)"}));
}

TEST(ApplicationTest, TheFirstFormCreatedIsTheMainFormUntilItGoes)
{
    Application &app = Application::instance();
    app.forgetMainForm();
    auto first = std::unique_ptr<QWidget>(app.createForm<QWidget>());
    QWidget second;
    app.registerForm(&second);
    EXPECT_EQ(app.mainForm(), first.get());
    first.reset();
    EXPECT_EQ(app.mainForm(), nullptr);
}
