#include <Parlox/parloxmenu.h>

#include <QAction>

namespace Parlox {

TParloxMenu::TParloxMenu(QObject *owner) : QObject(owner) {}

TParloxMenu::~TParloxMenu()
{
    unlinkSelector();
}

void TParloxMenu::RefreshLanguages()
{
    const TParloxSelect *selector = PxLanguageSelector();
    if (!selector || !m_menu)
        return;
    clearMenu();
    // In a form designer the menu stays empty.
    if (isDesigning())
        return;
    for (const QString &name : selector->Languages())
        addLanguage(name);
    markLanguage(selector->activeIndex());
}

void TParloxMenu::clearMenu()
{
    // Items are destroyed later, not now: the refresh that follows a click runs while the
    // clicked item is still delivering its signal, and the menu may still use it afterwards.
    const QList<QAction *> items = m_menu->actions();
    for (QAction *item : items) {
        m_menu->removeAction(item);
        QMenu *submenu = item->menu<QMenu *>();
        if (submenu && submenu->menuAction() == item)
            submenu->deleteLater(); // a submenu's item belongs to the submenu
        else
            item->deleteLater();
    }
}

void TParloxMenu::addLanguage(const QString &name)
{
    auto *item = new QAction(name, this);
    item->setCheckable(true);
    connect(item, &QAction::triggered, this, [this, item] { chooseLanguage(item->text()); });
    m_menu->addAction(item);
}

void TParloxMenu::markLanguage(qsizetype position)
{
    const QList<QAction *> items = m_menu->actions();
    for (qsizetype i = 0; i < items.size(); ++i)
        items[i]->setChecked(i == position);
}

} // namespace Parlox
