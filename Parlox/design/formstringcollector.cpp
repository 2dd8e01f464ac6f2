#include <Parlox/design/formstringcollector.h>

#include <Parlox/format/tables.h>
#include <Parlox/parloxcombobox.h>
#include <Parlox/platform/componentkinds.h>
#include <Parlox/platform/formcomponents.h>
#include <Parlox/platform/publishedproperties.h>
#include <Parlox/translationplan.h>

#include <QWidget>

namespace Parlox::Design {
namespace {

// Stored with line-break substitutes, so that the value stays one line of the table.
QString substituteLineBreaks(QString value)
{
    return value.replace(u'\n', QChar(0x15)).replace(u'\r', QChar(0x16));
}

QString text(const QObject &object, QStringView property)
{
    return Platform::textProperty(&object, property).value_or(QString());
}

// A chart keeps its own texts: collection takes the component after it instead, or, when the
// chart is the form's last component, the chart itself.
QObject *collectedInPlaceOf(const QList<QObject *> &components, qsizetype i)
{
    const QString name = components[i]->objectName().toUpper();
    const bool chart = name == u"CHART1" || name == u"CHART2";
    return chart && i + 1 < components.size() ? components[i + 1] : components[i];
}

// Collection reads the items of the standard combo box only: a language picker's items are
// the language names, not texts of the form.
bool collectsItems(const QObject &component)
{
    return Platform::isListBox(&component) ||
           (Platform::isComboBox(&component) && !qobject_cast<const TParloxComboBox *>(&component));
}

} // namespace

FormStringCollector::FormStringCollector(QStringList &table, Options options)
    : m_table(table), m_options(std::move(options))
{
    if (!m_options.language.isEmpty())
        m_column = Tables::indexOfLanguage(m_options.languages, m_options.language);
}

void FormStringCollector::collect(const QWidget &form, const std::function<void(QObject &)> &visit)
{
    store(QStringLiteral("Form.Caption"), substituteLineBreaks(text(form, u"Caption")));
    store(QStringLiteral("Form.Hint"), substituteLineBreaks(text(form, u"Hint")));
    const QList<QObject *> components = Platform::componentList(&form);
    for (qsizetype i = 0; i < components.size(); ++i)
        collectComponent(*collectedInPlaceOf(components, i), visit);
}

void FormStringCollector::collectComponent(QObject &component,
                                           const std::function<void(QObject &)> &visit)
{
    const QString name = component.objectName();
    const QString prefix = name + u'.';
    for (size_t p = 0; p < TranslationPlan::TextProperties.size(); ++p) {
        const QString property = QStringView(TranslationPlan::TextProperties[p]).toString();
        if (!Platform::hasProperty(&component, property))
            continue;
        const QString value = text(component, property);
        // Texts beyond the first four are collected only where the form has them, so forms
        // collected before they were translated keep the same tables.
        if (value.isEmpty() && p >= 4)
            continue;
        store(prefix + property, property == u"Hint" ? substituteLineBreaks(value) : value);
    }
    if (visit)
        visit(component);
    if (Platform::isMemo(&component))
        collectItems(component, u"Lines", name);
    if (collectsItems(component) || Platform::isRadioGroup(&component))
        collectItems(component, u"Items", name);
    if (Platform::isNotebook(&component))
        collectItems(component, u"Pages", name);
    collectItems(component, u"Headers", name);
    collectItems(component, u"Buttons", name);
}

void FormStringCollector::collectItems(const QObject &component, QStringView property,
                                       const QString &name)
{
    const auto items = Platform::stringListProperty(&component, property);
    if (!items)
        return;
    const QString prefix = name + u'.';
    for (qsizetype n = 0; n < items->size(); ++n)
        store(prefix + QString::number(n), items->at(n));
    removeStaleItems(prefix, int(items->size()));
}

// Only lines that look like keys can equal one, so only those are indexed; a value that looks
// like a key is found where a scan from the top would find it.
void FormStringCollector::index(qsizetype line)
{
    const QString &text = m_table[line];
    if (!Tables::isFormKey(text))
        return;
    const QString folded = text.toCaseFolded();
    const auto known = m_keyLines.constFind(folded);
    if (known == m_keyLines.cend() || *known > line)
        m_keyLines.insert(folded, line);
}

qsizetype FormStringCollector::keyLine(const QString &key)
{
    if (!m_indexed) {
        m_keyLines.clear();
        for (qsizetype i = 0; i < m_table.size(); ++i)
            index(i);
        m_indexed = true;
    }
    return m_keyLines.value(key.toCaseFolded(), -1);
}

void FormStringCollector::setLine(qsizetype line, const QString &value)
{
    const QString &old = m_table[line];
    if (Tables::isFormKey(old) && m_keyLines.value(old.toCaseFolded(), -1) == line)
        m_indexed = false;
    m_table[line] = value;
    if (m_indexed)
        index(line);
}

void FormStringCollector::store(const QString &path, const QString &value)
{
    if (m_column < 0)
        return;
    const QString key = u'[' + path + u']';
    qsizetype k = keyLine(key);
    if (k < 0) {
        k = m_table.size();
        Tables::appendEntry(m_table, key, m_options.languages.size());
        index(k);
    }
    // An entry cut short by the end of the table gets the lines it lacks.
    const qsizetype line = k + 1 + m_column;
    while (m_table.size() <= line)
        m_table.append(QString());
    setLine(line, value);
}

void FormStringCollector::removeStaleItems(const QString &prefix, int count)
{
    if (!m_options.removeStaleItems)
        return;
    const QString lastItem = u'[' + prefix + QString::number(count - 1) + u']';
    // The table's last line is a value, never the key searched for.
    const qsizetype found = m_table.indexOf(lastItem);
    if (found < 0 || found == m_table.size() - 1)
        return;
    const qsizetype entrySize = m_options.languages.size() + 1;
    const qsizetype from = found + entrySize;
    const QString keyPrefix = u'[' + prefix;
    qsizetype to = from;
    while (to < m_table.size() && m_table[to].startsWith(keyPrefix))
        to = std::min(to + entrySize, m_table.size());
    if (to > from) {
        m_table.remove(from, to - from);
        m_indexed = false;
    }
}

} // namespace Parlox::Design
