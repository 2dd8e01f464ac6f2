#pragma once

#include <Parlox/format/valuechecks.h>

#include <QStringList>
#include <functional>

namespace ParloxEd {

// The sentences that tell a translator what a value's checks found, one per failed check in
// the interface language, each naming the first language the value was compared with.
QStringList warningTexts(Parlox::ValueChecks::Checks failed, const QString &firstLanguage,
                         const std::function<QString(const QString &identifier)> &text);

// The user-string identifier of one check's sentence, which ends where the name goes.
QString warningIdentifier(Parlox::ValueChecks::Check check);

} // namespace ParloxEd
