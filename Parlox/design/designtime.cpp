#include <Parlox/design/designtime.h>

#include <Parlox/design/autoupdatelink.h>
#include <Parlox/design/collection.h>
#include <Parlox/design/storageswitch.h>
#include <Parlox/form.h>

namespace Parlox::Design {
namespace {
DesignHost *installedHost = nullptr;
}

void installDesignTime(DesignHost *host)
{
    installedHost = host;
    TParloxForm::setDesignHooks({
        .collectFormStrings = RefreshFormStrings,
        .attachAutoUpdate = [](TParloxForm &t) { return AutoUpdateLink::of(t).attach(); },
        .detachAutoUpdate =
            [](TParloxForm &t) {
                if (AutoUpdateLink *link = AutoUpdateLink::find(t))
                    link->detach();
            },
        .retryAutoUpdate = [](TParloxForm &t) { AutoUpdateLink::of(t).startRetry(); },
        .setTranslationsAre = SetTranslationsAre,
    });
}

void uninstallDesignTime()
{
    installedHost = nullptr;
    TParloxForm::setDesignHooks({});
}

DesignHost *designHost()
{
    return installedHost;
}

} // namespace Parlox::Design
