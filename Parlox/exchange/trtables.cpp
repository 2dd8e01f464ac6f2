#include <Parlox/exchange/trtables.h>

#include <Parlox/exchange/plurals.h>
#include <Parlox/exchange/trkey.h>
#include <Parlox/format/codepage.h>
#include <Parlox/format/errors.h>
#include <Parlox/format/lngtypes.h>
#include <Parlox/format/tables.h>
#include <Parlox/format/textcodec.h>

#include <QHash>
#include <QSet>
#include <algorithm>
#include <memory>
#include <optional>
#include <vector>

namespace Parlox::Exchange::TrTables {
namespace {

qsizetype sourceColumn(const Lng::Document &document)
{
    if (document.defaultIndex < 0 || document.defaultIndex >= document.languages.size())
        throw Error(QStringLiteral("the translations file has no default language to hold the "
                                   "source texts."));
    return document.defaultIndex;
}

// One form's user-strings table with an index of its keys (exact comparison: tr() is
// case-sensitive). It holds the form by position: appending forms moves the others in memory.
class UserTable {
public:
    UserTable(Lng::Document &document, qsizetype form)
        : m_document(document), m_form(form), m_stride(document.languages.size() + 1)
    {
        const QStringList &lines = m_document.forms[m_form].userStrings;
        for (qsizetype k = 0; k + m_stride <= lines.size(); k += m_stride)
            m_keys.insert(lines[k], k);
    }

    // The key line of key, appending the entry when missing.
    qsizetype entry(const QString &key, bool &added)
    {
        added = !m_keys.contains(key);
        if (added) {
            m_keys.insert(key, lines().size());
            Tables::appendEntry(lines(), key, m_stride - 1);
        }
        m_seen.insert(key);
        return m_keys.value(key);
    }
    QString &value(qsizetype keyLine, qsizetype column) { return lines()[keyLine + 1 + column]; }
    QStringList unseenKeys() const
    {
        const QStringList &table = m_document.forms[m_form].userStrings;
        QStringList keys;
        for (qsizetype k = 0; k + m_stride <= table.size(); k += m_stride)
            if (!m_seen.contains(table[k]))
                keys.append(table[k]);
        return keys;
    }

private:
    QStringList &lines() { return m_document.forms[m_form].userStrings; }

    Lng::Document &m_document;
    qsizetype m_form;
    qsizetype m_stride;
    QHash<QString, qsizetype> m_keys;
    QSet<QString> m_seen;
};

class Merger {
public:
    Merger(Lng::Document &document, const QString &language) : m_document(document)
    {
        m_source = sourceColumn(document);
        m_target = Tables::indexOfLanguage(document.languages, language);
        if (m_target < 0) {
            m_target = document.languages.size();
            Tables::insertLanguageColumn(document.messages, m_target);
            for (Lng::Form &form : document.forms) {
                Tables::insertLanguageColumn(form.formStrings, m_target);
                Tables::insertLanguageColumn(form.userStrings, m_target);
            }
            document.languages.append(language);
            m_outcome.languageAdded = true;
        }
        m_sourceForms = Plurals::formCount(Plurals::localeOf(document.languages[m_source]));
    }

    void take(const TsMessage &message)
    {
        const QString where = QStringLiteral("%1: %2: \"%3\": ")
                                  .arg(message.line)
                                  .arg(message.context, message.source);
        if (QString problem = refusal(message); !problem.isEmpty()) {
            m_outcome.problems.append(where + problem);
            return;
        }
        if (message.state == TsMessage::State::Obsolete) {
            m_outcome.notes.append(where + QStringLiteral("obsolete in the .ts, left out."));
            return;
        }
        UserTable &table = tableOf(message.context);
        const qsizetype forms =
            message.numerus ? std::max<qsizetype>(message.translations.size(), m_sourceForms) : 1;
        for (int form = 0; form < forms; ++form)
            takeForm(table, message, form, where);
        if (message.state == TsMessage::State::Unfinished &&
            std::any_of(message.translations.cbegin(), message.translations.cend(),
                        [](const QString &t) { return !t.isEmpty(); }))
            m_outcome.notes.append(where + QStringLiteral("unfinished, its translation left out."));
    }

