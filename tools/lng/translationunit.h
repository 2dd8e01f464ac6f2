#pragma once

#include <QString>

namespace Parlox {

// One entry of a translations file as a translator's tool sees it: an identifier naming the
// table and the key, and the texts in the source and the target language with real line
// breaks in place of the file's substitutes.
struct TranslationUnit {
    QString id;
    QString key;
    QString source;
    // Empty when the unit is not translated.
    QString target;
    // Line of the translated file where the unit starts (1-based), for messages; 0 when the
    // unit was not read from a file.
    qint64 line = 0;
    // Why a reader could not take the unit whole (plural forms, inline markup); empty when it
    // could.
    QString problem;
};

} // namespace Parlox
