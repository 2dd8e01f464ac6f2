#include "design/designtime.h"

#include "design/autoupdatelink.h"
#include "design/collection.h"
#include "design/storageswitch.h"
#include "form.h"

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
