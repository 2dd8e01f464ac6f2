#include "detailpane.h"

#include "editordocument.h"
#include "tablegridmodel.h"
#include "undokeyfilter.h"

#include <QFormLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QPlainTextEdit>
#include <QScopedValueRollback>
#include <QScrollArea>
#include <QVBoxLayout>

namespace ParloxEd {

DetailPane::DetailPane(EditorDocument &document, QWidget *parent)
    : QWidget(parent), m_document(document), m_form(new QFormLayout), m_keyTitle(new QLabel),
      m_key(new QLabel), m_undoKeys(new UndoKeyFilter(this))
{
    m_key->setWordWrap(true);
    m_key->setTextInteractionFlags(Qt::TextSelectableByMouse);
    m_key->setTextFormat(Qt::PlainText);
    m_form->setRowWrapPolicy(QFormLayout::WrapAllRows);
    m_form->addRow(m_keyTitle, m_key);
    auto *fields = new QWidget;
    fields->setLayout(m_form);
    auto *scroll = new QScrollArea;
    scroll->setWidgetResizable(true);
    scroll->setFrameShape(QFrame::NoFrame);
    scroll->setWidget(fields);
    auto *column = new QVBoxLayout(this);
    column->setContentsMargins(0, 0, 0, 0);
    column->addWidget(scroll);

    const TableGridModel *grid = document.grid();
    connect(grid, &QAbstractItemModel::modelReset, this, &DetailPane::rebuild);
    connect(grid, &QAbstractItemModel::headerDataChanged, this, &DetailPane::rebuild);
    connect(grid, &QAbstractItemModel::dataChanged, this, &DetailPane::refresh);
    rebuild();
}

void DetailPane::showEntry(int entry)
{
    m_entry = entry;
    refresh();
}

void DetailPane::rebuild()
{
    while (m_form->rowCount() > 1)
        m_form->removeRow(1);
    m_editors.clear();
    const TableGridModel *grid = m_document.grid();
    for (int language = 0; language < grid->languageCount(); ++language) {
        auto *editor = new QPlainTextEdit;
        editor->setTabChangesFocus(true);
        editor->setUndoRedoEnabled(false);
        editor->installEventFilter(m_undoKeys);
        editor->installEventFilter(this);
        const int line = editor->fontMetrics().lineSpacing();
        editor->setMinimumHeight(line * 3);
        editor->setMaximumHeight(line * 8);
        connect(editor, &QPlainTextEdit::textChanged, this, [this, language] { edited(language); });
        m_form->addRow(grid->cell(language + 1, 0), editor);
        m_editors.append(editor);
    }
    refresh();
}

void DetailPane::refresh()
{
    const TableGridModel *grid = m_document.grid();
    const int row = m_entry + 1;
    m_keyTitle->setText(grid->cell(int(TableGridModel::Column::Key), 0));
    m_key->setText(grid->cell(int(TableGridModel::Column::Key), row));
    const QScopedValueRollback filling(m_filling, true);
    for (int language = 0; language < m_editors.size(); ++language) {
        QPlainTextEdit *editor = m_editors.at(language);
        const QString text = grid->cell(language + 1, row);
        if (editor->toPlainText() != text)
            editor->setPlainText(text);
        // The editor turns CR and the Unicode line separators into LF; a value holding them is
        // edited in the grid only, which keeps them.
        editor->setReadOnly(!grid->isCellEditable(language + 1, row) ||
                            editor->toPlainText() != text);
    }
}

bool DetailPane::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent *>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter) {
            focusNextChild();
            return true;
        }
    }
    return QWidget::eventFilter(watched, event);
}

void DetailPane::edited(int language)
{
    if (!m_filling)
        m_document.grid()->setCell(language + 1, m_entry + 1,
                                   m_editors.at(language)->toPlainText());
}

} // namespace ParloxEd
