#include "suggestionsview.h"

#include "editordocument.h"
#include "sourceindex.h"
#include "tablegridmodel.h"

#include <QLabel>
#include <QVBoxLayout>

namespace ParloxEd {
namespace {

// Enough to choose from without the list pushing the editors away.
constexpr qsizetype ShownPerLanguage = 5;

} // namespace

SuggestionsView::SuggestionsView(EditorDocument &document, QWidget *parent)
    : QWidget(parent), m_document(document), m_index(new SourceIndex(document, this)),
      m_title(new QLabel), m_list(new QLabel)
{
    m_title->setObjectName(QStringLiteral("SuggestionsTitle"));
    m_list->setObjectName(QStringLiteral("SuggestionsList"));
    m_title->setWordWrap(true);
    m_list->setWordWrap(true);
    m_list->setTextFormat(Qt::PlainText);
    m_list->setTextInteractionFlags(Qt::TextSelectableByMouse);
    QFont bold = m_title->font();
    bold.setBold(true);
    m_title->setFont(bold);
    auto *column = new QVBoxLayout(this);
    column->addWidget(m_title);
    column->addWidget(m_list);
    // The index hears of each change first (it was connected first), so the list reads it
    // up to date.
    const TableGridModel *grid = document.grid();
    connect(grid, &QAbstractItemModel::dataChanged, this, &SuggestionsView::changed);
    connect(grid, &QAbstractItemModel::modelReset, this, &SuggestionsView::changed);
    connect(&document, &EditorDocument::defaultLanguageChanged, this, &SuggestionsView::changed);
    retranslate();
}

void SuggestionsView::showEntry(int entry)
{
    m_entry = entry;
    changed();
}

void SuggestionsView::changed()
{
    m_stale = true;
    if (isVisible())
        refresh();
}

void SuggestionsView::showEvent(QShowEvent *event)
{
    QWidget::showEvent(event);
    if (m_stale)
        refresh();
}

void SuggestionsView::retranslate()
{
    m_title->setText(m_document.text(QStringLiteral("SUGGESTIONS")));
    changed();
}

void SuggestionsView::refresh()
{
    m_stale = false;
    const TableGridModel *grid = m_document.grid();
    QStringList lines;
    const QList<QList<SourceIndex::Suggestion>> found = m_index->suggestionsFor(m_entry);
    for (int language = 0; language < found.size(); ++language) {
        QStringList texts;
        for (const SourceIndex::Suggestion &s :
             found.at(language).first(std::min(ShownPerLanguage, found.at(language).size())))
            texts.append(QStringLiteral("%1 (%2)").arg(s.text).arg(s.count));
        if (!texts.isEmpty())
            lines.append(grid->cell(language + 1, 0) + QStringLiteral(": ") +
                         texts.join(QStringLiteral(", ")));
    }
    m_list->setText(lines.isEmpty() ? m_document.text(QStringLiteral("SUGGESTIONS_NONE"))
                                    : lines.join(u'\n'));
}

int SuggestionsView::applyFirst()
{
    return m_document.fillEmptyValues(m_entry, m_index->firstSuggestions(m_entry));
}

} // namespace ParloxEd
