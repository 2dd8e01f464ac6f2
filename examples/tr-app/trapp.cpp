#include "trapp.h"

#include <Parlox/select.h>

namespace TrApp {

void setUpSelector(Parlox::TParloxSelect &selector)
{
    selector.beginLoading();
    selector.setTranslationsAre(Parlox::InFlatFile);
    selector.setTranslationsFile(QStringLiteral("tr-app.lng"));
    selector.setRememberLanguage(Parlox::rlRegistryKey);
    selector.setRememberRegistryKey(QStringLiteral("\\Software\\Parlox\\TrApp"));
    selector.loaded();
}

} // namespace TrApp
