#include <Parlox/msgdialog.h>

#include <Parlox/dialoglayout.h>
#include <Parlox/messageform.h>
#include <Parlox/platform/application.h>
#include <Parlox/platform/modalseam.h>
#include <Parlox/select.h>

#include <QFontMetrics>
#include <QGuiApplication>
#include <QHash>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QStyle>

namespace Parlox {
namespace {

using namespace DialogLayout;

const QString &letters()
{
    static const QString value =
        QStringLiteral("ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz");
    return value;
}

QRect primaryScreenRect()
{
    if (const QScreen *screen = QGuiApplication::primaryScreen())
        return screen->geometry();
    return {0, 0, 640, 480}; // no screen at all: any sane size keeps the arithmetic working
}

// User strings break lines as LF followed by CR; any mix of CR and LF is one break here.
QString normalizeLineBreaks(QString text)
{
    text.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    text.replace(QLatin1String("\n\r"), QLatin1String("\n"));
    text.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    return text;
}

// "&" is a mnemonic prefix in the measured text ("&&" stands for "&"); the label draws the
// text as measured, without the prefixes.
QString withoutMnemonics(const QString &text)
{
    QString result;
    result.reserve(text.size());
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (text[i] == QLatin1Char('&')) {
            if (++i == text.size())
                break;
        }
        result.append(text[i]);
    }
    return result;
}

std::optional<QStyle::StandardPixmap> kindIcon(TMsgDlgType kind)
{
    switch (kind) {
    case mtWarning:
        return QStyle::SP_MessageBoxWarning;
    case mtError:
        return QStyle::SP_MessageBoxCritical;
    case mtInformation:
        return QStyle::SP_MessageBoxInformation;
    case mtConfirmation:
        return QStyle::SP_MessageBoxQuestion;
    case mtCustom:
        break;
    }
    return std::nullopt;
}

QString kindTitle(TMsgDlgType kind, const MessageCaptions &captions)
{
    switch (kind) {
    case mtWarning:
        return captions(QStringLiteral("mtWarning"));
    case mtError:
        return captions(QStringLiteral("mtError"));
    case mtInformation:
        return captions(QStringLiteral("mtInformation"));
    case mtConfirmation:
        return captions(QStringLiteral("mtConfirmation"));
    case mtCustom:
        break;
    }
    return Platform::Application::instance().title();
}

Metrics fontMetrics(const QFontMetrics &fm)
{
    return metrics(fontUnits(QSize(fm.horizontalAdvance(letters()), fm.height())));
}

// Word-wrapped within half the screen's width, growing downwards as needed.
QSize measureText(const QFontMetrics &fm, const QString &text, int screenWidth)
{
    const QRect bounds = fm.boundingRect(QRect(0, 0, screenWidth / 2, 0),
                                         Qt::TextWordWrap | Qt::TextShowMnemonic, text);
    return {std::max(0, bounds.right() + 1), std::max(0, bounds.bottom() + 1)};
}

void addIcon(TMessageForm &form, QStyle::StandardPixmap icon, const QRect &where)
{
    auto *image = new QLabel(&form);
    image->setObjectName(QStringLiteral("Image"));
    image->setPixmap(form.style()->standardIcon(icon, nullptr, &form).pixmap(where.size()));
    image->setGeometry(where);
}

void addMessage(TMessageForm &form, const QString &text, const QRect &where)
{
    auto *label = new QLabel(&form);
    label->setObjectName(QStringLiteral("Message"));
    label->setTextFormat(Qt::PlainText);
    label->setWordWrap(true);
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    label->setText(withoutMnemonics(text));
    label->setGeometry(where);
}

void addButtons(TMessageForm &form, TMsgDlgButtons buttons, const QList<QRect> &places,
                const MessageCaptions &captions)
{
    const auto defaultChoice = defaultButton(buttons);
    const auto cancelChoice = cancelButton(buttons);
    qsizetype place = 0;
    for (const ButtonInfo &info : buttonTable()) {
        if (!(buttons & info.button))
            continue;
        const QString name = QLatin1String(info.name);
        auto *button = new QPushButton(captions(name), &form);
        button->setObjectName(name);
        button->setGeometry(places.value(place++));
        if (info.button == mbHelp) {
            QObject::connect(button, &QPushButton::clicked, &form, &TMessageForm::HelpButtonClick);
        } else {
            const int result = info.result;
            QObject::connect(button, &QPushButton::clicked, &form,
                             [&form, result] { form.done(result); });
        }
        if (info.button == defaultChoice) {
            button->setDefault(true);
            button->setFocus();
        }
        if (info.button == cancelChoice)
            form.setCancelButton(button);
    }
}

int runDialog(std::unique_ptr<TMessageForm> dialog, int helpContext, int left, int top)
{
    dialog->setHelpContext(helpContext);
    if (left >= 0 || top >= 0)
        dialog->move(left >= 0 ? left : dialog->x(), top >= 0 ? top : dialog->y());
    // The dialog is released when this returns, by the result or by an exception.
    return Platform::showModal(*dialog);
}

} // namespace

