#include "documentmenus.h"

#include "mainformui.h"

#include <QAction>
#include <QMenu>

namespace ParloxEd {
namespace {

// "&" marks an access key in a menu caption; a language or form name is shown as written.
QString menuCaption(QString name)
{
    return name.replace(QLatin1Char('&'), QStringLiteral("&&"));
}

void markItem(const QMenu *menu, int marked)
{
    const QList<QAction *> items = menu->actions();
    for (int i = 0; i < items.size(); ++i)
        items[i]->setChecked(i == marked);
}

} // namespace

DocumentMenus::DocumentMenus(const EditorDocument &document, const MainFormUi &ui, QObject *parent)
    : QObject(parent), m_document(document), m_ui(ui)
{
    connect(&document, &EditorDocument::languagesChanged, this, [this] {
        fill(m_ui.languageItems, m_document.languages(), &DocumentMenus::languageChosen);
    });
    const auto fillWindows = [this] {
        fill(m_ui.windowsMenu, m_document.windowsItems(), &DocumentMenus::windowsItemChosen);
    };
    connect(&document, &EditorDocument::windowsItemsChanged, this, fillWindows);
    // The message item is named in the interface language, as everywhere else.
    connect(&document, &EditorDocument::textsChanged, this, fillWindows);
    for (const auto signal :
         {&EditorDocument::defaultLanguageChanged, &EditorDocument::currentItemChanged})
        connect(&document, signal, this, &DocumentMenus::mark);
    connect(&document, &EditorDocument::viewChanged, this, &DocumentMenus::mark);
    const std::pair<QAction *, EditorDocument::View> views[] = {
        {m_ui.formView, EditorDocument::View::FormStrings},
        {m_ui.userView, EditorDocument::View::UserStrings}};
    for (const auto &[item, view] : views) {
        connect(item, &QAction::triggered, this, [this, view = view] {
            emit viewChosen(view);
            mark();
        });
    }
}

void DocumentMenus::fill(QMenu *menu, const QStringList &captions,
                         void (DocumentMenus::*chosen)(int))
{
    menu->clear();
    for (int i = 0; i < captions.size(); ++i) {
        QAction *item = menu->addAction(menuCaption(captions.at(i)));
        item->setCheckable(true);
        connect(item, &QAction::triggered, this, [this, i, chosen] {
            emit(this->*chosen)(i);
            mark();
        });
    }
    mark();
}

void DocumentMenus::mark()
{
    markItem(m_ui.languageItems, m_document.defaultLanguage());
    markItem(m_ui.windowsMenu, m_document.currentItem());
    m_ui.formView->setChecked(m_document.view() == EditorDocument::View::FormStrings);
    m_ui.userView->setChecked(m_document.view() == EditorDocument::View::UserStrings);
}

} // namespace ParloxEd
