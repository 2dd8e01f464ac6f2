#include "xliffreader.h"

#include "inputerror.h"

#include <QXmlStreamReader>

namespace Parlox::XliffReader {
namespace {

class Reader {
public:
    explicit Reader(QByteArrayView file) : m_xml(file.toByteArray()) {}

    QList<TranslationUnit> read(QString *language)
    {
        if (!readRoot())
            fail(m_xml.hasError() ? m_xml.errorString() : QStringLiteral("No root element."));
        requireXliff1();
        while (!m_xml.atEnd()) {
            m_xml.readNext();
            if (!m_xml.isStartElement())
                continue;
            if (m_xml.name() == u"trans-unit")
                m_units.append(unit());
            else if (m_xml.name() == u"file" && language && language->isEmpty())
                *language = m_xml.attributes().value(QLatin1String("target-language")).toString();
        }
        if (m_xml.hasError())
            fail(m_xml.errorString());
        return std::move(m_units);
    }

private:
    [[noreturn]] void fail(const QString &what) const
    {
        throw InputError(QStringLiteral("%1: %2").arg(m_xml.lineNumber()).arg(what));
    }

    // Reads up to the root element. Entities are refused before any is expanded: one entity
    // referred to a hundred thousand times makes a small file take gigabytes, and one declared
    // outside the file would be dropped from the text without a word.
    bool readRoot()
    {
        while (!m_xml.atEnd() && !m_xml.isStartElement()) {
            m_xml.readNext();
            if (m_xml.isDTD() && !m_xml.entityDeclarations().isEmpty())
                fail(QStringLiteral("The file declares the entity \"%1\"; translators' files "
                                    "need no entities, so it is not read.")
                         .arg(m_xml.entityDeclarations().first().name().toString()));
        }
        return m_xml.isStartElement();
    }

    void requireXliff1()
    {
        if (m_xml.name() != u"xliff")
            fail(QStringLiteral("The root element is <%1>, not <xliff>.")
                     .arg(m_xml.name().toString()));
        const QStringView version = m_xml.attributes().value(QLatin1String("version"));
        if (!version.startsWith(u"1."))
            fail(QStringLiteral("XLIFF %1 cannot be read; the translators' files are XLIFF 1.2.")
                     .arg(version.toString()));
    }

    // Reads a <trans-unit> up to its end tag; only its own children count, not those of an
    // <alt-trans> inside it.
    TranslationUnit unit()
    {
        TranslationUnit unit;
        unit.line = m_xml.lineNumber();
        unit.id = m_xml.attributes().value(QLatin1String("id")).toString();
        unit.key = m_xml.attributes().value(QLatin1String("resname")).toString();
        QString context;
        while (m_xml.readNextStartElement()) {
            if (m_xml.name() == u"source")
                unit.source = text(&unit.problem);
            else if (m_xml.name() == u"target")
                unit.target = text(&unit.problem);
            else if (m_xml.name() == u"context-group")
                context = gettextContext(context);
            else
                m_xml.skipCurrentElement();
        }
        if (!context.isEmpty())
            unit.id = context;
        return unit;
    }

    // The text of the current element. Inline elements (<g>, <x/>, <ph>...) stand for markup a
    // translations file cannot hold: they are reported and their text is left out.
    QString text(QString *problem)
    {
        const QString element = m_xml.name().toString();
        QString result;
        while (m_xml.readNext() != QXmlStreamReader::EndElement && !m_xml.hasError()) {
            if (m_xml.isCharacters())
                result += m_xml.text();
            if (m_xml.isEntityReference())
                fail(QStringLiteral("The text refers to the entity \"%1\", which the file does "
                                    "not define.")
                         .arg(m_xml.name().toString()));
            if (m_xml.isStartElement()) {
                *problem = QStringLiteral("its %1 holds the inline element <%2>, which a "
                                          "translations file cannot hold.")
                               .arg(element, m_xml.name().toString());
                m_xml.skipCurrentElement();
            }
        }
        return result;
    }

    QString gettextContext(const QString &found)
    {
        QString context = found;
        while (m_xml.readNextStartElement()) {
            if (m_xml.name() == u"context" &&
                m_xml.attributes().value(QLatin1String("context-type")) == u"x-gettext-msgctxt")
                context = m_xml.readElementText(QXmlStreamReader::SkipChildElements);
            else
                m_xml.skipCurrentElement();
        }
        return context;
    }

    QXmlStreamReader m_xml;
    QList<TranslationUnit> m_units;
};

} // namespace

QList<TranslationUnit> read(QByteArrayView file, QString *language)
{
    return Reader(file).read(language);
}

} // namespace Parlox::XliffReader
