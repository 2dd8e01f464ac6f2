#pragma once

#include "editordocument.h"

#include <QObject>

class QMenu;

namespace ParloxEd {

class MainFormUi;

// Mirrors the document in the window's menus: one checkable item per language under
// Languages > In application with the default language marked, one per Windows item with the
// current one marked, and the mark of the View chosen. Choosing an item is reported, not acted
// on; the marks follow the document, whatever a click did to them.
class DocumentMenus : public QObject {
    Q_OBJECT

public:
    DocumentMenus(const EditorDocument &document, const MainFormUi &ui, QObject *parent);

    // Puts every mark where the document says.
    void mark();

signals:
    void languageChosen(int language);
    void windowsItemChosen(int item);
    void viewChosen(ParloxEd::EditorDocument::View view);

private:
    // Replaces the menu's items by one checkable item per caption.
    void fill(QMenu *menu, const QStringList &captions, void (DocumentMenus::*chosen)(int));

    const EditorDocument &m_document;
    const MainFormUi &m_ui;
};

} // namespace ParloxEd
