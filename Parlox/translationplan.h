#pragma once

#include <QList>
#include <QString>
#include <array>
#include <memory>
#include <string_view>

class QMetaObject;
class QObject;

namespace Parlox {

class FormStringIndex;

// What ApplyLanguage needs to know of each component of a form, worked out once and kept
// between calls: whether the component is translated at all, the key lines of its text
// properties in the form strings, and which string lists it has. Only the values are read on
// each call. An entry stays while the component at its place in the form's list keeps its
// object, class and name, and all go when the form strings are replaced.
class TranslationPlan {
public:
    // The text properties, in the order they are written.
    static constexpr std::array<std::u16string_view, 9> TextProperties{
        u"Caption",   u"Hint",      u"Title",  u"DisplayLabel", u"PlaceholderText",
        u"StatusTip", u"WhatsThis", u"Prefix", u"Suffix"};

    struct Entry {
        const QObject *object = nullptr; // compared only, never used
        const QMetaObject *meta = nullptr;
        QString name;
        QString prefix;       // name + "."
        bool skipped = false; // unnamed, or a chart, which keeps its own texts
        std::array<qsizetype, TextProperties.size()> keyLines{};
        bool memo = false;    // Lines
        bool items = false;   // Items: list box, combo box or radio group
        bool pages = false;   // Pages
        bool headers = false; // Headers: an item view's column titles
        bool buttons = false; // Buttons: a button box's
    };

    // The entry of the component at this position of the form's component list, with its key
    // lines in index. Entries worked out against another index are dropped first, so a nested
    // call with another table cannot leave lines of its own behind.
    const Entry &entry(qsizetype position, const QObject &component, const QString &name,
                       const std::shared_ptr<const FormStringIndex> &index);
    // Ends the pass over a list of this many components.
    void end(qsizetype count);

private:
    void resolve(Entry &entry, const QObject &component) const;

    std::shared_ptr<const FormStringIndex> m_index;
    QList<Entry> m_entries;
};

} // namespace Parlox