std::unique_ptr<TMessageForm> CreateMessageDialog(const QString &text, TMsgDlgType kind,
                                                  TMsgDlgButtons buttons,
                                                  const MessageCaptions &captions)
{
    auto form = std::make_unique<TMessageForm>();
    const QString shown = normalizeLineBreaks(text);
    const QFontMetrics fm(form->font());
    const QRect screen = primaryScreenRect();
    const auto icon = kindIcon(kind);
    const Layout places = layout(fontMetrics(fm), measureText(fm, shown, screen.width()),
                                 icon.has_value(), buttonCount(buttons));

    form->setFixedSize(places.client);
    form->move(centredPosition(screen, form->frameGeometry().size()));
    form->setWindowTitle(kindTitle(kind, captions));
    if (icon && places.icon)
        addIcon(*form, *icon, *places.icon);
    addMessage(*form, shown, places.label);
    addButtons(*form, buttons, places.buttons, captions);
    return form;
}

std::unique_ptr<TMessageForm> CreateMessageDialog(const TParloxSelect &selector,
                                                  const QString &text, TMsgDlgType kind,
                                                  TMsgDlgButtons buttons)
{
    return CreateMessageDialog(text, kind, buttons, [&selector](const QString &name) {
        return selector.GetMsgString(name);
    });
}

QString standardCaption(const QString &name)
{
    static const QHash<QString, QString> captions{
        {QStringLiteral("mtWarning"), QStringLiteral("Warning")},
        {QStringLiteral("mtError"), QStringLiteral("Error")},
        {QStringLiteral("mtInformation"), QStringLiteral("Information")},
        {QStringLiteral("mtConfirmation"), QStringLiteral("Confirm")},
        {QStringLiteral("Yes"), QStringLiteral("&Yes")},
        {QStringLiteral("No"), QStringLiteral("&No")},
        {QStringLiteral("OK"), QStringLiteral("OK")},
        {QStringLiteral("Cancel"), QStringLiteral("Cancel")},
        {QStringLiteral("Abort"), QStringLiteral("&Abort")},
        {QStringLiteral("Retry"), QStringLiteral("&Retry")},
        {QStringLiteral("Ignore"), QStringLiteral("&Ignore")},
        {QStringLiteral("All"), QStringLiteral("&All")},
        {QStringLiteral("NoToAll"), QStringLiteral("N&o to All")},
        {QStringLiteral("YesToAll"), QStringLiteral("Y&es to All")},
        {QStringLiteral("Help"), QStringLiteral("&Help")},
    };
    return captions.value(name);
}

int showMessageDialogAt(const TParloxSelect &selector, const QString &text, TMsgDlgType kind,
                        TMsgDlgButtons buttons, int helpContext, int left, int top)
{
    auto dialog = selector.Languages().isEmpty()
                      ? CreateMessageDialog(text, kind, buttons, &standardCaption)
                      : CreateMessageDialog(selector, text, kind, buttons);
    return runDialog(std::move(dialog), helpContext, left, top);
}

int showMessageDialog(const TParloxSelect &selector, const QString &text, TMsgDlgType kind,
                      TMsgDlgButtons buttons, int helpContext)
{
    return showMessageDialogAt(selector, text, kind, buttons, helpContext, -1, -1);
}

} // namespace Parlox
