#pragma once

#include <QObject>

class QMainWindow;
class QTableView;

namespace ParloxEd {

class CheckListModel;
class EditorDocument;
class MainFormUi;

// The Checks pane: a dock under the grid listing the warnings of the table shown (a value
// whose access keys, line-break markers, placeholders or outer spaces differ from the first
// language's, or that is the first language's text itself). Browsing the warnings shows each
// cell while the keys stay in the list; Enter or a double click goes into the cell. It starts
// hidden; View > Checks pane shows it, and so does its key while the View menu is closed to the
// message strings.
class ChecksPane : public QObject {
    Q_OBJECT

public:
    ChecksPane(EditorDocument &document, const MainFormUi &ui, QMainWindow &window);

private:
    void showWarning(int row) const;

    EditorDocument &m_document;
    CheckListModel *m_model = nullptr;
    QTableView *m_list = nullptr;
};

} // namespace ParloxEd
