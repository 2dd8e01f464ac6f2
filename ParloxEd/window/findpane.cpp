#include "findpane.h"

#include "documentsearch.h"
#include "editordocument.h"
#include "findresultsmodel.h"
#include "gridfocus.h"
#include "mainformui.h"
#include "resultlist.h"
#include "userdialogs.h"

#include <QCheckBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTableView>
#include <QVBoxLayout>

namespace ParloxEd {
namespace {

// Wide enough for a form's name with its view, a key or a language, before the text.
constexpr int ResultColumnWidth = 150;

} // namespace

FindPane::FindPane(EditorDocument &document, const MainFormUi &ui, const UserDialogs &dialogs,
                   QObject *parent)
    : QObject(parent), m_document(document), m_dialogs(dialogs),
      m_text(ui.component<QLineEdit>("FindText")), m_allTables(ui.component<QCheckBox>("FindAll")),
      m_ignoreAccessKeys(ui.component<QCheckBox>("FindIgnoreAmp")),
      m_replacement(ui.component<QLineEdit>("ReplaceText")),
      m_replaceAll(ui.component<QPushButton>("ReplaceAll")),
      m_count(ui.component<QLabel>("FindCount")), m_view(ui.component<QTableView>("FindResults")),
      m_results(new FindResultsModel(document, this)), m_gridFocus(ui.gridFocus)
{
    layOut(ui);
    setUpResults();
    connect(m_text, &QLineEdit::returnPressed, this, &FindPane::find);
    const auto replace = [this] { m_dialogs.guarded([this] { replaceAll(); }); };
    connect(m_replaceAll, &QPushButton::clicked, this, replace);
    connect(m_replacement, &QLineEdit::returnPressed, this, replace);
    for (QCheckBox *option : {m_allTables, m_ignoreAccessKeys}) {
        connect(option, &QCheckBox::toggled, this, [this] {
            if (!m_text->text().isEmpty())
                find();
        });
    }
    connect(m_results, &QAbstractItemModel::modelReset, this,
            [this] { showCount(Count::Found, m_results->rowCount()); });
    connect(&document, &EditorDocument::textsChanged, this,
            [this] { showCount(m_countKind, m_countShown); });
}

void FindPane::showCount(Count kind, int count)
{
    m_countKind = kind;
    m_countShown = count;
    const QString words = m_dialogs.userString(
        kind == Count::Found ? QStringLiteral("FIND_COUNT") : QStringLiteral("REPLACE_COUNT"));
    m_count->setText(words + QString::number(count));
}

void FindPane::layOut(const MainFormUi &ui)
{
    auto *label = ui.component<QLabel>("FindLabel");
    label->setBuddy(m_text);
    m_widget = new QWidget;
    auto *row = new QHBoxLayout;
    row->addWidget(label);
    row->addWidget(m_text, 1);
    row->addWidget(m_allTables);
    row->addWidget(m_ignoreAccessKeys);
    auto *replaceLabel = ui.component<QLabel>("ReplaceLabel");
    replaceLabel->setBuddy(m_replacement);
    auto *replaceRow = new QHBoxLayout;
    replaceRow->addWidget(replaceLabel);
    replaceRow->addWidget(m_replacement, 1);
    replaceRow->addWidget(m_replaceAll);
    auto *column = new QVBoxLayout(m_widget);
    column->setContentsMargins(4, 4, 4, 4);
    column->addLayout(row);
    column->addLayout(replaceRow);
    column->addWidget(m_count);
    column->addWidget(m_view, 1);
}

void FindPane::setUpResults()
{
    m_view->setModel(m_results);
    makeResultList(*m_view);
    m_view->horizontalHeader()->setDefaultSectionSize(ResultColumnWidth);
    // A click on the found cell already chosen shows it again after the grid moved on.
    connect(m_view, &QAbstractItemView::clicked, this,
            [this](const QModelIndex &index) { choose(index.row()); });
    connect(m_view->selectionModel(), &QItemSelectionModel::currentRowChanged, this,
            [this](const QModelIndex &index) { choose(index.row()); });
    connect(m_view, &QAbstractItemView::activated, this, [this](const QModelIndex &index) {
        choose(index.row());
        m_gridFocus->enter();
    });
}

void FindPane::start()
{
    m_text->setFocus();
    m_text->selectAll();
}

void FindPane::find()
{
    m_results->setResults(DocumentSearch::findText(
        m_document, m_text->text(), m_allTables->isChecked(), m_ignoreAccessKeys->isChecked()));
}

void FindPane::replaceAll()
{
    const int replaced =
        m_document.replaceText(m_text->text(), m_replacement->text(), m_allTables->isChecked());
    find();
    showCount(Count::Replaced, replaced);
}

void FindPane::step(int step)
{
    if (m_results->rowCount() == 0 && !m_text->text().isEmpty())
        find();
    const int count = m_results->rowCount();
    if (count == 0)
        return;
    const int current = m_view->currentIndex().isValid() ? m_view->currentIndex().row()
                        : step > 0                       ? -1
                                                         : count;
    const int row = ((current + step) % count + count) % count;
    m_view->setCurrentIndex(m_results->index(row, 0));
    m_view->scrollTo(m_results->index(row, 0));
    choose(row);
}

void FindPane::choose(int row)
{
    if (row >= 0 && row < m_results->rowCount())
        m_document.reveal(m_results->results().at(row));
}

} // namespace ParloxEd
