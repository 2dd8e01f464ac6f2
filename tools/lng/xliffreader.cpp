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
            if (m_xml.name() == u"trans-unit" && isGettextHeader())
                readHeader(language);
            else if (m_xml.name() == u"trans-unit")
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

    // translate-toolkit carries a PO header over as a unit of its own; it is no text to
    // translate, but it may name the language when the <file> does not.
    bool isGettextHeader() const
    {
        return m_xml.attributes().value(QLatin1String("restype")) == u"x-gettext-domain-header";
    }

    void readHeader(QString *language)
    {
        const TranslationUnit header = unit();
        if (!language || !language->isEmpty())
            return;
        for (const QStringView line : QStringView(header.target).split(u'\n')) {
            if (line.startsWith(u"Language:", Qt::CaseInsensitive))
                *language = line.sliced(9).trimmed().toString();
        }
    }

    // Reads a <trans-unit> up to its end tag; only its own children count, not those of an
    // <alt-trans> inside it.
    TranslationUnit unit()
    {
        TranslationUnit unit;
        unit.line = m_xml.lineNumber();
        const QXmlStreamAttributes attributes = m_xml.attributes();
        if (const QStringView id = attributes.value(QLatin1String("id")); !id.isEmpty())
            unit.references.append(id.toString());
        unit.key = attributes.value(QLatin1String("resname")).toString();
        while (m_xml.readNextStartElement()) {
            if (m_xml.name() == u"source") {
                unit.source = text(&unit.problem);
            } else if (m_xml.name() == u"target") {
                unit.fuzzy = awaitsReview(m_xml.attributes().value(QLatin1String("state")));
                unit.target = text(&unit.problem);
            } else if (m_xml.name() == u"context-group") {
                readContexts(unit);
            } else {
                m_xml.skipCurrentElement();
            }
        }
        return unit;
    }

    // Every state short of a final translation: the needs-* states (po2xliff writes a fuzzy
    // unit as needs-translation with its target) and "new". approved="no" alone says only
    // that no one has signed the unit off.
    static bool awaitsReview(QStringView state)
    {
        return state.startsWith(u"needs-") || state == u"new";
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

    // The gettext context becomes the unit's identifier; a source file named as its location
    // (po2xliff's form of a PO reference) is one more name for it.
    void readContexts(TranslationUnit &unit)
    {
        while (m_xml.readNextStartElement()) {
            const QXmlStreamAttributes attributes = m_xml.attributes();
            const QStringView type = attributes.value(QLatin1String("context-type"));
            if (m_xml.name() != u"context")
                m_xml.skipCurrentElement();
            else if (type == u"x-gettext-msgctxt")
                unit.id = m_xml.readElementText(QXmlStreamReader::SkipChildElements);
            else if (type == u"sourcefile")
                unit.references.append(m_xml.readElementText(QXmlStreamReader::SkipChildElements));
            else
                m_xml.skipCurrentElement();
        }
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
