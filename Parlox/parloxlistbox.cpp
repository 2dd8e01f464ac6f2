#include <Parlox/parloxlistbox.h>

#include <Parlox/format/tables.h>

#include <QPointer>
#include <QScopedValueRollback>
#include <algorithm>
#include <utility>

namespace Parlox {
namespace {

// Keeps a sorted list in the same order as a sorted combo box.
class LanguageItem : public QListWidgetItem {
public:
    using QListWidgetItem::QListWidgetItem;
    bool operator<(const QListWidgetItem &other) const override
    {
        return languageSortsBefore(text(), other.text());
    }
};

} // namespace

TParloxListBox::TParloxListBox(QWidget *parent) : QListWidget(parent)
{
    setSelectionMode(QAbstractItemView::SingleSelection);
    // A click on an entry is a choice even when it does not change the selection; a selection
    // moved by the keyboard or by dragging is one too. Selections set by code are not.
    connect(this, &QListWidget::itemClicked, this, &TParloxListBox::userChoice);
    connect(this, &QListWidget::currentRowChanged, this, &TParloxListBox::selectionMoved);
}

TParloxListBox::~TParloxListBox()
{
    unlinkSelector();
}

void TParloxListBox::setSorted(bool sorted)
{
    setSortingEnabled(sorted);
    RefreshLanguages();
}

QStringList TParloxListBox::entries() const
{
    QStringList texts;
    texts.reserve(count());
    for (int i = 0; i < count(); ++i)
        texts.append(item(i)->text());
    return texts;
}

void TParloxListBox::RefreshLanguages()
{
    const TParloxSelect *selector = PxLanguageSelector();
    if (!selector)
        return;
    const QScopedValueRollback guard(m_refreshing, true);
    QStringList languages = selector->Languages();
    if (isSortingEnabled())
        std::stable_sort(languages.begin(), languages.end(), languageSortsBefore);
    // Equal entries are kept: the refresh that follows a choice runs inside the list's own
    // handling of the click or key press.
    if (entries() != languages) {
        clear();
        for (const QString &language : std::as_const(languages))
            addItem(new LanguageItem(language));
    }
    const int row = int(Tables::indexOfLanguage(entries(), selector->ActiveLanguage()));
    setCurrentRow(row);
    if (row < 0)
        clearSelection();
}

void TParloxListBox::keyPressEvent(QKeyEvent *event)
{
    beginInput();
    QListWidget::keyPressEvent(event);
    endInput();
}

void TParloxListBox::mouseMoveEvent(QMouseEvent *event)
{
    beginInput();
    QListWidget::mouseMoveEvent(event);
    endInput();
}

void TParloxListBox::beginInput()
{
    m_userInput = true;
    m_moved = false;
}

// The choice waits until the view has finished with the event: a selection put back from
// inside the view's handling (a refused choice) would be overwritten by the view.
void TParloxListBox::endInput()
{
    m_userInput = false;
    if (std::exchange(m_moved, false))
        userChoice();
}

void TParloxListBox::selectionMoved()
{
    if (m_userInput && !m_refreshing)
        m_moved = true;
}

void TParloxListBox::userChoice()
{
    const QPointer<TParloxListBox> alive(this);
    emit clicked();
    if (!alive)
        return;
    const QList<QListWidgetItem *> selected = selectedItems();
    if (!selected.isEmpty())
        chooseLanguage(selected.first()->text());
}

} // namespace Parlox
