// The document's language commands: each checks what it is asked, then changes the document as
// one undoable step that keeps only what it changes.
#include "editordocument.h"

#include "languagecolumns.h"

#include <memory>

namespace ParloxEd {

namespace Lng = Parlox::Lng;

void EditorDocument::chooseDefaultLanguage(int index)
{
    if (index < 0 || index >= m_content.languages.size())
        return;
    // Choosing the default again is a command too: the document counts as modified.
    const int old = m_content.defaultIndex;
    pushChange([old](Lng::PackedDocument &content, bool &) { content.defaultIndex = old; },
               [index](Lng::PackedDocument &content, bool &) { content.defaultIndex = index; });
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
    // Filled by each redo for the undo after it.
    const auto added = std::make_shared<LanguageColumns::Added>();
    const bool hadDirectory = m_hasDirectory;
    pushChange(
        [added, hadDirectory](Lng::PackedDocument &content, bool &hasDirectory) {
            LanguageColumns::undoAdd(content, *added);
            hasDirectory = hadDirectory;
        },
        [added, name](Lng::PackedDocument &content, bool &hasDirectory) {
            *added = LanguageColumns::add(content, name);
            // A file without a directory gets one: what a save writes and a reload shows.
            hasDirectory = true;
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
    const auto rename = [index](const QString &to) {
        return [index, to](Lng::PackedDocument &content, bool &) { content.languages[index] = to; };
    };
    pushChange(rename(m_content.languages.at(index)), rename(name));
    return LanguageResult::Done;
}

EditorDocument::LanguageResult EditorDocument::deleteLanguage(int index)
{
    if (!canDeleteLanguage())
        return LanguageResult::LastLanguage;
    if (index < 0 || index >= m_content.languages.size())
        return LanguageResult::NoSuchLanguage;
    // The column lives here while it is out of the document, and in the document otherwise.
    const auto removed = std::make_shared<LanguageColumns::Removed>();
    pushChange(
        [removed](Lng::PackedDocument &content, bool &) {
            LanguageColumns::undoRemove(content, std::move(*removed));
            *removed = {};
        },
        [removed, index](Lng::PackedDocument &content, bool &) {
            *removed = LanguageColumns::remove(content, index);
        });
    return LanguageResult::Done;
}

} // namespace ParloxEd
