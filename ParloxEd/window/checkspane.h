#pragma once

#include <QObject>
#include <memory>

class QAction;
class QMainWindow;
class QModelIndex;
class QTreeView;

namespace ParloxEd {

class AcceptedWarnings;
class DocumentChecksModel;
class EditorDocument;
class MainFormUi;
class UserDialogs;

// The Checks pane: a dock under the grid listing the warnings of every table, grouped under
// the tables' captions with the table shown first (a value whose access keys, line-break
// markers, placeholders or outer spaces differ from the first language's, or that is the first
// language's text itself). Browsing the warnings shows each cell while the keys stay in the
// list; Enter or a double click goes into the cell. "Not a problem" (Delete, or the list's
// context menu) accepts the selected warning for the file: it is listed, counted and marked no
// more until its value changes. It starts hidden; View > Checks pane shows it, and so does its
// key while the View menu is closed to the message strings. The Edit menu's next and previous
// problem come with it, as they skip what it accepted.
class ChecksPane : public QObject {
    Q_OBJECT

public:
    ChecksPane(EditorDocument &document, const MainFormUi &ui, const UserDialogs &dialogs,
               QMainWindow &window);
    ~ChecksPane() override;

private:
    void setUpList(const MainFormUi &ui);
    void followList(const MainFormUi &ui);
    void showWarning(const QModelIndex &index) const;
    void acceptSelected();
    void expandHeadings() const;

    EditorDocument &m_document;
    const UserDialogs &m_dialogs;
    std::shared_ptr<AcceptedWarnings> m_accepted;
    DocumentChecksModel *m_model = nullptr;
    QTreeView *m_list = nullptr;
    QAction *m_notProblem = nullptr;
};

} // namespace ParloxEd
