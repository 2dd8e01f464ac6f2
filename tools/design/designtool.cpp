#include "designtool.h"

#include "designsession.h"
#include "terminalmessages.h"
#include "uiformcollection.h"
#include <Parlox/flatfile.h>
#include <Parlox/form.h>
#include <Parlox/format/errors.h>
#include <Parlox/select.h>

#include <QFileInfo>
#include <QIODevice>
#include <QWidget>
#include <optional>

namespace Parlox::DesignTool {
namespace {

const QByteArray UsageText =
    "usage: parlox-design collect FORM.json...\n"
    "       parlox-design collect --ui FORM.ui --lng FILE.LNG --language NAME\n"
    "       parlox-design language FORM.json NAME [FORM.json...]\n"
    "       parlox-design rename FORM.json OLD NEW [FORM.json...]\n"
    "       parlox-design delete FORM.json NAME [FORM.json...]\n"
    "       parlox-design storage PROJECT_DIR flat-file|form-data FORM.json... [--yes]\n"
    "every command takes --encoding NAME, the translations file's encoding (Windows-1250...\n"
    "Windows-1258, UTF-8), which the selector then stores\n";

enum class Operation { Collect, CollectUi, Language, Rename, Delete, Storage };

struct Command {
    Operation operation = Operation::Collect;
    QStringList names; // the operation's own arguments
    QStringList forms; // the form data files, the one operated on first
    QString project;   // the project folder
    bool assumeYes = false;
    std::optional<Encoding> encoding = std::nullopt; // from --encoding
};

// Takes "--encoding NAME" out of args; false for a missing or unknown name.
bool takeEncoding(QStringList &args, std::optional<Encoding> &encoding)
{
    const qsizetype at = args.indexOf(QStringLiteral("--encoding"));
    if (at < 0)
        return true;
    encoding = encodingFromName(args.value(at + 1));
    args.remove(at, std::min<qsizetype>(2, args.size() - at));
    return encoding.has_value() && !args.contains(QStringLiteral("--encoding"));
}

// The options of collect --ui, each given once with its value.
std::optional<Command> parseUi(const QStringList &args)
{
    const QStringList keys{"--ui", "--lng", "--language"};
    QStringList values(3);
    if (args.size() != 7)
        return std::nullopt;
    for (qsizetype i = 1; i < args.size(); i += 2) {
        const qsizetype key = keys.indexOf(args[i]);
        if (key < 0 || !values[key].isNull())
            return std::nullopt;
        values[key] = args[i + 1];
    }
    return Command{Operation::CollectUi, values, {}, {}, false};
}

// A command that names its own arguments first and forms after them.
std::optional<Command> withForms(Operation operation, const QStringList &args, qsizetype names)
{
    // The form comes first, its arguments after it, further forms last.
    if (args.size() < names + 2)
        return std::nullopt;
    Command command{operation, args.mid(2, names), {args[1]}, {}, false};
    command.forms += args.mid(2 + names);
    return command;
}

std::optional<Command> parseStorage(QStringList args)
{
    const bool yes = args.removeAll(QStringLiteral("--yes")) > 0;
    if (args.size() < 4 || (args[2] != u"flat-file" && args[2] != u"form-data"))
        return std::nullopt;
    return Command{Operation::Storage, {args[2]}, args.mid(3), args[1], yes};
}

std::optional<Command> parse(QStringList args)
{
    std::optional<Encoding> encoding;
    if (!takeEncoding(args, encoding))
        return std::nullopt;
    const QString name = args.value(0);
    std::optional<Command> command;
    if (name == u"collect" && args.value(1) == u"--ui")
        command = parseUi(args);
    else if (name == u"collect" && args.size() >= 2)
        command = Command{Operation::Collect, {}, args.mid(1), {}, false};
    else if (name == u"language")
        command = withForms(Operation::Language, args, 1);
    else if (name == u"rename")
        command = withForms(Operation::Rename, args, 2);
    else if (name == u"delete")
        command = withForms(Operation::Delete, args, 1);
    else if (name == u"storage")
        command = parseStorage(args);
    const auto isOption = [](const QString &form) { return form.startsWith(u"--"); };
    if (command && std::any_of(command->forms.cbegin(), command->forms.cend(), isOption))
        return std::nullopt;
    if (command)
        command->encoding = encoding;
    return command;
}

void printLine(QIODevice &device, const QString &line)
{
    device.write((QStringLiteral("parlox-design: ") + line + u'\n').toUtf8());
}

TParloxForm &translatorOf(const QWidget &form, const QString &path)
{
    TParloxForm *translator = DesignSession::translatorOf(form);
    if (!translator)
        throw Error(QStringLiteral("%1: the form has no TParloxForm").arg(path));
    return *translator;
}

// Sets TranslationsAre on the selector of the open forms; false when it kept its value.
bool switchStorage(DesignSession &session, const QString &mode, const TerminalMessages &messages,
                   QIODevice &err)
{
    TParloxSelect *selector = session.selector();
    if (!selector)
        throw Error(QStringLiteral("none of the forms holds a TParloxSelect"));
    const TPxTranslationsPosition wanted = mode == u"flat-file" ? InFlatFile : InExe;
    selector->setTranslationsAre(wanted);
    const bool done = selector->TranslationsAre() == wanted;
    if (!done && messages.declined())
        printLine(err, QStringLiteral("not confirmed; nothing was changed"));
    return done;
}

// The designer operation on the open forms; false when it was refused.
bool perform(const Command &command, DesignSession &session, QWidget &form,
             const TerminalMessages &messages, QIODevice &err)
{
    switch (command.operation) {
    case Operation::Language:
        translatorOf(form, command.forms[0]).setLanguage(command.names[0]);
        break;
    case Operation::Rename:
        session.renameComponent(form, command.names[0], command.names[1]);
        break;
    case Operation::Delete:
        session.deleteComponent(form, command.names[0]);
        break;
    case Operation::Storage:
        return switchStorage(session, command.names[0], messages, err);
    case Operation::Collect:
    case Operation::CollectUi:
        break;
    }
    return true;
}

bool design(const Command &command, QIODevice &in, QIODevice &err, bool inIsTerminal)
{
    const QString project =
        command.project.isEmpty() ? QFileInfo(command.forms[0]).path() : command.project;
    TerminalMessages messages(in, err, {command.assumeYes, !inIsTerminal});
    DesignSession session(project);
    QList<QWidget *> forms;
    for (const QString &path : command.forms)
        forms.append(&session.open(path));
    session.linkTranslators();
    if (TParloxSelect *selector = session.selector(); selector && command.encoding) {
        selector->setTranslationsEncoding(encodingName(*command.encoding));
        // What the selector read at loading was read in the encoding it had.
        if (selector->TranslationsAre() == InFlatFile)
            FlatFile::LoadTranslationsFile(*selector);
    }
    if (!perform(command, session, *forms[0], messages, err) || messages.failed())
        return false;
    session.beforeSave();
    if (messages.failed())
        return false;
    session.write();
    return true;
}

} // namespace

int run(const QStringList &args, QIODevice &in, QIODevice &out, QIODevice &err, bool inIsTerminal)
{
    if (args.size() == 1 && (args[0] == u"--help" || args[0] == u"-h")) {
        out.write(UsageText);
        return Success;
    }
    const std::optional<Command> command = parse(args);
    if (!command) {
        err.write(UsageText);
        return Usage;
    }
    try {
        if (command->operation == Operation::CollectUi) {
            collectUiForm(command->names[0], command->names[1], command->names[2],
                          command->encoding);
            return Success;
        }
        return design(*command, in, err, inIsTerminal) ? Success : Failed;
    } catch (const Error &e) {
        printLine(err, e.message());
    }
    return Failed;
}

} // namespace Parlox::DesignTool
