#include "documentunits.h"

#include "inputerror.h"
#include <Parlox/format/lngfile.h>
#include <Parlox/format/tables.h>

#include <QHash>
#include <QSet>
#include <algorithm>

namespace Parlox::DocumentUnits {
namespace {

const QString LineBreak = QStringLiteral("\n");
const QString UserLineBreak = QStringLiteral("%%");
constexpr QChar StoredLf(0x15);
constexpr QChar StoredCr(0x16);

// The form translator stores line breaks as 0x15/0x16 only in the form's caption and hint and
// in component hints; every other form string keeps them as they are.
bool hasLineBreakSubstitutes(const Entry &entry)
{
    return entry.kind == TableKind::FormStrings &&
           (entry.key.compare(u"[Form.Caption]", Qt::CaseInsensitive) == 0 ||
            (Tables::isFormKey(entry.key) && entry.key.endsWith(u".Hint]", Qt::CaseInsensitive)));
}

// Line breaks as LF only, however the translator's tool wrote them.
QString withLfBreaks(QString text)
{
    return text.replace(QStringLiteral("\r\n"), LineBreak).replace(u'\r', u'\n');
}

class Collector {
public:
    explicit Collector(qsizetype languageCount) : m_entrySize(languageCount + 1) {}

    void add(const QStringList &table, const QString &name, TableKind kind, qsizetype form)
    {
        for (qsizetype k = 0; k + m_entrySize <= table.size(); k += m_entrySize)
            m_entries.append({uniqueId(name + u'/' + table[k]), table[k], kind, form, k});
    }

    QList<Entry> take() { return std::move(m_entries); }

private:
    // Each id remembers the last number it was given, so a key repeated n times costs n steps,
    // not n * n / 2.
    QString uniqueId(const QString &id)
    {
        QString unique = id;
        if (m_ids.contains(unique)) {
            int &last = m_lastNumber[id];
            for (int n = std::max(last, 1) + 1;; ++n) {
                unique = id + u'#' + QString::number(n);
                if (!m_ids.contains(unique)) {
                    last = n;
                    break;
                }
            }
        }
        m_ids.insert(unique);
        return unique;
    }

    qsizetype m_entrySize;
    QList<Entry> m_entries;
    QSet<QString> m_ids;
    QHash<QString, int> m_lastNumber;
};

// For a non-const document every access goes through non-const members, so the implicitly
// shared lists detach before a value changes.
template <typename Doc> auto &tableOf(Doc &document, const Entry &entry)
{
    if (entry.kind == TableKind::Messages)
        return document.messages;
    auto &form = document.forms[entry.form];
    return entry.kind == TableKind::FormStrings ? form.formStrings : form.userStrings;
}

} // namespace

QList<Entry> entries(const Lng::Document &document)
{
    Collector collector(document.languages.size());
    collector.add(document.messages, QStringLiteral("messages"), TableKind::Messages, -1);
    for (qsizetype i = 0; i < document.forms.size(); ++i) {
        const Lng::Form &form = document.forms[i];
        collector.add(form.formStrings, form.name + QStringLiteral("/form"), TableKind::FormStrings,
                      i);
        collector.add(form.userStrings, form.name + QStringLiteral("/user"), TableKind::UserStrings,
                      i);
    }
    return collector.take();
}

const QStringList &table(const Lng::Document &document, const Entry &entry)
{
    return tableOf(document, entry);
}

QStringList &table(Lng::Document &document, const Entry &entry)
{
    return tableOf(document, entry);
}

qsizetype sourceColumn(const Lng::Document &document)
{
    if (document.defaultIndex < 0 || document.defaultIndex >= document.languages.size())
        throw InputError(QStringLiteral("The file has no default language (its index is %1), "
                                        "so there is no source text to translate from.")
                             .arg(document.defaultIndex));
    return document.defaultIndex;
}

qsizetype targetColumn(const Lng::Document &document, const QString &language)
{
    const qsizetype column = Tables::indexOfLanguage(document.languages, language);
    if (column == sourceColumn(document))
        throw InputError(QStringLiteral("\"%1\" is the file's default language, the source of "
                                        "the translation.")
                             .arg(language));
    return column;
}

QString visible(const Entry &entry, QString stored)
{
    if (entry.kind == TableKind::UserStrings)
        return stored.replace(UserLineBreak, LineBreak);
    if (hasLineBreakSubstitutes(entry))
        return stored.replace(StoredLf, u'\n').replace(StoredCr, u'\r');
    return stored;
}

QString stored(const Entry &entry, QString visible)
{
    if (entry.kind == TableKind::UserStrings)
        return withLfBreaks(visible).replace(LineBreak, UserLineBreak);
    if (hasLineBreakSubstitutes(entry))
        return visible.replace(u'\n', StoredLf).replace(u'\r', StoredCr);
    return visible;
}

bool canStore(const Entry &entry, const QString &visible)
{
    const QString expected = entry.kind == TableKind::UserStrings ? withLfBreaks(visible) : visible;
    return DocumentUnits::visible(entry, stored(entry, visible)) == expected;
}

} // namespace Parlox::DocumentUnits
