#include "documentstate.h"

#include "editordocument.h"
#include "mainformui.h"
#include "statuspanelbar.h"
#include "userdialogs.h"

#include <QAction>
#include <QLabel>

namespace ParloxEd {

DocumentState::DocumentState(EditorDocument &document, const MainFormUi &ui,
                             const UserDialogs &dialogs, QObject *parent)
    : QObject(parent), m_document(document), m_dialogs(dialogs), m_table(new QLabel),
      m_state(new QLabel)
{
    m_table->setObjectName(QStringLiteral("TableName"));
    m_table->setTextFormat(Qt::PlainText);
    QFont bold = m_table->font();
    bold.setBold(true);
    m_table->setFont(bold);
    ui.statusValue->addPermanentWidget(m_table);
    m_state->setObjectName(QStringLiteral("DocumentState"));
    ui.statusObject->addPermanentWidget(m_state);

    connect(&document, &EditorDocument::tableShown, this, &DocumentState::retranslate);
    connect(&document, &EditorDocument::openChanged, this, [this] { show(State::None); });
    connect(&document, &EditorDocument::modifiedChanged, this,
            [this](bool modified) { show(modified ? State::Modified : State::None); });
    connect(&document, &EditorDocument::readOnlyChanged, this, [this, &ui](bool readOnly) {
        ui.statusValue->setMarker(readOnly ? m_dialogs.userString(QStringLiteral("READ_ONLY_MARK"))
                                           : QString());
    });
    // The translator renames the menu items when the interface language changes.
    connect(ui.component<QAction>("OpenFile"), &QAction::changed, this,
            &DocumentState::retranslate);
}

void DocumentState::saved()
{
    show(State::Saved);
}

void DocumentState::show(State state)
{
    m_shown = state;
    retranslate();
}

void DocumentState::retranslate()
{
    const EditorDocument::TableRef table = m_document.currentTableRef();
    // The message item's caption in the Windows menu keeps the language it was loaded in;
    // here the name follows the interface.
    m_table->setText(!m_document.isOpen() ? QString()
                     : table.item == 0    ? m_dialogs.userString(QStringLiteral("STRINGS_MESSAGES"))
                                          : m_document.tableCaption(table));
    switch (m_shown) {
    case State::None:
        return m_state->clear();
    case State::Modified:
        return m_state->setText(m_dialogs.userString(QStringLiteral("DOCUMENT_MODIFIED")));
    case State::Saved:
        return m_state->setText(m_dialogs.userString(QStringLiteral("DOCUMENT_SAVED")));
    }
}

} // namespace ParloxEd
