#include "encodingmenu.h"

#include "editordocument.h"
#include "fileencodings.h"
#include "mainformui.h"
#include "statuspanelbar.h"
#include "userdialogs.h"

#include <Parlox/select.h>

#include <QAction>
#include <QActionGroup>
#include <QLabel>
#include <QMenu>

namespace ParloxEd {
namespace {

// "Windows-125&0" ... "Windows-125&8", "&UTF-8": each item's access key is what tells it apart.
QString caption(Parlox::Encoding encoding)
{
    QString name = Parlox::encodingName(encoding);
    return encoding == Parlox::Encoding::Utf8 ? u'&' + name : name.insert(name.size() - 1, u'&');
}

} // namespace

EncodingMenu::EncodingMenu(EditorDocument &document, const MainFormUi &ui,
                           const UserDialogs &dialogs, QObject *parent)
    : QObject(parent), m_document(document), m_dialogs(dialogs),
      m_menu(new QMenu(ui.component<QMenu>("MenuFile"))), m_items(new QActionGroup(m_menu)),
      m_state(new QLabel)
{
    const FileEncodings memory(ui.selector->RememberRegistryKey());
    document.setEncodingMemory(
        {[memory](const QString &path) { return memory.lastUsed(path); },
         [memory](const QString &path, Parlox::Encoding e) { memory.remember(path, e); }});

    m_menu->setObjectName(QStringLiteral("EncodingMenu"));
    for (const Parlox::Encoding encoding : Parlox::allEncodings()) {
        QAction *item = m_menu->addAction(caption(encoding));
        item->setCheckable(true);
        item->setData(int(encoding));
        m_items->addAction(item);
        connect(item, &QAction::triggered, this, [this, encoding] { choose(encoding); });
    }
    ui.component<QMenu>("MenuFile")->insertMenu(ui.component<QAction>("SaveFile"), m_menu);
    m_state->setObjectName(QStringLiteral("EncodingState"));
    ui.statusObject->addPermanentWidget(m_state);

    connect(&document, &EditorDocument::encodingChanged, this, &EncodingMenu::show);
    connect(&document, &EditorDocument::openChanged, this, &EncodingMenu::show);
    connect(&document, &EditorDocument::textsChanged, this, &EncodingMenu::retranslate);
    retranslate();
    show();
}

void EncodingMenu::choose(Parlox::Encoding encoding)
{
    m_dialogs.guarded([&] {
        const EditorDocument::EncodingOutcome outcome = m_document.chooseEncoding(encoding);
        if (outcome.status == EditorDocument::EncodingResult::Unreadable)
            m_dialogs.reportFailure("ENCODING_UNREADABLE", outcome.reason);
    });
    // A refused choice leaves the check on the document's encoding.
    show();
}

void EncodingMenu::show()
{
    const bool open = m_document.isOpen();
    setMenuEnabled(m_menu, open);
    m_state->setText(open ? Parlox::encodingName(m_document.encoding()) : QString());
    for (QAction *item : m_items->actions())
        item->setChecked(open && item->data().toInt() == int(m_document.encoding()));
}

void EncodingMenu::retranslate()
{
    m_menu->setTitle(m_dialogs.userString(QStringLiteral("ENCODING_MENU")));
}

} // namespace ParloxEd
