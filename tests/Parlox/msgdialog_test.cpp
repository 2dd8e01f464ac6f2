#include <Parlox/messageform.h>
#include <Parlox/msgdialog.h>
#include <Parlox/platform/application.h>
#include <Parlox/platform/modalseam.h>
#include <Parlox/select.h>

#include <QtTest>
#include <QtWidgets>
#include <gtest/gtest.h>

using namespace Parlox;

namespace {

// The editor's own message strings in English and Spanish.
// clang-format off
const QStringList EditorMessages{
    "&mtWarning&",      "Warning",      "Atención",     "&mtError&", "Error",    "Error",
    "&mtInformation&",  "Information",  "Información",
    "&mtConfirmation&", "Confirmation", "Confirmación",
    "&Yes&",    "Yes",    "Si",       "&No&",    "No",    "No",      "&OK&",    "OK",    "Aceptar",
    "&Cancel&", "Cancel", "Cancelar", "&Abort&", "Abort", "Abortar", "&Help&",  "Help",  "Ayuda",
    "&Retry&",  "Retry",  "Reintentar", "&Ignore&", "Ignore", "Ignorar"};
// clang-format on

// The buttons' texts (or another property) left to right.
QStringList captions(const TMessageForm &form,
                     QString (QPushButton::*what)() const = &QPushButton::text)
{
    auto buttons = form.findChildren<QPushButton *>();
    std::sort(buttons.begin(), buttons.end(),
              [](const QPushButton *a, const QPushButton *b) { return a->x() < b->x(); });
    QStringList result;
    for (const QPushButton *button : buttons)
        result.append((button->*what)());
    return result;
}

const QLabel *message(const TMessageForm &form, const char *name = "Message")
{
    return form.findChild<QLabel *>(QLatin1String(name));
}

class MessageDialogTest : public ::testing::Test {
protected:
    MessageDialogTest()
    {
        m_selector.setLanguages({QStringLiteral("English"), QStringLiteral("Español")});
        m_selector.setMsgsStrings(EditorMessages);
        m_selector.setActiveLanguage(QStringLiteral("English"));
    }

    // Shows the dialog through the modal seam; `inspect` gets the real dialog and answers it.
    int show(const QString &text, TMsgDlgType kind, TMsgDlgButtons buttons,
             const std::function<void(TMessageForm &)> &inspect, int helpContext = 0)
    {
        int shown = 0;
        Platform::ModalHandlerGuard guard([&](QDialog &dialog) {
            ++shown;
            auto *form = qobject_cast<TMessageForm *>(&dialog);
            ASSERT_NE(form, nullptr);
            m_last = form;
            inspect(*form);
        });
        const int result = m_selector.MessageDlg(text, kind, buttons, helpContext);
        EXPECT_EQ(shown, 1);
        EXPECT_TRUE(m_last.isNull()) << "the dialog outlives the call";
        return result;
    }

    static constexpr int StaysOpen = -1;

    // Shows the dialog and presses a key on it the way a user would; the result, or StaysOpen
    // when the key left the dialog up.
    int pressKey(TMsgDlgButtons buttons, Qt::Key key)
    {
        bool open = false;
        const int result =
            show(QStringLiteral("Go on?"), mtConfirmation, buttons, [&](TMessageForm &form) {
                form.show();
                QTest::keyClick(&form, key);
                if ((open = form.isVisible()))
                    form.close();
            });
        return open ? StaysOpen : result;
    }

    TParloxSelect m_selector;
    QPointer<TMessageForm> m_last;
};

} // namespace

TEST_F(MessageDialogTest, ButtonsShowInBitOrderAndKeysPressTheDefaultOrCancelButton)
{
    struct Case {
        TMsgDlgButtons buttons;
        QStringList names;
        int onEnter;
        int onEsc;
    };
    const Case cases[] = {
        {mbOK, {"OK"}, mrOk, mrOk},
        {mbNo | mbYes, {"Yes", "No"}, mrYes, mrNo},
        {mbIgnore | mbRetry | mbAbort, {"Abort", "Retry", "Ignore"}, mrRetry, StaysOpen},
        {mbHelp | mbCancel | mbOK, {"OK", "Cancel", "Help"}, mrOk, mrCancel},
        {{}, {}, StaysOpen, StaysOpen},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.names.join(',').toStdString());
        show(QStringLiteral("Go on?"), mtConfirmation, c.buttons, [&](TMessageForm &form) {
            EXPECT_EQ(captions(form, &QPushButton::objectName), c.names);
        });
        EXPECT_EQ(pressKey(c.buttons, Qt::Key_Return), c.onEnter);
        EXPECT_EQ(pressKey(c.buttons, Qt::Key_Enter), c.onEnter);
        EXPECT_EQ(pressKey(c.buttons, Qt::Key_Escape), c.onEsc);
    }
}

