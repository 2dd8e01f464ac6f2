#include "lngimport.h"

#include "documentunits.h"
#include "inputerror.h"
#include "languagetag.h"
#include "lngread.h"
#include "lngtool.h"
#include "poreader.h"
#include "translationargs.h"
#include "xliffreader.h"
#include <Parlox/format/codepage.h>
#include <Parlox/format/lngfile.h>
#include <Parlox/format/lockedfile.h>
#include <Parlox/format/tables.h>
#include <Parlox/format/textcodec.h>

#include <QHash>
#include <QIODevice>
#include <QSet>
#include <QStringDecoder>
#include <algorithm>

namespace Parlox::LngImport {
namespace {

using DocumentUnits::Entry;

QString firstUnencodable(QStringView text, const TextCodec &codec)
{
    const std::optional<char32_t> c = codec.unencodable(text);
    if (!c)
        return {};
    const QString code = QString::number(uint(*c), 16).toUpper().rightJustified(4, u'0');
    return QStringLiteral("\"%1\" (U+%2)").arg(QString::fromUcs4(&*c, 1), code);
}

qsizetype addLanguage(Lng::Document &document, const QString &language)
{
    const qsizetype count = document.languages.size();
    Tables::insertLanguageColumn(document.messages, count);
    for (Lng::Form &form : document.forms) {
        Tables::insertLanguageColumn(form.formStrings, count);
        Tables::insertLanguageColumn(form.userStrings, count);
    }
    document.languages.append(language);
    return count;
}

// The name a unit is reported by: its context, else its first reference, else its source.
QString labelOf(const TranslationUnit &unit)
{
    if (!unit.id.isEmpty())
        return unit.id;
    return unit.references.isEmpty() ? unit.source : unit.references.first();
}

class Importer {
public:
    Importer(Lng::Document &document, const QString &language, FuzzyUnits fuzzy)
        : m_document(document), m_fuzzy(fuzzy), m_codec(document.encoding)
    {
        m_source = DocumentUnits::sourceColumn(document);
        m_target = DocumentUnits::targetColumn(document, language);
        if (m_target < 0) {
            m_target = addLanguage(document, language);
            m_outcome.languageAdded = true;
        }
        for (const Entry &entry : DocumentUnits::entries(document))
            m_entries.insert(entry.id, entry);
    }

    void take(const TranslationUnit &unit)
    {
        const auto line = [&unit](const QString &what) {
            return QStringLiteral("%1: unit \"%2\": %3").arg(unit.line).arg(labelOf(unit), what);
        };
        // A fuzzy unit without a target has nothing to leave out.
        if (unit.fuzzy && !unit.target.isEmpty() && m_fuzzy == FuzzyUnits::LeaveOut)
            m_outcome.fuzzy.append(
                line(QStringLiteral("its translation is fuzzy (awaiting review), so it is left "
                                    "out; --fuzzy takes it.")));
        else if (const QString problem = apply(unit); !problem.isEmpty())
            m_outcome.problems.append(line(problem));
    }

    Outcome outcome() const { return m_outcome; }

private:
    // Why the unit cannot be taken; empty when it was.
    QString apply(const TranslationUnit &unit)
    {
        if (!unit.problem.isEmpty())
            return unit.problem;
        QList<Entry> found;
        if (const QString problem = find(unit, found); !problem.isEmpty())
            return problem;
        for (const Entry &entry : std::as_const(found)) {
            if (const QString problem = apply(entry, unit); !problem.isEmpty())
                return problem;
        }
        return {};
    }

    QString apply(const Entry &entry, const TranslationUnit &unit)
    {
        if (m_seen.contains(entry.id))
            return QStringLiteral("it appears more than once.");
        m_seen.insert(entry.id);
        QStringList &table = DocumentUnits::table(m_document, entry);
        const QString source = DocumentUnits::visible(entry, table[entry.keyLine + 1 + m_source]);
        if (source != unit.source)
            return QStringLiteral("its source text has changed since the export; it is now "
                                  "\"%1\".")
                .arg(source);
        return setValue(entry, table[entry.keyLine + 1 + m_target], unit.target);
    }

    // The entries the unit stands for: the one its context names or, when a tool dropped the
    // context, every one its references name (a tool that merged units keeps them all), or
    // else the one entry with its source text. Returns why there is none.
    QString find(const TranslationUnit &unit, QList<Entry> &found)
    {
        if (!unit.id.isEmpty()) {
            if (const auto entry = m_entries.constFind(unit.id); entry != m_entries.cend())
                found.append(*entry);
            return found.isEmpty() ? QStringLiteral("it matches no entry of the translations file.")
                                   : QString();
        }
        for (const QString &reference : unit.references) {
            const auto entry = m_entries.constFind(reference);
            const auto same = [&reference](const Entry &e) { return e.id == reference; };
            if (entry != m_entries.cend() && std::none_of(found.cbegin(), found.cend(), same))
                found.append(*entry);
        }
        if (!found.isEmpty())
            return {};
        const QList<Entry> same = withSource(unit.source);
        if (same.size() == 1) {
            found = same;
            return {};
        }
        return same.isEmpty() ? QStringLiteral("it has no context, and neither its references "
                                               "nor its source text match an entry of the "
                                               "translations file.")
                              : QStringLiteral("it has no context, and its source text is that "
                                               "of %1 entries, so which one it translates is "
                                               "unclear.")
                                    .arg(same.size());
    }

    // Built on the first unit that needs it: most files give every unit its context.
    QList<Entry> withSource(const QString &source)
    {
        if (m_bySource.isEmpty()) {
            for (const Entry &entry : std::as_const(m_entries)) {
                const QStringList &table = DocumentUnits::table(m_document, entry);
                m_bySource[DocumentUnits::visible(entry, table[entry.keyLine + 1 + m_source])]
                    .append(entry);
            }
        }
        return m_bySource.value(source);
    }

