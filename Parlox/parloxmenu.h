#pragma once

#include <Parlox/languagepicker.h>
#include <Parlox/select.h>

#include <QMenu>
#include <QObject>
#include <QPointer>

namespace Parlox {

// The language picker bound to a menu: fills `Menu` with one checkable item per language of
// the selector, the active one checked; clicking an item makes its language the active one.
// The items belong to the picker and disappear with it.
class TParloxMenu : public QObject, public LanguagePicker {
    Q_OBJECT
    Q_PROPERTY(Parlox::TParloxSelect *PxLanguageSelector READ PxLanguageSelector WRITE
                   setPxLanguageSelector)
    Q_PROPERTY(QMenu *Menu READ Menu WRITE setMenu)

public:
    explicit TParloxMenu(QObject *owner = nullptr);
    ~TParloxMenu() override;

    // Not owned. Reads as null once the menu is destroyed.
    QMenu *Menu() const { return m_menu; }
    // Only stores the menu: its items appear at the next refresh.
    void setMenu(QMenu *menu) { m_menu = menu; }

    void RefreshLanguages() override;

private:
    void clearMenu();
    void addLanguage(const QString &name);
    void markLanguage(qsizetype position);

    QPointer<QMenu> m_menu;
};

} // namespace Parlox
