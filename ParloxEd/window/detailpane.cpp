#include "detailpane.h"

#include "editordocument.h"
#include "suggestionsview.h"
#include "tablegridmodel.h"
#include "undokeyfilter.h"

#include <QFormLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QPlainTextEdit>
#include <QScopedValueRollback>
#include <QScrollArea>
#include <QTextDocument>
#include <QTextOption>
#include <QVBoxLayout>
#include <algorithm>

namespace ParloxEd {
namespace {

const QString LineBreakMarker = QStringLiteral("%%");

} // namespace

DetailPane::DetailPane(EditorDocument &document, QWidget *parent)
    : QWidget(parent), m_document(document), m_form(new QFormLayout), m_keyTitle(new QLabel),
      m_key(new QLabel), m_undoKeys(new UndoKeyFilter(this)),
      m_suggestions(new SuggestionsView(document))
{
    m_keyTitle->setObjectName(QStringLiteral("KeyTitle"));
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
    column->addWidget(m_suggestions);

    const TableGridModel *grid = document.grid();
    const auto changed = [this] {
        m_stale = true;
        if (isVisible())
            syncEditors();
    };
    connect(grid, &QAbstractItemModel::modelReset, this, changed);
    // Loading names the languages one header at a time: each renames one label.
    connect(grid, &QAbstractItemModel::headerDataChanged, this,
            [this](Qt::Orientation, int first, int last) {
                if (!m_stale)
                    relabel(first - 1, last - 1);
            });
    connect(grid, &QAbstractItemModel::dataChanged, this, [this] {
        if (!m_stale)
            refresh();
    });
    connect(&document, &EditorDocument::textsChanged, this,
            [this] { m_keyTitle->setText(m_document.keyTitle()); });
}

void DetailPane::showEntry(int entry)
{
    m_entry = entry;
    m_suggestions->showEntry(entry);
    if (!m_stale)
        refresh();
}

void DetailPane::focusLanguage(int language)
{
    syncEditors();
    if (QPlainTextEdit *editor = m_editors.value(language, m_editors.value(0)))
        editor->setFocus(Qt::OtherFocusReason);
}

void DetailPane::showEvent(QShowEvent *event)
{
    QWidget::showEvent(event);
    syncEditors();
}

void DetailPane::syncEditors()
{
    if (!m_stale)
        return;
    m_stale = false;
    const auto languages = int(m_document.grid()->languageCount());
    while (m_editors.size() > languages) {
        m_editors.removeLast();
        m_form->removeRow(m_form->rowCount() - 1);
    }
    while (m_editors.size() < languages) {
        auto *editor = new QPlainTextEdit;
        const auto language = int(m_editors.size());
        editor->setTabChangesFocus(true);
        editor->setUndoRedoEnabled(false);
        editor->installEventFilter(m_undoKeys);
        editor->installEventFilter(this);
        const int line = editor->fontMetrics().lineSpacing();
        editor->setMinimumHeight(line * 3);
        editor->setMaximumHeight(line * 8);
        connect(editor, &QPlainTextEdit::textChanged, this, [this, language] { edited(language); });
        auto *label = new QLabel;
        m_form->addRow(label, editor);
        // Shown now, not on the next pass of the event loop: the keys may go to it at once.
        label->show();
        editor->show();
        m_editors.append(editor);
    }
    relabel(0, int(m_editors.size()) - 1);
    refresh();
}

void DetailPane::relabel(int first, int last)
{
    const TableGridModel *grid = m_document.grid();
    m_keyTitle->setText(m_document.keyTitle());
    const int end = std::min(last + 1, int(m_editors.size()));
    for (int language = std::max(first, 0); language < end; ++language) {
        auto *label = qobject_cast<QLabel *>(m_form->labelForField(m_editors.at(language)));
        if (label)
            label->setText(grid->cell(language + 1, 0));
    }
}

bool DetailPane::holdsLineBreaks() const
{
    return m_document.currentTableRef().item >= 1 &&
           m_document.view() == EditorDocument::View::UserStrings;
}

QString DetailPane::shown(const QString &value) const
{
    return holdsLineBreaks() ? QString(value).replace(LineBreakMarker, QStringLiteral("\n"))
                             : value;
}

QString DetailPane::stored(const QString &text) const
{
    return holdsLineBreaks() ? QString(text).replace(u'\n', LineBreakMarker) : text;
}

// A value in Hebrew or Arabic is shown right-aligned, as it is read.
void DetailPane::alignByDirection(QPlainTextEdit &editor, const QString &value)
{
    const bool rightToLeft = value.isRightToLeft();
    QTextOption option = editor.document()->defaultTextOption();
    const Qt::Alignment wanted = rightToLeft ? Qt::AlignRight : Qt::AlignLeft;
    if (option.alignment() == wanted)
        return;
    option.setAlignment(wanted);
    option.setTextDirection(rightToLeft ? Qt::RightToLeft : Qt::LeftToRight);
    editor.document()->setDefaultTextOption(option);
}

void DetailPane::refresh()
{
    const TableGridModel *grid = m_document.grid();
    m_key->setText(grid->value(int(TableGridModel::Column::Key), m_entry));
    const QScopedValueRollback filling(m_filling, true);
    for (int language = 0; language < m_editors.size(); ++language) {
        QPlainTextEdit *editor = m_editors.at(language);
        const QString value = grid->value(language + 1, m_entry);
        if (stored(editor->toPlainText()) != value)
            editor->setPlainText(shown(value));
        alignByDirection(*editor, value);
        // The editor turns CR and the Unicode line separators into LF; a value holding them,
        // or a line break the table cannot hold as a marker, is edited in the grid only.
        editor->setReadOnly(!grid->isEditable(language + 1, m_entry) ||
                            stored(editor->toPlainText()) != value);
    }
}

bool DetailPane::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() != QEvent::KeyPress)
        return QWidget::eventFilter(watched, event);
    const auto *key = static_cast<QKeyEvent *>(event);
    if (key->key() != Qt::Key_Return && key->key() != Qt::Key_Enter)
        return QWidget::eventFilter(watched, event);
    auto *editor = qobject_cast<QPlainTextEdit *>(watched);
    if (key->modifiers() & (Qt::ShiftModifier | Qt::ControlModifier)) {
        if (editor && !editor->isReadOnly() && holdsLineBreaks())
            editor->insertPlainText(QStringLiteral("\n"));
        return true;
    }
    const qsizetype next = m_editors.indexOf(editor) + 1;
    if (next > 0 && next < m_editors.size())
        m_editors.at(next)->setFocus(Qt::TabFocusReason);
    else
        emit leftLastEditor();
    return true;
}

void DetailPane::edited(int language)
{
    if (!m_filling)
        m_document.grid()->setValue(language + 1, m_entry,
                                    stored(m_editors.at(language)->toPlainText()));
}

} // namespace ParloxEd
