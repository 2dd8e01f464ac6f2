#include "suggestioncommands.h"

#include "editordocument.h"
#include "mainformui.h"
#include "suggestionsview.h"
#include "userdialogs.h"

#include <Parlox/select.h>

#include <QAction>

namespace ParloxEd {

SuggestionCommands::SuggestionCommands(EditorDocument &document, const MainFormUi &ui,
                                       const UserDialogs &dialogs, SuggestionsView &view,
                                       QObject *parent)
    : QObject(parent), m_document(document), m_dialogs(dialogs), m_view(view)
{
    auto *apply = ui.component<QAction>("ApplySuggestions1");
    apply->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_I));
    connect(apply, &QAction::triggered, this,
            [this] { m_dialogs.guarded([this] { applySuggestions(); }); });
    connect(ui.component<QAction>("FillIdentical1"), &QAction::triggered, this,
            [this] { m_dialogs.guarded([this] { fillIdenticalSources(); }); });
    connect(ui.selector, &Parlox::TParloxSelect::languageChanged, &view,
            &SuggestionsView::retranslate);
}

void SuggestionCommands::applySuggestions()
{
    if (m_document.isOpen())
        m_view.applyFirst();
}

void SuggestionCommands::fillIdenticalSources()
{
    if (!m_document.isOpen())
        return;
    const int filled = m_document.fillIdenticalSources();
    m_dialogs.tell(Parlox::mtInformation, "FILL_IDENTICAL_COUNT", QString::number(filled));
}

} // namespace ParloxEd
