#pragma once

#include "tempdir.h"
#include <Parlox/languagepicker.h>
#include <Parlox/platform/filesystem.h>
#include <Parlox/platform/modalseam.h>
#include <Parlox/select.h>

#include <QDialog>
#include <QLabel>
#include <QMessageBox>
#include <functional>

// A picker that only counts refreshes, and may act inside one.
class RecordingPicker : public Parlox::LanguagePicker {
public:
    ~RecordingPicker() override { unlinkSelector(); }
    void RefreshLanguages() override
    {
        ++refreshes;
        if (onRefresh)
            onRefresh();
    }
    using LanguagePicker::chooseLanguage;

    int refreshes = 0;
    std::function<void()> onRefresh;
};

// Runs in a temporary folder standing for the executable's, and records the texts of every
// modal dialog shown, answering each by closing it.
class SelectorTest : public TempDirTest {
protected:
    static QString dialogText(const QDialog &dialog)
    {
        if (const auto *label = dialog.findChild<QLabel *>(QStringLiteral("Message")))
            return label->text();
        if (const auto *box = qobject_cast<const QMessageBox *>(&dialog))
            return box->text();
        return dialog.windowTitle();
    }

    // Reads the selector the way stored form data does: properties while loading, then the
    // end-of-loading step.
    static void load(Parlox::TParloxSelect &selector, const std::function<void()> &assign)
    {
        selector.beginLoading();
        assign();
        selector.loaded();
    }
    static void load(Parlox::TParloxSelect &selector, const QStringList &languages,
                     const QString &active, Parlox::TRememberLanguage remember = Parlox::rlNo,
                     const QString &registryKey = {})
    {
        load(selector, [&] {
            selector.setLanguages(languages);
            selector.setActiveLanguage(active);
            selector.setRememberLanguage(remember);
            selector.setRememberRegistryKey(registryKey);
        });
    }

    Parlox::Platform::ExecutableFolderGuard m_exe{m_dir.path()};
    QStringList m_shown;
    Parlox::Platform::ModalHandlerGuard m_dialogs{[this](QDialog &dialog) {
        m_shown.append(dialogText(dialog));
        dialog.done(QDialog::Rejected);
    }};
};
