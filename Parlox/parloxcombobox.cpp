#include <Parlox/parloxcombobox.h>

#include <Parlox/format/tables.h>

#include <QPointer>
#include <algorithm>

namespace Parlox {

TParloxComboBox::TParloxComboBox(QWidget *parent) : QComboBox(parent)
{
    setEditable(false);
    // activated is raised for the user's picks only, never for setCurrentIndex, so a refresh
    // can never pass for a choice.
    connect(this, &QComboBox::activated, this, &TParloxComboBox::picked);
}

TParloxComboBox::~TParloxComboBox()
{
    unlinkSelector();
}

void TParloxComboBox::setSorted(bool sorted)
{
    m_sorted = sorted;
    RefreshLanguages();
}

QStringList TParloxComboBox::entries() const
{
    QStringList texts;
    texts.reserve(count());
    for (int i = 0; i < count(); ++i)
        texts.append(itemText(i));
    return texts;
}

void TParloxComboBox::RefreshLanguages()
{
    const TParloxSelect *selector = PxLanguageSelector();
    if (!selector)
        return;
    QStringList languages = selector->Languages();
    if (m_sorted)
        std::stable_sort(languages.begin(), languages.end(), languageSortsBefore);
    // Equal entries are kept: the refresh that follows a pick runs inside the combo box's own
    // handling of that pick.
    if (entries() != languages) {
        clear();
        addItems(languages);
    }
    setCurrentIndex(int(Tables::indexOfLanguage(languages, selector->ActiveLanguage())));
}

void TParloxComboBox::picked(int index)
{
    const QString language = itemText(index);
    const QPointer<TParloxComboBox> alive(this);
    emit clicked();
    if (alive)
        chooseLanguage(language);
}

} // namespace Parlox
