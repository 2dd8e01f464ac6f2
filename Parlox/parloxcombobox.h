#pragma once

#include <Parlox/languagepicker.h>
#include <Parlox/select.h>

#include <QComboBox>

namespace Parlox {

// The language picker as a drop-down list: its entries are the selector's languages with the
// active one selected; picking an entry makes it the active language. The user can only pick,
// never type.
class TParloxComboBox : public QComboBox, public LanguagePicker {
    Q_OBJECT
    Q_PROPERTY(Parlox::TParloxSelect *PxLanguageSelector READ PxLanguageSelector WRITE
                   setPxLanguageSelector)
    Q_PROPERTY(bool Sorted READ Sorted WRITE setSorted)

public:
    explicit TParloxComboBox(QWidget *parent = nullptr);
    ~TParloxComboBox() override;

    bool Sorted() const { return m_sorted; }
    // Takes effect at once when a selector is linked, otherwise at the next refresh.
    void setSorted(bool sorted);

    void RefreshLanguages() override;

signals:
    // The user picked an entry (raised before the language changes).
    void clicked();

private:
    void picked(int index);
    QStringList entries() const;

    bool m_sorted = false;
};

} // namespace Parlox
