#include <Parlox/design/parloxmodulenotifier.h>

#include <Parlox/design/collection.h>
#include <Parlox/design/componentkeys.h>
#include <Parlox/design/designmessages.h>
#include <Parlox/form.h>

namespace Parlox::Design {

void TParloxModuleNotifier::moduleEvent(int code)
{
    if (m_translator.PxLanguageSelector() && code == BeforeSave && m_translator.AutoRead())
        RefreshFormStrings(m_translator);
}

void TParloxModuleNotifier::componentRenamed(QObject *component, const QString &oldName,
                                             const QString &newName)
{
    static_cast<void>(component);
    if (!m_translator.PxLanguageSelector())
        return;
    if (oldName.isEmpty() && newName.isEmpty())
        showInformation(QStringLiteral("Something strange on component rename..."));
    else if (newName.isEmpty())
        DropComponentEntries(m_translator, oldName);
    else if (!oldName.isEmpty())
        RenameComponentKeys(m_translator, oldName, newName);
    // A component just added has no entries yet.
}

} // namespace Parlox::Design
