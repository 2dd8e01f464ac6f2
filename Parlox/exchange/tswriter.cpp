#include <Parlox/exchange/tswriter.h>

#include <QHash>
#include <QXmlStreamWriter>

namespace Parlox::Exchange::TsWriter {
namespace {

bool xmlCanCarry(QChar c)
{
    return c >= u' ' || c == u'\t' || c == u'\n' || c == u'\r';
}

// Characters XML 1.0 cannot carry go as <byte value="xN"/>, as lupdate writes them.
void writeText(QXmlStreamWriter &xml, QStringView text)
{
    qsizetype start = 0;
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (xmlCanCarry(text[i]))
            continue;
        xml.writeCharacters(text.sliced(start, i - start).toString());
        xml.writeEmptyElement(QStringLiteral("byte"));
        xml.writeAttribute(QStringLiteral("value"), u'x' + QString::number(text[i].unicode(), 16));
        start = i + 1;
    }
    xml.writeCharacters(text.sliced(start).toString());
}

void writeTextElement(QXmlStreamWriter &xml, const QString &name, QStringView text)
{
    xml.writeStartElement(name);
    writeText(xml, text);
    xml.writeEndElement();
}

void writeTranslation(QXmlStreamWriter &xml, const TsMessage &message)
{
    xml.writeStartElement(QStringLiteral("translation"));
    if (message.state == TsMessage::State::Unfinished)
        xml.writeAttribute(QStringLiteral("type"), QStringLiteral("unfinished"));
    else if (message.state == TsMessage::State::Obsolete)
        xml.writeAttribute(QStringLiteral("type"), QStringLiteral("vanished"));
    if (message.numerus) {
        for (const QString &form : message.translations)
            writeTextElement(xml, QStringLiteral("numerusform"), form);
    } else {
        writeText(xml, message.translations.value(0));
    }
    xml.writeEndElement();
}

void writeMessage(QXmlStreamWriter &xml, const TsMessage &message)
{
    xml.writeStartElement(QStringLiteral("message"));
    if (message.numerus)
        xml.writeAttribute(QStringLiteral("numerus"), QStringLiteral("yes"));
    writeTextElement(xml, QStringLiteral("source"), message.source);
    if (!message.disambiguation.isEmpty())
        writeTextElement(xml, QStringLiteral("comment"), message.disambiguation);
    writeTranslation(xml, message);
    xml.writeEndElement();
}

} // namespace

QByteArray write(const TsFile &file)
{
    QByteArray bytes;
    QXmlStreamWriter xml(&bytes);
    xml.setAutoFormatting(true);
    xml.setAutoFormattingIndent(4);
    xml.writeStartDocument();
    xml.writeDTD(QStringLiteral("<!DOCTYPE TS>"));
    xml.writeStartElement(QStringLiteral("TS"));
    xml.writeAttribute(QStringLiteral("version"), QStringLiteral("2.1"));
    if (!file.language.isEmpty())
        xml.writeAttribute(QStringLiteral("language"), file.language);
    if (!file.sourceLanguage.isEmpty())
        xml.writeAttribute(QStringLiteral("sourcelanguage"), file.sourceLanguage);
    QStringList contexts;
    QHash<QString, QList<const TsMessage *>> byContext;
    for (const TsMessage &message : file.messages) {
        auto &list = byContext[message.context];
        if (list.isEmpty())
            contexts.append(message.context);
        list.append(&message);
    }
    for (const QString &context : contexts) {
        xml.writeStartElement(QStringLiteral("context"));
        xml.writeTextElement(QStringLiteral("name"), context);
        for (const TsMessage *message : byContext.value(context))
            writeMessage(xml, *message);
        xml.writeEndElement();
    }
    xml.writeEndDocument();
    bytes.append('\n');
    return bytes;
}

} // namespace Parlox::Exchange::TsWriter
