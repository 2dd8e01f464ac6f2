#pragma once

#include <QString>
#include <QStringList>
#include <stdexcept>

namespace Parlox {

// Root of every error the component set, the editor and the tools raise. The message is the
// user-facing text; what() carries the same text in UTF-8 for logs and uncaught reports.
class Error : public std::runtime_error {
public:
    explicit Error(const QString &message)
        : std::runtime_error(message.toStdString()), m_message(message)
    {
    }
    const QString &message() const noexcept { return m_message; }

private:
    QString m_message;
};

// A file that cannot be opened, created, locked, read or written.
class FileError : public Error {
public:
    using Error::Error;
};

// A text that the single-byte code page of translations files cannot hold.
class EncodingError : public Error {
public:
    using Error::Error;
};

// A translations file that would outgrow what its 32-bit offsets can address.
class SizeError : public Error {
public:
    using Error::Error;
};

// A translations file too damaged to write into: writing would make it worse. The message
// names the first damage found; lines() is the whole report.
class DamageError : public Error {
public:
    DamageError(const QString &message, const QStringList &lines) : Error(message), m_lines(lines)
    {
    }
    const QStringList &lines() const noexcept { return m_lines; }

private:
    QStringList m_lines;
};

// A component used where it cannot work (a second translator on a form, a translator outside
// any form), or stored form data that names something unknown.
class ComponentError : public Error {
public:
    using Error::Error;
};

} // namespace Parlox
