#include "dialoglayout.h"
#include "messageform.h"
#include "msgdialog.h"
#include "platform/application.h"
#include "platform/modalseam.h"
#include "select.h"

#include <QDir>
#include <QFontMetrics>
#include <QGuiApplication>
#include <QLabel>
#include <QPointer>
#include <QPushButton>
#include <QScreen>
#include <QSignalSpy>
#include <QTest>
#include <algorithm>
#include <functional>
#include <gtest/gtest.h>
#include <tuple>

// Readable failure messages for texts.
void PrintTo(const QString &text, std::ostream *out)
{
    *out << '"' << text.toStdString() << '"';
}
void PrintTo(const QStringList &texts, std::ostream *out)
{
    *out << '{' << texts.join(QStringLiteral(", ")).toStdString() << '}';
}

using namespace Parlox;
namespace Layout = Parlox::DialogLayout;

namespace {

// The editor's own message strings in English and Spanish.
QStringList editorMessages()
{
    const QStringList rows[] = {
        {"&mtWarning&", "Warning", "Atención"},
        {"&mtError&", "Error", "Error"},
        {"&mtInformation&", "Information", "Información"},
        {"&mtConfirmation&", "Confirmation", "Confirmación"},
        {"&Yes&", "Yes", "Si"},
        {"&No&", "No", "No"},
        {"&OK&", "OK", "Aceptar"},
        {"&Cancel&", "Cancel", "Cancelar"},
        {"&Abort&", "Abort", "Abortar"},
        {"&Retry&", "Retry", "Reintentar"},
        {"&Ignore&", "Ignore", "Ignorar"},
        {"&All&", "All", "Todo"},
        {"&NoToAll&", "NoToAll", "No a todo"},
        {"&YesToAll&", "YesToAll", "Si a todo"},
        {"&Help&", "Help", "Ayuda"},
    };
    QStringList table;
    for (const QStringList &row : rows)
        table += row;
    return table;
}

// Buttons in the order they appear, left to right.
QList<QPushButton *> buttonsShown(const TMessageForm &form)
{
    auto buttons = form.findChildren<QPushButton *>();
    std::sort(buttons.begin(), buttons.end(),
              [](const QPushButton *a, const QPushButton *b) { return a->x() < b->x(); });
    return buttons;
}

QStringList names(const QList<QPushButton *> &buttons)
{
    QStringList result;
    for (const QPushButton *button : buttons)
        result.append(button->objectName());
    return result;
}

QStringList captions(const QList<QPushButton *> &buttons)
{
    QStringList result;
    for (const QPushButton *button : buttons)
        result.append(button->text());
    return result;
}

QString defaultName(const TMessageForm &form)
{
    for (const QPushButton *button : form.findChildren<QPushButton *>())
        if (button->isDefault())
            return button->objectName();
    return {};
}

QString cancelName(const TMessageForm &form)
{
    return form.cancelButton() ? form.cancelButton()->objectName() : QString();
}

Layout::Metrics metricsOf(const TMessageForm &form)
{
    const QFontMetrics fm(form.font());
    return Layout::metrics(
        Layout::fontUnits(QSize(fm.horizontalAdvance(QStringLiteral(
                                    "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz")),
                                fm.height())));
}

const QLabel *message(const TMessageForm &form)
{
    return form.findChild<QLabel *>(QStringLiteral("Message"));
}

const QLabel *image(const TMessageForm &form)
{
    return form.findChild<QLabel *>(QStringLiteral("Image"));
}

class MessageDialogTest : public ::testing::Test {
protected:
    MessageDialogTest()
    {
        m_selector.setLanguages({QStringLiteral("English"), QStringLiteral("Español")});
        m_selector.setMsgsStrings(editorMessages());
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

    // Shows the dialog, then presses a key on it the way a user would.
    int pressKey(TMsgDlgButtons buttons, Qt::Key key)
    {
        return show(QStringLiteral("Go on?"), mtConfirmation, buttons, [key](TMessageForm &form) {
            form.show();
            QTest::keyClick(&form, key);
        });
    }

    TParloxSelect m_selector;
    QPointer<TMessageForm> m_last;
};

} // namespace

TEST(DialogLayoutTest, MulDivRoundsHalvesAwayFromZero)
{
    EXPECT_EQ(Layout::mulDiv(10, 7, 4), 18); // 17.5
    EXPECT_EQ(Layout::mulDiv(50, 7, 4), 88); // 87.5
    EXPECT_EQ(Layout::mulDiv(-10, 7, 4), -18);
    EXPECT_EQ(Layout::mulDiv(10, 7, -4), -18);
    EXPECT_EQ(Layout::mulDiv(14, 15, 8), 26); // 26.25
    EXPECT_EQ(Layout::mulDiv(10, 15, 8), 19); // 18.75
    EXPECT_EQ(Layout::mulDiv(1, 1, 3), 0);
    EXPECT_EQ(Layout::mulDiv(1'000'000, 1'000'000, 1'000'000), 1'000'000); // no overflow
    EXPECT_EQ(Layout::mulDiv(5, 5, 0), 0);
}

TEST(DialogLayoutTest, DerivesTheDialogUnitsFromTheLetterExtent)
{
    const Layout::FontUnits units = Layout::fontUnits(QSize(6 * 52 + 51, 13));
    EXPECT_EQ(units.cx, 6);
    EXPECT_EQ(units.cy, 13);

    const Layout::Metrics m = Layout::metrics(units);
    EXPECT_EQ(m.horzMargin, 12);
    EXPECT_EQ(m.vertMargin, 13);
    EXPECT_EQ(m.horzSpacing, 15);
    EXPECT_EQ(m.vertSpacing, 16);
    EXPECT_EQ(m.buttonWidth, 75);
    EXPECT_EQ(m.buttonHeight, 23);
    EXPECT_EQ(m.buttonSpacing, 6);

    const Layout::Metrics odd = Layout::metrics({7, 15});
    EXPECT_EQ(odd.horzSpacing, 18);
    EXPECT_EQ(odd.buttonWidth, 88);
    EXPECT_EQ(odd.vertSpacing, 19);
    EXPECT_EQ(odd.buttonHeight, 26);
}

TEST(DialogLayoutTest, PlacesIconTextAndCentredButtons)
{
    const Layout::Metrics m = Layout::metrics({6, 13});

    // A short line with an icon: the block is raised to the icon's height and the row of three
    // buttons (237 wide) sets the width.
    const Layout::Layout icon = Layout::layout(m, QSize(100, 13), true, 3);
    EXPECT_EQ(icon.block, QSize(147, 32));
    EXPECT_EQ(icon.groupWidth, 237);
    EXPECT_EQ(icon.client, QSize(261, 32 + 23 + 16 + 26));
    EXPECT_EQ(icon.icon, QRect(12, 13, 32, 32));
    EXPECT_EQ(icon.label, QRect(59, 13, 100, 13));
    ASSERT_EQ(icon.buttons.size(), 3);
    EXPECT_EQ(icon.buttons[0], QRect(12, 61, 75, 23));
    EXPECT_EQ(icon.buttons[1], QRect(93, 61, 75, 23));
    EXPECT_EQ(icon.buttons[2], QRect(174, 61, 75, 23));

    // A long text without icon: the text sets the width, the label sits at the margin and the
    // single button is centred (truncating the odd pixel).
    const Layout::Layout plain = Layout::layout(m, QSize(301, 52), false, 1);
    EXPECT_FALSE(plain.icon.has_value());
    EXPECT_EQ(plain.client, QSize(325, 52 + 23 + 16 + 26));
    EXPECT_EQ(plain.label, QRect(12, 13, 301, 52));
    EXPECT_EQ(plain.buttons[0].topLeft(), QPoint((325 - 75) / 2, 52 + 13 + 16));

    const Layout::Layout none = Layout::layout(m, QSize(40, 13), true, 0);
    EXPECT_EQ(none.groupWidth, 0);
    EXPECT_TRUE(none.buttons.isEmpty());
    EXPECT_EQ(none.client.width(), 40 + 32 + 15 + 24);

    EXPECT_EQ(Layout::centredPosition(QRect(0, 0, 1024, 768), QSize(261, 97)),
              QPoint(512 - 130, 384 - 48));
    EXPECT_EQ(Layout::centredPosition(QRect(100, 50, 800, 600), QSize(200, 100)), QPoint(400, 300));
}

TEST(DialogLayoutTest, ChoosesDefaultAndCancelButtons)
{
    EXPECT_EQ(Layout::defaultButton(mbOK), mbOK);
    EXPECT_EQ(Layout::cancelButton(mbOK), mbOK);
    EXPECT_EQ(Layout::defaultButton(mbYes | mbNo), mbYes);
    EXPECT_EQ(Layout::cancelButton(mbYes | mbNo), mbNo);
    EXPECT_EQ(Layout::defaultButton(mbAbort | mbRetry | mbIgnore), mbRetry);
    EXPECT_EQ(Layout::cancelButton(mbAbort | mbRetry | mbIgnore), std::nullopt);
    EXPECT_EQ(Layout::defaultButton(mbYes | mbNo | mbOK | mbCancel), mbOK);
    EXPECT_EQ(Layout::cancelButton(mbYes | mbNo | mbOK | mbCancel), mbCancel);
    EXPECT_EQ(Layout::defaultButton({}), std::nullopt);
    EXPECT_EQ(Layout::cancelButton({}), std::nullopt);
    EXPECT_EQ(Layout::buttonCount(TMsgDlgButtons(0x7FF)), 11);
}

TEST_F(MessageDialogTest, ShowsButtonsInBitOrderWithTheirDefaultAndCancel)
{
    struct Case {
        TMsgDlgButtons buttons;
        QStringList names;
        QString defaultButton;
        QString cancelButton;
    };
    const Case cases[] = {
        {mbOK, {"OK"}, "OK", "OK"},
        {mbNo | mbYes, {"Yes", "No"}, "Yes", "No"},
        {mbIgnore | mbRetry | mbAbort, {"Abort", "Retry", "Ignore"}, "Retry", ""},
        {mbHelp | mbCancel | mbOK, {"OK", "Cancel", "Help"}, "OK", "Cancel"},
        {{}, {}, "", ""},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.names.join(',').toStdString());
        show(QStringLiteral("Go on?"), mtConfirmation, c.buttons, [&](TMessageForm &form) {
            const auto buttons = buttonsShown(form);
            EXPECT_EQ(names(buttons), c.names);
            EXPECT_EQ(defaultName(form), c.defaultButton);
            EXPECT_EQ(cancelName(form), c.cancelButton);

            // Same size, one row, spaced evenly and centred in the client area.
            const Layout::Metrics m = metricsOf(form);
            for (qsizetype i = 0; i < buttons.size(); ++i) {
                EXPECT_EQ(buttons[i]->size(), QSize(m.buttonWidth, m.buttonHeight));
                EXPECT_EQ(buttons[i]->y(), buttons[0]->y());
                if (i > 0) {
                    EXPECT_EQ(buttons[i]->x() - buttons[i - 1]->geometry().right() - 1,
                              m.buttonSpacing);
                }
            }
            if (!buttons.isEmpty()) {
                const int left = buttons.first()->x();
                const int right = form.width() - buttons.last()->geometry().right() - 1;
                EXPECT_LE(std::abs(left - right), 1);
                EXPECT_EQ(buttons[0]->y(), 32 + m.vertMargin + m.vertSpacing);
            }
            EXPECT_EQ(form.height(), std::max(32, message(form)->height()) + m.buttonHeight +
                                         m.vertSpacing + 2 * m.vertMargin);
        });
    }
}