    QString setValue(const Entry &entry, QString &value, const QString &translation)
    {
        // An empty target is an untranslated unit, not an order to clear the value.
        if (translation.isEmpty() || DocumentUnits::visible(entry, value) == translation)
            return {};
        if (!DocumentUnits::canStore(entry, translation))
            return entry.kind == DocumentUnits::TableKind::UserStrings
                       ? QStringLiteral("its translation holds \"%%\" or a \"%\" before a line "
                                        "break, which a user string cannot hold: \"%%\" stands "
                                        "for a line break there.")
                       : QStringLiteral("its translation holds the character U+0015 or U+0016, "
                                        "which stand for line breaks in captions and hints.");
        const QString text = DocumentUnits::stored(entry, translation);
        if (!m_codec.canEncode(text))
            return QStringLiteral("its translation holds the character %1, which a "
                                  "translations file in %2 cannot hold.")
                .arg(firstUnencodable(text, m_codec), m_codec.name());
        if (text != value) {
            value = text;
            ++m_outcome.changed;
        }
        return {};
    }

    Lng::Document &m_document;
    FuzzyUnits m_fuzzy;
    TextCodec m_codec;
    qsizetype m_source = 0;
    qsizetype m_target = 0;
    QHash<QString, Entry> m_entries;
    QHash<QString, QList<Entry>> m_bySource;
    QSet<QString> m_seen;
    Outcome m_outcome;
};

QString summary(const QString &path, const QString &language, const Outcome &outcome)
{
    return QStringLiteral("%1: %2 %3 of %4 changed%5.")
        .arg(path, QString::number(outcome.changed),
             outcome.changed == 1 ? QStringLiteral("value") : QStringLiteral("values"), language,
             outcome.languageAdded ? QStringLiteral(", the language added") : QString());
}

// The encoding comes from a byte-order mark or, failing that, from where the zero bytes of a
// "<" stand, as XML parsers tell it; the decoder drops the mark.
bool isXml(QByteArrayView file)
{
    const auto encoding = QStringConverter::encodingForData(file, u'<');
    QStringDecoder decoder(encoding.value_or(QStringConverter::Utf8));
    const QString start = decoder.decode(file.first(std::min<qsizetype>(file.size(), 256)));
    return start.trimmed().startsWith(u'<');
}

// A translated file that names its language must name the one it is imported into.
QString languageMismatch(const TranslationArgs &a, const QString &fileLanguage)
{
    const QString tag = LanguageTag::of(a.language);
    if (a.anyLanguage || LanguageTag::agree(fileLanguage, tag))
        return {};
    return QStringLiteral("parlox-lng: %1: The file is in the language \"%2\", not %3 (%4), so %5 "
                          "is left as it was; --any-language imports it all the same.")
        .arg(a.translatedPath, fileLanguage, a.language, tag, a.lngPath);
}

} // namespace

Outcome importUnits(Lng::Document &document, const QString &language,
                    const QList<TranslationUnit> &units, FuzzyUnits fuzzy)
{
    Importer importer(document, language, fuzzy);
    for (const TranslationUnit &unit : units)
        importer.take(unit);
    return importer.outcome();
}

TranslatedFile readTranslatedFile(QByteArrayView file)
{
    TranslatedFile read;
    read.units = isXml(file) ? XliffReader::read(file, &read.language)
                             : PoReader::read(file, &read.language);
    return read;
}

QList<TranslationUnit> readTranslated(QByteArrayView file)
{
    return readTranslatedFile(file).units;
}

int run(const QStringList &args, QIODevice &out, QIODevice &err)
{
    const std::optional<TranslationArgs> parsed = TranslationArgs::parse(args, err);
    if (!parsed)
        return LngTool::Usage;
    const TranslationArgs &a = *parsed;
    TranslatedFile translated;
    try {
        translated = readTranslatedFile(
            LockedFile(a.translatedPath, LockedFile::Access::SharedRead).readAll());
    } catch (const InputError &e) {
        LngTool::printLine(err,
                           QStringLiteral("parlox-lng: %1:%2").arg(a.translatedPath, e.message()));
        return LngTool::BadInput;
    }
    if (const QString mismatch = languageMismatch(a, translated.language); !mismatch.isEmpty()) {
        LngTool::printLine(err, mismatch);
        return LngTool::BadInput;
    }
    const QList<TranslationUnit> &units = translated.units;
    // The lock is held from the read to the replacement, so no other writer comes between.
    LockedFile file(a.lngPath, LockedFile::Access::ExclusiveReadWrite);
    const Lng::Document before = LngRead::document(file.readAll());
    Lng::Document document = before;
    const Outcome outcome =
        importUnits(document, a.language, units, a.fuzzy ? FuzzyUnits::Take : FuzzyUnits::LeaveOut);
    for (const QString &fuzzy : outcome.fuzzy)
        LngTool::printLine(err, a.translatedPath + u':' + fuzzy);
    for (const QString &problem : outcome.problems)
        LngTool::printLine(err, a.translatedPath + u':' + problem);
    if (!outcome.problems.isEmpty() && !a.partial) {
        LngTool::printLine(err, QStringLiteral("parlox-lng: %1 is left as it was; --partial "
                                               "writes the other values.")
                                    .arg(a.lngPath));
        return LngTool::BadInput;
    }
    if (document != before)
        file.replaceContents(Lng::writeDocument(document));
    LngTool::printLine(out, summary(a.lngPath, a.language, outcome));
    return LngTool::Success;
}

} // namespace Parlox::LngImport
