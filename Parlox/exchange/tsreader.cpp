#include <Parlox/exchange/tsreader.h>

#include <Parlox/format/errors.h>

#include <QXmlStreamReader>

namespace Parlox::Exchange::TsReader {
namespace {

QString byteValue(QStringView value)
{
    bool ok = false;
    const uint code = value.startsWith(u'x') ? value.sliced(1).toUInt(&ok, 16) : value.toUInt(&ok);
    return ok && code > 0 && code < 0x110000
               ? QString::fromUcs4(reinterpret_cast<const char32_t *>(&code), 1)
               : QString();
}

class Reader {
public:
    explicit Reader(QByteArrayView file) : m_xml(file.toByteArray()) {}

    TsFile read()
    {
        if (!m_xml.readNextStartElement() || m_xml.name() != u"TS")
            fail(QStringLiteral(
                "this is not a Qt Linguist .ts file (its root element is not <TS>)."));
        m_file.language = attribute("language").toString();
        m_file.sourceLanguage = attribute("sourcelanguage").toString();
        while (m_xml.readNextStartElement()) {
            if (m_xml.name() == u"context")
                readContext();
            else
                m_xml.skipCurrentElement();
        }
        if (m_xml.hasError())
            fail(m_xml.errorString() + u'.');
        return m_file;
    }

private:
    QStringView attribute(const char *name) const
    {
        return m_xml.attributes().value(QLatin1StringView(name));
    }

    [[noreturn]] void fail(const QString &what) const
    {
        throw Error(QStringLiteral("%1: %2").arg(m_xml.lineNumber()).arg(what));
    }

    void readContext()
    {
        QString name;
        while (m_xml.readNextStartElement()) {
            if (m_xml.name() == u"name")
                name = m_xml.readElementText();
            else if (m_xml.name() == u"message")
                readMessage(name);
            else
                m_xml.skipCurrentElement();
        }
    }

    void readMessage(const QString &context)
    {
        TsMessage message;
        message.context = context;
        message.line = m_xml.lineNumber();
        message.numerus = attribute("numerus") == u"yes";
        while (m_xml.readNextStartElement()) {
            if (m_xml.name() == u"source")
                message.source = readText();
            else if (m_xml.name() == u"comment")
                message.disambiguation = readText();
            else if (m_xml.name() == u"translation")
                readTranslation(message);
            else
                m_xml.skipCurrentElement();
        }
        if (context.isEmpty() && message.problem.isEmpty())
            message.problem = QStringLiteral("it has no context (a <context> without <name>).");
        m_file.messages.append(message);
    }

    void readTranslation(TsMessage &message)
    {
        const QStringView type = attribute("type");
        if (type == u"unfinished")
            message.state = TsMessage::State::Unfinished;
        else if (type == u"obsolete" || type == u"vanished")
            message.state = TsMessage::State::Obsolete;
        if (attribute("variants") == u"yes")
            message.problem = QStringLiteral("it has length variants, which Parlox cannot hold.");
        if (!message.numerus) {
            message.translations = {readText()};
            return;
        }
        while (m_xml.readNextStartElement()) {
            if (m_xml.name() == u"numerusform")
                message.translations.append(readText());
            else
                m_xml.skipCurrentElement();
        }
    }

    // The element's text, with <byte value="..."/> standing for characters XML cannot carry;
    // of length variants only the first, the full text. Iterative, so that no nesting in a
    // file can exhaust the stack.
    QString readText()
    {
        QString text;
        int variantDepth = 0;
        bool firstVariantRead = false;
        while (!m_xml.atEnd()) {
            switch (m_xml.readNext()) {
            case QXmlStreamReader::Characters:
                if (!firstVariantRead)
                    text += m_xml.text();
                break;
            case QXmlStreamReader::StartElement:
                if (m_xml.name() == u"lengthvariant") {
                    if (variantDepth++ == 0 && !firstVariantRead)
                        text.clear(); // the white space before it
                } else {
                    if (m_xml.name() == u"byte" && !firstVariantRead)
                        text += byteValue(attribute("value"));
                    m_xml.skipCurrentElement();
                }
                break;
            case QXmlStreamReader::EndElement:
                if (variantDepth == 0)
                    return text;
                firstVariantRead = --variantDepth == 0 || firstVariantRead;
                break;
            default:
                break;
            }
        }
        return text;
    }

    QXmlStreamReader m_xml;
    TsFile m_file;
};

} // namespace

TsFile read(QByteArrayView file)
{
    return Reader(file).read();
}

} // namespace Parlox::Exchange::TsReader