TEST_F(MessageDialogTest, EnterPressesTheDefaultAndEscTheCancelButton)
{
    EXPECT_EQ(pressKey(mbOK, Qt::Key_Return), mrOk);
    EXPECT_EQ(pressKey(mbOK, Qt::Key_Escape), mrOk);
    EXPECT_EQ(pressKey(mbYes | mbNo, Qt::Key_Return), mrYes);
    EXPECT_EQ(pressKey(mbYes | mbNo, Qt::Key_Enter), mrYes);
    EXPECT_EQ(pressKey(mbYes | mbNo, Qt::Key_Escape), mrNo);
    EXPECT_EQ(pressKey(mbAbort | mbRetry | mbIgnore, Qt::Key_Return), mrRetry);
    EXPECT_EQ(pressKey(mbOK | mbCancel | mbHelp, Qt::Key_Escape), mrCancel);
}

TEST_F(MessageDialogTest, WithoutCancelButtonEscDoesNothingAndTheFrameGivesCancel)
{
    for (const TMsgDlgButtons buttons :
         {TMsgDlgButtons(mbAbort | mbRetry | mbIgnore), TMsgDlgButtons()}) {
        const int result =
            show(QStringLiteral("Go on?"), mtWarning, buttons, [](TMessageForm &form) {
                form.show();
                QTest::keyClick(&form, Qt::Key_Escape);
                EXPECT_TRUE(form.isVisible());
                EXPECT_EQ(form.result(), mrNone);
                form.close(); // the frame's close box
            });
        EXPECT_EQ(result, mrCancel);
    }
    // Enter has nothing to press in an empty set either.
    EXPECT_EQ(pressKey({}, Qt::Key_Return), mrNone);
}

