#pragma once

#include <QObject>
#include <QPointer>
#include <QString>
#include <QWidget>
#include <optional>
#include <utility>

namespace Parlox::Platform {

// The application service: the title (used by dialogs without a kind of their own), the main
// form and help requests. One per process.
class Application : public QObject {
    Q_OBJECT

public:
    static Application &instance();

    // The application's name (QCoreApplication::applicationName) until set.
    QString title() const;
    void setTitle(const QString &title);

    // The first form registered that is still alive; null before any.
    QWidget *mainForm() const { return m_mainForm; }
    void registerForm(QWidget *form);

    // Creates a form and registers it.
    template <class Form, class... Args> Form *createForm(Args &&...args)
    {
        auto *form = new Form(std::forward<Args>(args)...);
        registerForm(form);
        return form;
    }

    // Forgets the main form, so that the next form registered becomes it (program shutdown,
    // tests).
    void forgetMainForm() { m_mainForm = nullptr; }

    // Asks for the help topic of a context; whoever shows help listens to helpRequested.
    void requestHelp(int helpContext) { emit helpRequested(helpContext); }

signals:
    void helpRequested(int helpContext);

private:
    Application() = default;
    std::optional<QString> m_title;
    QPointer<QWidget> m_mainForm;
};

} // namespace Parlox::Platform
