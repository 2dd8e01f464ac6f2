#pragma once

#include <QObject>

class QCheckBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QTableView;
class QWidget;

namespace ParloxEd {

class EditorDocument;
class FindResultsModel;
class GridFocus;
class MainFormUi;
class UserDialogs;

// The find pane, made of the window's stored components: the text to find, whether to look in
// every table or in the one shown, how many cells were found and the list of them. Enter in the
// text finds; browsing the found cells shows each with its table while the keys stay in the
// list, and Enter or a double click on one goes into its cell.
class FindPane : public QObject {
    Q_OBJECT

public:
    FindPane(EditorDocument &document, const MainFormUi &ui, const UserDialogs &dialogs,
             QObject *parent);

    // The pane's contents, laid out, for its dock.
    QWidget *widget() const { return m_widget; }
    // Puts the cursor in the text to find, all of it selected for typing over.
    void start();
    void find();
    // Moves to the next (step 1) or previous (-1) found cell, coming round at either end, and
    // shows it; finds first when nothing was found yet.
    void step(int step);
    // Replaces the text to find in every value found (in every table or the one shown).
    void replaceAll();

private:
    void layOut(const MainFormUi &ui);
    void setUpResults();
    void choose(int row);
    // "Found: n" or "Replaced: n", in the interface language.
    enum class Count { Found, Replaced };
    void showCount(Count kind, int count);

    EditorDocument &m_document;
    const UserDialogs &m_dialogs;
    QLineEdit *m_text;
    QCheckBox *m_allTables;
    QCheckBox *m_ignoreAccessKeys;
    QLineEdit *m_replacement;
    QPushButton *m_replaceAll;
    QLabel *m_count;
    QTableView *m_view;
    FindResultsModel *m_results;
    GridFocus *m_gridFocus;
    QWidget *m_widget = nullptr;
    Count m_countKind = Count::Found;
    int m_countShown = 0;
};

} // namespace ParloxEd
