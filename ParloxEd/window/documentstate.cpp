#include "documentstate.h"

#include "editordocument.h"
#include "mainformui.h"
#include "statuspanelbar.h"
#include "userdialogs.h"

#include <QLabel>

namespace ParloxEd {

DocumentState::DocumentState(EditorDocument &document, const MainFormUi &ui,
                             const UserDialogs &dialogs, QObject *parent)
    : QObject(parent), m_document(document), m_ui(ui), m_dialogs(dialogs), m_table(new QLabel),
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
    connect(&document, &EditorDocument::readOnlyChanged, this, &DocumentState::retranslate);
    connect(&document, &EditorDocument::textsChanged, this, &DocumentState::retranslate);
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
    m_table->setText(m_document.isOpen() ? m_document.tableCaption(m_document.currentTableRef())
                                         : QString());
    m_ui.statusValue->setMarker(m_document.isReadOnly()
                                    ? m_dialogs.userString(QStringLiteral("READ_ONLY_MARK"))
                                    : QString());
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