TEST_F(MessageDialogTest, HelpAsksForTheTopicAndLeavesTheDialogOpen)
{
    QSignalSpy help(&Platform::Application::instance(), &Platform::Application::helpRequested);
    const int result = show(
        QStringLiteral("Go on?"), mtInformation, mbOK | mbCancel | mbHelp,
        [&](TMessageForm &form) {
            EXPECT_EQ(form.HelpContext(), 42);
            form.show();
            form.findChild<QPushButton *>(QStringLiteral("Help"))->click();
            ASSERT_EQ(help.count(), 1);
            EXPECT_EQ(help.first().first().toInt(), 42);
            EXPECT_TRUE(form.isVisible());
            form.findChild<QPushButton *>(QStringLiteral("Cancel"))->click();
        },
        42);
    EXPECT_EQ(result, mrCancel);
}

TEST_F(MessageDialogTest, EachKindHasItsTitleAndIconBesideTheText)
{
    const std::pair<TMsgDlgType, QString> kinds[] = {{mtWarning, "Warning"},
                                                     {mtError, "Error"},
                                                     {mtInformation, "Information"},
                                                     {mtConfirmation, "Confirmation"}};
    for (const auto &[kind, title] : kinds) {
        show(QStringLiteral("Text"), kind, mbOK, [&](TMessageForm &form) {
            EXPECT_EQ(form.windowTitle(), title);
            const Layout::Metrics m = metricsOf(form);
            const QLabel *icon = image(form);
            ASSERT_NE(icon, nullptr);
            EXPECT_EQ(icon->geometry(), QRect(m.horzMargin, m.vertMargin, 32, 32));
            EXPECT_FALSE(icon->pixmap().isNull());
            EXPECT_EQ(message(form)->pos(),
                      QPoint(m.horzMargin + 32 + m.horzSpacing, m.vertMargin));
        });
    }
}

