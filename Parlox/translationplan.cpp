#include <Parlox/translationplan.h>

#include <Parlox/formstringindex.h>
#include <Parlox/platform/componentkinds.h>
#include <Parlox/platform/publishedproperties.h>

#include <QObject>

namespace Parlox {

const TranslationPlan::Entry &
TranslationPlan::entry(qsizetype position, const QObject &component, const QString &name,
                       const std::shared_ptr<const FormStringIndex> &index)
{
    // Holding the index keeps its address from being reused by another one.
    if (index != m_index) {
        m_entries.clear();
        m_index = index;
    }
    if (position >= m_entries.size())
        m_entries.resize(position + 1);
    Entry &entry = m_entries[position];
    if (entry.object != &component || entry.meta != component.metaObject() || entry.name != name) {
        entry.object = &component;
        entry.meta = component.metaObject();
        entry.name = name;
        resolve(entry, component);
    }
    return entry;
}

void TranslationPlan::end(qsizetype count)
{
    if (count < m_entries.size())
        m_entries.resize(count);
}

void TranslationPlan::resolve(Entry &entry, const QObject &component) const
{
    entry.skipped = entry.name.isEmpty() || entry.name.toUpper().contains(u"CHART");
    entry.prefix = entry.name + u'.';
    for (size_t p = 0; p < TextProperties.size(); ++p) {
        QString path = entry.prefix;
        path.append(QStringView(TextProperties[p]));
        entry.keyLines[p] = entry.skipped ? -1 : m_index->keyLine(path);
    }
    entry.memo = Platform::isMemo(&component);
    entry.items = Platform::isListBox(&component) || Platform::isComboBox(&component) ||
                  Platform::isRadioGroup(&component);
    entry.pages = Platform::isNotebook(&component);
    entry.headers = Platform::hasProperty(&component, u"Headers");
    entry.buttons = Platform::hasProperty(&component, u"Buttons");
}

} // namespace Parlox
