// The document's language commands: each checks what it is asked, then changes the document as
// one undoable step.
#include "editordocument.h"

#include "languagecolumns.h"

namespace ParloxEd {

void EditorDocument::chooseDefaultLanguage(int index)
{
    if (index < 0 || index >= m_content.languages.size())
        return;
    // Choosing the default again is a command too: the document counts as modified.
    pushChange([index](State &after) { after.content.defaultIndex = index; });
}

int EditorDocument::findLanguage(const QString &name) const
{
    return int(m_content.languages.indexOf(name));
}

EditorDocument::LanguageResult EditorDocument::addLanguage(const QString &name)
{
    if (!m_open)
        return LanguageResult::NoDocument;
    if (name.isEmpty())
        return LanguageResult::InvalidName;
    if (findLanguage(name) >= 0)
        return LanguageResult::NameExists;
    pushChange([&name](State &after) {
        LanguageColumns::add(after.content, name);
        // A file without a directory gets one: what a save writes and a reload shows.
        after.hasDirectory = true;
    });
    return LanguageResult::Done;
}

EditorDocument::LanguageResult EditorDocument::renameLanguage(int index, const QString &name)
{
    if (index < 0 || index >= m_content.languages.size())
        return LanguageResult::NoSuchLanguage;
    if (name.isEmpty())
        return LanguageResult::InvalidName;
    if (findLanguage(name) >= 0)
        return LanguageResult::NameExists;
    // Values belong to a language by position, so no table changes.
    pushChange([index, &name](State &after) { after.content.languages[index] = name; });
    return LanguageResult::Done;
}

EditorDocument::LanguageResult EditorDocument::deleteLanguage(int index)
{
    if (!canDeleteLanguage())
        return LanguageResult::LastLanguage;
    if (index < 0 || index >= m_content.languages.size())
        return LanguageResult::NoSuchLanguage;
    pushChange([index](State &after) { LanguageColumns::remove(after.content, index); });
    return LanguageResult::Done;
}

} // namespace ParloxEd