TEST_F(MessageDialogTest, CustomKindHasNoIconAndTheApplicationsTitle)
{
    const QString previous = Platform::Application::instance().title();
    Platform::Application::instance().setTitle(QStringLiteral("Demo Application"));
    show(QStringLiteral("Custom text"), mtCustom, mbOK, [](TMessageForm &form) {
        EXPECT_EQ(form.windowTitle(), "Demo Application");
        EXPECT_EQ(image(form), nullptr);
        const Layout::Metrics m = metricsOf(form);
        EXPECT_EQ(message(form)->pos(), QPoint(m.horzMargin, m.vertMargin));
        EXPECT_EQ(message(form)->text(), "Custom text");
    });
    Platform::Application::instance().setTitle(previous);
}

TEST_F(MessageDialogTest, SizesFollowTheTextAndTheButtonRow)
{
    const int halfScreen = QGuiApplication::primaryScreen()->geometry().width() / 2;

    // One word: the button row sets the width.
    show(QStringLiteral("Hi"), mtCustom, mbYes | mbNo | mbCancel, [](TMessageForm &form) {
        const Layout::Metrics m = metricsOf(form);
        EXPECT_EQ(form.width(), 3 * m.buttonWidth + 2 * m.buttonSpacing + 2 * m.horzMargin);
        EXPECT_EQ(form.minimumSize(), form.maximumSize()); // fixed size
    });

    // A long text wraps within half the screen and the dialog grows downwards.
    const QString longText = QStringLiteral("word ").repeated(200).trimmed();
    show(longText, mtError, mbOK, [&](TMessageForm &form) {
        const QLabel *label = message(form);
        const QFontMetrics fm(form.font());
        EXPECT_LE(label->width(), halfScreen);
        EXPECT_GT(label->height(), 3 * fm.height());
        EXPECT_EQ(label->size(),
                  fm.boundingRect(QRect(0, 0, halfScreen, 0), Qt::TextWordWrap, longText).size());
        EXPECT_TRUE(label->wordWrap());
        EXPECT_GT(form.height(), label->height());
    });

    // Line breaks as user strings give them (LF CR) make one break each; "&&" shows "&".
    show(QStringLiteral("First line\n\rSecond && last"), mtInformation, mbOK,
         [](TMessageForm &form) {
             const QLabel *label = message(form);
             EXPECT_EQ(label->text(), "First line\nSecond & last");
             const QFontMetrics fm(form.font());
             EXPECT_EQ(label->height(),
                       fm.boundingRect(QRect(0, 0, 10000, 0), 0, label->text()).height());
         });
}

TEST_F(MessageDialogTest, IsCentredOnThePrimaryScreenAndReleasedAfterwards)
{
    const QRect screen = QGuiApplication::primaryScreen()->geometry();
    show(QStringLiteral("Centred"), mtWarning, mbOK, [&](TMessageForm &form) {
        EXPECT_EQ(form.pos(), Layout::centredPosition(screen, form.frameGeometry().size()));
        EXPECT_EQ(form.parent(), nullptr);
    });

    int seenAt = 0;
    Platform::ModalHandlerGuard guard([&](QDialog &dialog) {
        seenAt = dialog.x();
        dialog.done(mrOk);
    });
    EXPECT_EQ(showMessageDialogAt(m_selector, QStringLiteral("Placed"), mtWarning, mbOK, 0, 7, -1),
              mrOk);
    EXPECT_EQ(seenAt, 7);
}

