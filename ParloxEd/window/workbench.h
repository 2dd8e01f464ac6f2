#pragma once

#include "editordocument.h"

#include <QKeySequence>
#include <QObject>

class QDockWidget;
class QMainWindow;

namespace ParloxEd {

class DetailPane;
class FindPane;
class GridFilterModel;
class MainFormUi;
class UserDialogs;

// The translator's tools around the grid: the Edit menu (undo and redo of every document
// change, find, go to key, next untranslated, next and previous table), the filter box over the
// grid, and three panes (the selected entry whole, the find results, how much is translated) that
// dock at the window's sides, are shown from the View menu and are remembered from one run to the
// next.
class Workbench : public QObject {
    Q_OBJECT

public:
    Workbench(EditorDocument &document, const MainFormUi &ui, const UserDialogs &dialogs,
              GridFilterModel &filter, QMainWindow &window);

    // Which panes show and where: restored once every pane of the window is docked, saved as
    // the window closes.
    void restoreLayout() const;
    void saveLayout() const;

    void Find1Click();
    void GoToKey1Click();
    void NextUntranslated1Click();
    void FindNext1Click();
    void FindPrevious1Click();
    void NextTable1Click();
    void PreviousTable1Click();

private:
    void placeEditMenu();
    void connectActions();
    void setUpPanes();
    void setUpFilter();
    void followSelection();
    void stepTable(int step);
    // Selects a cell of the grid, clearing the filter where it hides the cell's row.
    void selectCell(int entry, int column);
    EditorDocument::CellRef selectedCell() const;

    EditorDocument &m_document;
    const MainFormUi &m_ui;
    const UserDialogs &m_dialogs;
    GridFilterModel &m_filter;
    QMainWindow &m_window;
    DetailPane *m_detail = nullptr;
    FindPane *m_find = nullptr;
    int m_entry = 0;
    int m_column = 1;
};

} // namespace ParloxEd
