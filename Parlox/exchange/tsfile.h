#pragma once

#include <QList>
#include <QString>
#include <QStringList>

// What a Qt Linguist .ts file holds for Parlox: tr() messages by context, each with its
// translation (one text per plural form for a numerus message).
namespace Parlox::Exchange {

struct TsMessage {
    enum class State { Finished, Unfinished, Obsolete };

    QString context;
    QString source;
    QString disambiguation;
    bool numerus = false;
    // One text, or one per plural form; empty texts for an untranslated message.
    QStringList translations;
    State state = State::Finished;
    // Line of the .ts file where the message starts, for messages; 0 when not read.
    qint64 line = 0;
    // Why the reader could not take the message whole; empty when it could.
    QString problem;
};

struct TsFile {
    // The target and source language tags ("de", "pt_BR"); empty when unknown.
    QString language;
    QString sourceLanguage;
    QList<TsMessage> messages;
};

} // namespace Parlox::Exchange
