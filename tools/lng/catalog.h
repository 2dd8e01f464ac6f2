#pragma once

#include "translationunit.h"

#include <QDateTime>
#include <QList>

namespace Parlox {

// What an export writes: the units of one target language against the source language, and
// what a translator's tool shows about the file.
struct Catalog {
    // The translations file the units come from, without its folder.
    QString fileName;
    // The target language's name as the file lists it, and the two language tags ("und" when
    // unknown).
    QString targetLanguage;
    QString sourceCode;
    QString targetCode;
    QDateTime revised;
    QList<TranslationUnit> units;
};

} // namespace Parlox