TEST_F(MessageDialogTest, HelpAsksForTheTopicAndLeavesTheDialogOpen)
{
    QSignalSpy help(&Platform::Application::instance(), &Platform::Application::helpRequested);
    const int result = show(
        QStringLiteral("Go on?"), mtInformation, mbOK | mbCancel | mbHelp,
        [&](TMessageForm &form) {
            form.show();
            form.findChild<QPushButton *>(QStringLiteral("Help"))->click();
            ASSERT_EQ(help.count(), 1);
            EXPECT_EQ(help.first().first().toInt(), 42);
            EXPECT_TRUE(form.isVisible());
            form.close();
        },
        42);
    EXPECT_EQ(result, mrCancel) << "the frame's close box";
}

TEST_F(MessageDialogTest, EachKindHasItsTitleAndIconBesideTheTextAndCustomHasNeither)
{
    const QString previous = Platform::Application::instance().title();
    Platform::Application::instance().setTitle(QStringLiteral("Demo Application"));
    const std::pair<TMsgDlgType, QString> kinds[] = {{mtWarning, "Warning"},
                                                     {mtError, "Error"},
                                                     {mtInformation, "Information"},
                                                     {mtConfirmation, "Confirmation"},
                                                     {mtCustom, "Demo Application"}};
    for (const auto &[kind, title] : kinds) {
        show(QStringLiteral("Text"), kind, mbOK, [&](TMessageForm &form) {
            EXPECT_EQ(form.windowTitle(), title);
            const QLabel *icon = message(form, "Image");
            const bool shown = icon && !icon->pixmap().isNull();
            EXPECT_EQ(shown, kind != mtCustom);
            if (shown) {
                EXPECT_GT(message(form)->x(), icon->geometry().right());
            }
        });
    }
    Platform::Application::instance().setTitle(previous);
}

TEST_F(MessageDialogTest, LineBreaksAsUserStringsGiveThemMakeOneBreakEach)
{
    // LF CR makes one break; "&&" shows "&".
    show(QStringLiteral("First line\n\rSecond && last"), mtInformation, mbOK,
         [](TMessageForm &form) { EXPECT_EQ(message(form)->text(), "First line\nSecond & last"); });
}

TEST_F(MessageDialogTest, TitleAndCaptionsFollowTheActiveLanguage)
{
    const auto expect = [this](const QString &title, const QStringList &captionsShown) {
        show(QStringLiteral("Go on?"), mtConfirmation, mbYes | mbNo | mbHelp,
             [&](TMessageForm &form) {
                 EXPECT_EQ(form.windowTitle(), title);
                 EXPECT_EQ(captions(form), captionsShown);
             });
    };
    expect("Confirmation", {"Yes", "No", "Help"});
    m_selector.setActiveLanguage(QStringLiteral("Español"));
    expect("Confirmación", {"Si", "No", "Ayuda"});

    // An active language that is not in the list: nothing to show.
    m_selector.storeActiveLanguage(QStringLiteral("Deutsch"));
    expect("", {"", "", ""});
    m_selector.setActiveLanguage(QStringLiteral("english"));
    expect("Confirmation", {"Yes", "No", "Help"});

    // "&Help&" and "&mtConfirmation&" missing, "&No&" last with no value lines at all.
    QStringList table = EditorMessages;
    for (const char *gone : {"&Help&", "&mtConfirmation&", "&No&"})
        table.remove(table.indexOf(QLatin1String(gone)), 3);
    table.append(QStringLiteral("&No&"));
    m_selector.setMsgsStrings(table);
    expect("", {"Yes", "", ""});
}

TEST_F(MessageDialogTest, WithoutLanguagesShowsTheUntranslatedDialog)
{
    TParloxSelect bare;
    Platform::ModalHandlerGuard guard([&](QDialog &dialog) {
        auto &form = dynamic_cast<TMessageForm &>(dialog);
        EXPECT_EQ(form.windowTitle(), "Confirm");
        EXPECT_EQ(captions(form),
                  QStringList({"&Yes", "&No", "OK", "Cancel", "&Abort", "&Retry", "&Ignore", "&All",
                               "N&o to All", "Y&es to All", "&Help"}));
        EXPECT_NE(message(form, "Image"), nullptr);
        form.findChild<QPushButton *>(QStringLiteral("Retry"))->click();
    });
    EXPECT_EQ(bare.MessageDlg(QStringLiteral("Plain"), mtConfirmation, TMsgDlgButtons(0x7FF)),
              mrRetry);
}