    MergeOutcome finish()
    {
        for (auto it = m_tables.cbegin(); it != m_tables.cend(); ++it)
            for (const QString &key : it->second->unseenKeys())
                if (TrKey::parse(key))
                    m_outcome.notes.append(QStringLiteral("%1: \"%2\": no longer in the .ts, kept.")
                                               .arg(it->first, key));
        return m_outcome;
    }

private:
    QString refusal(const TsMessage &message) const
    {
        if (!message.problem.isEmpty())
            return message.problem;
        if (QString problem = TrKey{message.source, message.disambiguation, 0}.problem();
            !problem.isEmpty())
            return problem;
        const TextCodec codec(m_document.encoding);
        if (!codec.canEncode(message.context) || !codec.canEncode(message.source) ||
            !codec.canEncode(message.disambiguation))
            return QStringLiteral("its context, source text or disambiguation holds a character "
                                  "a translations file cannot hold.");
        return {};
    }

    void takeForm(UserTable &table, const TsMessage &message, int form, const QString &where)
    {
        bool added = false;
        const qsizetype line =
            table.entry(TrKey{message.source, message.disambiguation, form}.key(), added);
        if (added) {
            table.value(line, m_source) = storedText(message.source);
            ++m_outcome.added;
        }
        const QString translation = message.translations.value(form);
        if (message.state != TsMessage::State::Finished || translation.isEmpty())
            return;
        const QString stored = storedText(translation);
        if (!canStore(translation) || !TextCodec(m_document.encoding).canEncode(stored)) {
            m_outcome.problems.append(
                where + QStringLiteral("its translation holds \"%%\", a \"%\" next to a line "
                                       "break or a character a translations file cannot hold."));
            return;
        }
        QString &value = table.value(line, m_target);
        if (value != stored) {
            value = stored;
            ++m_outcome.changed;
        }
    }

    UserTable &tableOf(const QString &context)
    {
        qsizetype index = -1;
        for (qsizetype i = 0; i < m_document.forms.size() && index < 0; ++i)
            if (m_document.forms[i].name.compare(context, Qt::CaseInsensitive) == 0)
                index = i;
        if (index < 0) {
            index = m_document.forms.size();
            m_document.forms.append({context, {}, {}});
        }
        const QString name = m_document.forms[index].name;
        for (auto &[tableName, table] : m_tables)
            if (tableName == name)
                return *table;
        m_tables.emplace_back(name, std::make_unique<UserTable>(m_document, index));
        return *m_tables.back().second;
    }

    Lng::Document &m_document;
    qsizetype m_source = 0;
    qsizetype m_target = 0;
    int m_sourceForms = 2;
    std::vector<std::pair<QString, std::unique_ptr<UserTable>>> m_tables;
    MergeOutcome m_outcome;
};

} // namespace

MergeOutcome merge(Lng::Document &document, const QString &language, const TsFile &ts)
{
    Merger merger(document, language);
    for (const TsMessage &message : ts.messages)
        merger.take(message);
    return merger.finish();
}

TsFile messages(const Lng::Document &document, const QString &language)
{
    const qsizetype source = sourceColumn(document);
    const qsizetype target = Tables::indexOfLanguage(document.languages, language);
    if (target < 0)
        throw Error(QStringLiteral("the translations file has no language \"%1\".").arg(language));
    TsFile ts;
    ts.language = Plurals::tagOf(document.languages[target]);
    ts.sourceLanguage = Plurals::tagOf(document.languages[source]);
    const qsizetype stride = document.languages.size() + 1;
    for (const Lng::Form &form : document.forms) {
        // Plural forms after the first join the message of their first form.
        QHash<QString, qsizetype> messageOf;
        for (qsizetype k = 0; k + stride <= form.userStrings.size(); k += stride) {
            const std::optional<TrKey> key = TrKey::parse(form.userStrings[k]);
            if (!key)
                continue;
            const QString base = TrKey{key->source, key->disambiguation, 0}.key();
            qsizetype m = messageOf.value(base, -1);
            if (m < 0) {
                m = ts.messages.size();
                messageOf.insert(base, m);
                TsMessage message;
                message.context = form.name;
                message.source = key->source;
                message.disambiguation = key->disambiguation;
                ts.messages.append(message);
            }
            TsMessage &message = ts.messages[m];
            message.numerus = message.numerus || key->form > 0;
            while (message.translations.size() <= key->form)
                message.translations.append(QString());
            message.translations[key->form] = visibleText(form.userStrings[k + 1 + target]);
        }
    }
    for (TsMessage &message : ts.messages)
        if (message.translations.contains(QString()))
            message.state = TsMessage::State::Unfinished;
    return ts;
}

} // namespace Parlox::Exchange::TrTables
