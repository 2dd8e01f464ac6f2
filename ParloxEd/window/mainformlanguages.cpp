#include "mainform.h"

#include "userdialogs.h"

namespace ParloxEd {

using namespace Parlox;
using LanguageResult = EditorDocument::LanguageResult;

int TMainForm::askLanguage(const char *caption, const char *prompt, const char *unknown)
{
    const QString name = m_dialogs->askName(caption, prompt);
    if (name.isEmpty())
        return -1;
    const int language = m_document->findLanguage(name);
    if (language < 0)
        m_dialogs->tell(mtError, unknown, name);
    return language;
}

// The language commands do nothing without a document; Delete first says that it cannot.
void TMainForm::Add1Click()
{
    if (!m_document->isOpen())
        return;
    const QString name = m_dialogs->askName("LANGUAGE_ADD", "LANGUAGE_ADD_NEWNAME");
    switch (m_document->addLanguage(name)) {
    case LanguageResult::Done:
        return FormResize();
    case LanguageResult::InvalidName:
        return m_dialogs->tell(mtError, "LANGUAGE_NAME_INVALID", name);
    case LanguageResult::NameExists:
        return m_dialogs->tell(mtError, "LANGUAGE_EXISTS", name);
    default:
        return;
    }
}

void TMainForm::Rename1Click()
{
    if (!m_document->isOpen())
        return;
    const int language =
        askLanguage("LANGUAGE_RENAME", "LANGUAGE_RENAME_OLD", "LANGUAGE_RENAME_NOOLD");
    if (language < 0)
        return;
    const QString newName = m_dialogs->askName("LANGUAGE_RENAME", "LANGUAGE_RENAME_NEW");
    if (!newName.isEmpty() &&
        m_document->renameLanguage(language, newName) == LanguageResult::NameExists)
        m_dialogs->tell(mtError, "LANGUAGE_RENAME_INVALID", newName);
}

void TMainForm::Delete1Click()
{
    if (!m_document->canDeleteLanguage())
        return m_dialogs->tell(mtInformation, "LANGUAGE_DELETE_CANT");
    const int language =
        askLanguage("LANGUAGE_DELETE", "LANGUAGE_DELETE_NAME", "LANGUAGE_DELETE_NOOLD");
    if (language < 0)
        return;
    const QString question = userString(QStringLiteral("LANGUAGE_DELETE_CONFIRMATION")) +
                             m_document->languages().at(language);
    if (m_dialogs->messageBox(question, mtConfirmation, mbYes | mbNo) != mrYes)
        return;
    const bool wasDefault = language == m_document->defaultLanguage();
    if (m_document->deleteLanguage(language) == LanguageResult::Done && wasDefault)
        m_dialogs->tell(mtInformation, "NEW_DEFAULT_LANGUAGE", m_document->defaultLanguageName());
}

} // namespace ParloxEd