TEST_F(MessageDialogTest, TitleAndCaptionsFollowTheActiveLanguage)
{
    const auto expect = [this](const QString &title, const QStringList &captionsShown) {
        show(QStringLiteral("Go on?"), mtConfirmation, mbYes | mbNo | mbHelp,
             [&](TMessageForm &form) {
                 EXPECT_EQ(form.windowTitle(), title);
                 EXPECT_EQ(captions(buttonsShown(form)), captionsShown);
             });
    };
    expect("Confirmation", {"Yes", "No", "Help"});
    m_selector.setActiveLanguage(QStringLiteral("Español"));
    expect("Confirmación", {"Si", "No", "Ayuda"});
    m_selector.setActiveLanguage(QStringLiteral("english"));
    expect("Confirmation", {"Yes", "No", "Help"});
}

TEST_F(MessageDialogTest, WithoutLanguagesShowsTheUntranslatedDialog)
{
    TParloxSelect bare;
    const std::pair<TMsgDlgType, QString> kinds[] = {{mtWarning, "Warning"},
                                                     {mtError, "Error"},
                                                     {mtInformation, "Information"},
                                                     {mtConfirmation, "Confirm"}};
    for (const auto &[kind, title] : kinds) {
        Platform::ModalHandlerGuard guard([&](QDialog &dialog) {
            auto &form = dynamic_cast<TMessageForm &>(dialog);
            EXPECT_EQ(form.windowTitle(), title);
            EXPECT_EQ(captions(buttonsShown(form)),
                      QStringList({"&Yes", "&No", "OK", "Cancel", "&Abort", "&Retry", "&Ignore",
                                   "&All", "N&o to All", "Y&es to All", "&Help"}));
            EXPECT_NE(image(form), nullptr);
            form.findChild<QPushButton *>(QStringLiteral("Retry"))->click();
        });
        EXPECT_EQ(bare.MessageDlg(QStringLiteral("Plain"), kind, TMsgDlgButtons(0x7FF)), mrRetry);
    }
}

TEST_F(MessageDialogTest, MissingTextsShowEmptyCaptions)
{
    // "&Help&" and "&mtError&" missing, "&No&" last with no value lines at all.
    QStringList table = editorMessages();
    table.remove(table.indexOf("&Help&"), 3);
    table.remove(table.indexOf("&mtError&"), 3);
    table.remove(table.indexOf("&No&"), 3);
    table.append(QStringLiteral("&No&"));
    m_selector.setMsgsStrings(table);
    show(QStringLiteral("Oops"), mtError, mbYes | mbNo | mbHelp, [](TMessageForm &form) {
        EXPECT_EQ(form.windowTitle(), "");
        EXPECT_EQ(captions(buttonsShown(form)), QStringList({"Yes", "", ""}));
    });

    // An active language that is not in the list.
    m_selector.setMsgsStrings(editorMessages());
    m_selector.storeActiveLanguage(QStringLiteral("Deutsch"));
    show(QStringLiteral("Oops"), mtWarning, mbOK | mbCancel, [](TMessageForm &form) {
        EXPECT_EQ(form.windowTitle(), "");
        EXPECT_EQ(captions(buttonsShown(form)), QStringList({"", ""}));
    });
}

// Run with --gtest_also_run_disabled_tests: grabs the confirmation dialog in both languages
// into /tmp/parlox-shots/ for a look by eye.
TEST_F(MessageDialogTest, DISABLED_ScreenshotDialogs)
{
    const QString folder = QStringLiteral("/tmp/parlox-shots");
    ASSERT_TRUE(QDir().mkpath(folder));
    const std::tuple<QString, QString, QString> shots[] = {
        {"English", "en", "The translations file has been modified.\n\rDo you want to save it?"},
        {"Español", "es", "El archivo de traducciones ha sido modificado.\n\r¿Desea guardarlo?"}};
    for (const auto &[language, suffix, text] : shots) {
        m_selector.setActiveLanguage(language);
        show(text, mtConfirmation, mbYes | mbNo, [&](TMessageForm &form) {
            form.show();
            EXPECT_TRUE(form.grab().save(folder + "/confirmation-" + suffix + ".png"));
        });
    }
}
