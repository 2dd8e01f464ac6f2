#pragma once

#include <Parlox/platform/component.h>

class QString;

namespace Parlox {

class TParloxSelect;

// What the three language pickers share: the link to a selector, registered both ways, and a
// user choice that becomes the selector's active language.
class LanguagePicker : public Platform::Component {
public:
    ~LanguagePicker() override;

    TParloxSelect *PxLanguageSelector() const { return m_selector; }
    // Unregisters from the old selector, registers with the new one (which refreshes at once).
    void setPxLanguageSelector(TParloxSelect *selector);

    // Rebuilds or reselects the entries from the linked selector. Never a user choice.
    virtual void RefreshLanguages() = 0;

protected:
    // A choice made by the user: goes through the selector, which validates and remembers it.
    // A choice the selector refuses or cannot remember leaves the picker showing the active
    // language again; an error remembering it is shown in the standard message box, since a
    // user's click has no caller to hand it to.
    void chooseLanguage(const QString &name);
    // Derived destructors call this first, while the picker is still whole.
    void unlinkSelector();
    void removalNotice(Platform::Component *gone) override;

private:
    TParloxSelect *m_selector = nullptr;
};

// The order of a sorted picker's entries: case ignored, by the user's collation.
bool languageSortsBefore(const QString &a, const QString &b);

} // namespace Parlox
