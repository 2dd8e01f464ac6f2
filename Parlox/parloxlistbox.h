#pragma once

#include <Parlox/languagepicker.h>
#include <Parlox/select.h>

#include <QListWidget>

namespace Parlox {

// The language picker as a list box: its entries are the selector's languages with the active
// one selected; selecting an entry with the mouse or the keyboard makes it the active language.
class TParloxListBox : public QListWidget, public LanguagePicker {
    Q_OBJECT
    Q_PROPERTY(Parlox::TParloxSelect *PxLanguageSelector READ PxLanguageSelector WRITE
                   setPxLanguageSelector)
    Q_PROPERTY(bool Sorted READ Sorted WRITE setSorted)

public:
    explicit TParloxListBox(QWidget *parent = nullptr);
    ~TParloxListBox() override;

    bool Sorted() const { return isSortingEnabled(); }
    void setSorted(bool sorted);

    void RefreshLanguages() override;

signals:
    // The user clicked an entry or moved the selection (raised before the language changes).
    // Hides QAbstractItemView::clicked(QModelIndex), which stays reachable through the base.
    void clicked();

protected:
    void keyPressEvent(QKeyEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;

private:
    void beginInput();
    void endInput();
    void userChoice();
    void selectionMoved();
    QStringList entries() const;

    bool m_userInput = false; // inside the view's handling of a key press or mouse drag
    bool m_moved = false;     // the selection moved during that handling
    bool m_refreshing = false;
};

} // namespace Parlox
