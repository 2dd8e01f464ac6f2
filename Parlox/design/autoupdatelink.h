#pragma once

#include <QObject>
#include <QPointer>
#include <memory>

class QTimer;

namespace Parlox {
class TParloxForm;
}

namespace Parlox::Design {

class ModuleInterface;
class TParloxModuleNotifier;

// A translator's attachment to the form designer (AutoUpdate): the module of its form, the
// notifier added to it, and the timer that retries every second while the designer cannot
// give the module yet. A child of the translator, so it goes with it.
class AutoUpdateLink : public QObject {
    Q_OBJECT

public:
    static AutoUpdateLink &of(TParloxForm &translator);
    static AutoUpdateLink *find(const TParloxForm &translator);
    ~AutoUpdateLink() override;

    // Adds a notifier to the module of the translator's form; when the designer has no
    // services or no such module, starts the retry timer instead. Returns whether attached.
    bool attach();
    void detach();
    // Starts the timer unless it runs already; a running timer keeps its rhythm.
    void startRetry();

    // Null until the first retry.
    const QTimer *retryTimer() const { return m_timer; }

private:
    explicit AutoUpdateLink(TParloxForm &translator);
    void retry();

    TParloxForm &m_translator;
    QPointer<ModuleInterface> m_module;
    std::unique_ptr<TParloxModuleNotifier> m_notifier;
    QTimer *m_timer = nullptr;
};

} // namespace Parlox::Design
