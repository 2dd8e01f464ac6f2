#pragma once

#include "golden.h"

#include "lngexport.h"
#include <Parlox/format/lngfile.h>

// The sample translations file and its exports, as the translation tests share them.
inline QByteArray sampleBytes()
{
    return readSource(QStringLiteral("examples/sample.lng"));
}

inline Parlox::Lng::Document sampleDocument()
{
    return Parlox::Lng::readDocument(Parlox::Lng::Image(sampleBytes()));
}

inline Parlox::LngExport::Result exportOf(const Parlox::Lng::Document &document,
                                          Parlox::LngExport::Format format,
                                          const QString &language = QStringLiteral("Español"))
{
    return Parlox::LngExport::exportDocument(document,
                                             {format, language, QStringLiteral("sample.lng"),
                                              QDateTime(QDate(2024, 1, 2), QTime(3, 4), Qt::UTC)});
}
