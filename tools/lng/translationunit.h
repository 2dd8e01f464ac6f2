#pragma once

#include <QString>
#include <QStringList>

namespace Parlox {

// One entry of a translations file as a translator's tool sees it: an identifier naming the
// table and the key, and the texts in the source and the target language with real line
// breaks in place of the file's substitutes.
struct TranslationUnit {
    // The unit's context (PO msgctxt, XLIFF x-gettext-msgctxt); empty when the file gives none,
    // as after a tool that drops contexts.
    QString id;
    QString key;
    QString source;
    // Empty when the unit is not translated.
    QString target;
    // Other names the unit goes by, for when the context is gone: PO references ("#:"), an
    // XLIFF unit's id and its location contexts; percent-encoding is resolved.
    QStringList references;
    // The target awaits review (PO "#, fuzzy", XLIFF states such as needs-review-translation):
    // it is not final.
    bool fuzzy = false;
    // Line of the translated file where the unit starts (1-based), for messages; 0 when the
    // unit was not read from a file.
    qint64 line = 0;
    // Why a reader could not take the unit whole (plural forms, inline markup); empty when it
    // could.
    QString problem;
};

} // namespace Parlox
