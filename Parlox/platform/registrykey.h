#pragma once

#include <Parlox/format/errors.h>

#include <QString>
#include <memory>

class QSettings;

namespace Parlox::Platform {

// A failure of the registry layer; the message names the value.
class RegistryError : public Error {
public:
    using Error::Error;
};

// A key of the current user's registry hive. Each key path is one INI file under the user's
// configuration folder ($XDG_CONFIG_HOME, else ~/.config): "\Software\Velmont\ParloxEd" is
// Software/Velmont/ParloxEd.ini there. "\" and "/" both separate the path's parts, a leading
// separator is optional, and a path with no parts or with a "." or ".." part names no key.
// The key is closed when the object goes away.
class RegistryKey {
public:
    RegistryKey();
    ~RegistryKey();
    RegistryKey(const RegistryKey &) = delete;
    RegistryKey &operator=(const RegistryKey &) = delete;

    // Opens the key; a missing key is created (with its file) only when canCreate is set.
    // Returns whether the key is open. Any key open before is closed first.
    bool open(const QString &keyPath, bool canCreate);
    bool isOpen() const { return m_settings != nullptr; }
    void close();

    // The string value, or the empty text when the value (or an open key) is missing. A value
    // of another type (an INI list, @ByteArray, @Variant ...) throws "Invalid data type for
    // '<name>'".
    QString readString(const QString &valueName) const;

    // Writes and flushes the value. A closed key or a failed write throws "Failed to set data
    // for '<name>'"; the value read back afterwards is the one before the failed write.
    void writeString(const QString &valueName, const QString &value);

    // The INI file of a key path, or an empty text when the path names no key.
    static QString fileFor(const QString &keyPath);

private:
    std::unique_ptr<QSettings> m_settings;
};

} // namespace Parlox::Platform
