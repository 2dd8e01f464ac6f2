#include <Parlox/platform/application.h>

#include <QCoreApplication>

namespace Parlox::Platform {

Application &Application::instance()
{
    static Application application;
    return application;
}

QString Application::title() const
{
    return m_title.value_or(QCoreApplication::applicationName());
}

void Application::setTitle(const QString &title)
{
    m_title = title;
}

void Application::registerForm(QWidget *form)
{
    if (!m_mainForm)
        m_mainForm = form;
}

} // namespace Parlox::Platform
