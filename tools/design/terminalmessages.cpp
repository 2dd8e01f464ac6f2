#include "terminalmessages.h"

#include <QAbstractButton>
#include <QIODevice>
#include <QLabel>
#include <QMessageBox>

namespace Parlox::DesignTool {
namespace {

// Message texts break lines with CR; a printed problem is one line.
QString oneLine(QString text)
{
    return text.replace(u'\r', u' ').replace(u'\n', u' ').simplified();
}

// A dialog of another kind (the translated message dialog): its texts are in its labels.
QString labelTexts(const QDialog &dialog)
{
    QStringList texts;
    for (const QLabel *label : dialog.findChildren<QLabel *>()) {
        if (!label->text().isEmpty())
            texts.append(label->text());
    }
    return texts.join(u' ');
}

} // namespace

TerminalMessages::TerminalMessages(QIODevice &in, QIODevice &err, Answers answers)
    : m_in(in), m_err(err), m_answers(answers), m_guard([this](QDialog &dialog) { answer(dialog); })
{
}

void TerminalMessages::printLine(const QString &text)
{
    m_err.write((QStringLiteral("parlox-design: ") + oneLine(text) + u'\n').toUtf8());
}

void TerminalMessages::answer(QDialog &dialog)
{
    auto *box = qobject_cast<QMessageBox *>(&dialog);
    if (!box) {
        printLine(labelTexts(dialog));
        m_failed = true;
        dialog.reject();
        return;
    }
    if (!box->button(QMessageBox::Yes)) {
        printLine(box->text());
        m_failed =
            m_failed || box->icon() == QMessageBox::Critical || box->icon() == QMessageBox::Warning;
        box->done(QMessageBox::Ok);
        return;
    }
    QString question = box->text();
    m_err.write((question.replace(u'\r', u'\n') + QStringLiteral(" [y/N] ")).toUtf8());
    const QByteArray reply =
        m_answers.assumeYes ? QByteArrayLiteral("yes (--yes)") : m_in.readLine().trimmed();
    if (m_answers.assumeYes || m_answers.echo)
        m_err.write((reply.isEmpty() ? QByteArrayLiteral("(no answer)") : reply) + '\n');
    const bool yes = reply.toLower().startsWith('y');
    m_declined = m_declined || !yes;
    box->button(yes ? QMessageBox::Yes : QMessageBox::No)->click();
}

} // namespace Parlox::DesignTool
