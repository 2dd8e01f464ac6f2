#include <Parlox/design/autoupdatelink.h>

#include <Parlox/design/designhost.h>
#include <Parlox/design/designtime.h>
#include <Parlox/design/moduleinterface.h>
#include <Parlox/design/parloxmodulenotifier.h>
#include <Parlox/form.h>

#include <QTimer>

namespace Parlox::Design {

AutoUpdateLink::AutoUpdateLink(TParloxForm &translator)
    : QObject(&translator), m_translator(translator)
{
}

AutoUpdateLink::~AutoUpdateLink()
{
    detach();
}

AutoUpdateLink &AutoUpdateLink::of(TParloxForm &translator)
{
    AutoUpdateLink *link = find(translator);
    return link ? *link : *new AutoUpdateLink(translator);
}

AutoUpdateLink *AutoUpdateLink::find(const TParloxForm &translator)
{
    return translator.findChild<AutoUpdateLink *>(QString(), Qt::FindDirectChildrenOnly);
}

bool AutoUpdateLink::attach()
{
    DesignHost *host = designHost();
    const QWidget *form = m_translator.owningForm();
    ModuleInterface *module = host && form ? host->findModule(form->objectName()) : nullptr;
    if (!module) {
        startRetry();
        return false;
    }
    m_module = module;
    m_notifier = std::make_unique<TParloxModuleNotifier>(m_translator);
    module->addNotifier(m_notifier.get());
    return true;
}

void AutoUpdateLink::detach()
{
    if (m_module && m_notifier)
        m_module->removeNotifier(m_notifier.get());
    m_notifier.reset();
    m_module = nullptr;
}

void AutoUpdateLink::startRetry()
{
    if (!m_timer) {
        m_timer = new QTimer(this);
        connect(m_timer, &QTimer::timeout, this, &AutoUpdateLink::retry);
    }
    if (m_timer->isActive())
        return;
    m_timer->setInterval(1000);
    m_timer->start();
}

void AutoUpdateLink::retry()
{
    m_timer->stop();
    m_translator.setAutoUpdate(true);
}

} // namespace Parlox::Design
