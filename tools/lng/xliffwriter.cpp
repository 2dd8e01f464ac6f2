#include "xliffwriter.h"

#include "catalog.h"

#include <QXmlStreamWriter>

namespace Parlox::XliffWriter {
namespace {

// The names every XLIFF 1.2 file shares with the reader.
const QString Namespace = QStringLiteral("urn:oasis:names:tc:xliff:document:1.2");

// XML readers turn a literal CR into LF, so CR goes out as a character reference.
void writeText(QXmlStreamWriter &xml, QStringView text)
{
    for (qsizetype start = 0; start <= text.size();) {
        qsizetype cr = text.indexOf(u'\r', start);
        if (cr < 0)
            cr = text.size();
        if (cr > start)
            xml.writeCharacters(text.sliced(start, cr - start).toString());
        if (cr < text.size())
            xml.writeEntityReference(QStringLiteral("#13"));
        start = cr + 1;
    }
}

void writeTextElement(QXmlStreamWriter &xml, const QString &name, QStringView text,
                      const QString &state = {})
{
    xml.writeStartElement(name);
    xml.writeAttribute(QStringLiteral("xml:space"), QStringLiteral("preserve"));
    if (!state.isEmpty())
        xml.writeAttribute(QStringLiteral("state"), state);
    writeText(xml, text);
    xml.writeEndElement();
}

void writeUnit(QXmlStreamWriter &xml, const TranslationUnit &unit)
{
    const bool translated = !unit.target.isEmpty();
    xml.writeStartElement(QStringLiteral("trans-unit"));
    xml.writeAttribute(QStringLiteral("id"), unit.id);
    xml.writeAttribute(QStringLiteral("resname"), unit.key);
    // The values of a translations file are the ones its application shows.
    if (translated)
        xml.writeAttribute(QStringLiteral("approved"), QStringLiteral("yes"));
    writeTextElement(xml, QStringLiteral("source"), unit.source);
    writeTextElement(xml, QStringLiteral("target"), unit.target,
                     translated ? QStringLiteral("translated")
                                : QStringLiteral("needs-translation"));
    xml.writeStartElement(QStringLiteral("context-group"));
    xml.writeAttribute(QStringLiteral("purpose"), QStringLiteral("information"));
    xml.writeStartElement(QStringLiteral("context"));
    xml.writeAttribute(QStringLiteral("context-type"), QStringLiteral("x-gettext-msgctxt"));
    writeText(xml, unit.id);
    xml.writeEndElement();
    xml.writeEndElement();
    xml.writeEndElement();
}

} // namespace

bool canCarry(QStringView text)
{
    return std::all_of(text.begin(), text.end(), [](QChar c) {
        return c.unicode() >= 0x20 || c == u'\t' || c == u'\n' || c == u'\r';
    });
}

QByteArray write(const Catalog &catalog)
{
    QByteArray bytes;
    QXmlStreamWriter xml(&bytes);
    xml.setAutoFormatting(true);
    xml.setAutoFormattingIndent(2);
    xml.writeStartDocument();
    xml.writeDefaultNamespace(Namespace);
    xml.writeStartElement(Namespace, QStringLiteral("xliff"));
    xml.writeAttribute(QStringLiteral("version"), QStringLiteral("1.2"));
    xml.writeStartElement(QStringLiteral("file"));
    xml.writeAttribute(QStringLiteral("original"), catalog.fileName);
    xml.writeAttribute(QStringLiteral("datatype"), QStringLiteral("plaintext"));
    xml.writeAttribute(QStringLiteral("source-language"), catalog.sourceCode);
    xml.writeAttribute(QStringLiteral("target-language"), catalog.targetCode);
    xml.writeStartElement(QStringLiteral("body"));
    for (const TranslationUnit &unit : catalog.units)
        writeUnit(xml, unit);
    xml.writeEndDocument();
    return bytes;
}

} // namespace Parlox::XliffWriter
