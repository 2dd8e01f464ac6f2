#pragma once

#include <QString>
#include <ostream>

// Failed expectations show Qt texts, and lists of them, as text rather than as 2-byte objects.
inline void PrintTo(const QString &text, std::ostream *out)
{
    *out << '"' << text.toStdString() << '"';
}
