#include <Parlox/platform/registrykey.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QSettings>

namespace Parlox::Platform {
namespace {

QString configFolder()
{
    const QString xdg = qEnvironmentVariable("XDG_CONFIG_HOME");
    if (!xdg.isEmpty() && QDir::isAbsolutePath(xdg))
        return xdg;
    return QDir::homePath() + QStringLiteral("/.config");
}

bool createKeyFile(const QString &file)
{
    if (!QDir().mkpath(QFileInfo(file).path()))
        return false;
    QFile f(file);
    return f.open(QIODevice::WriteOnly | QIODevice::Append);
}

} // namespace

RegistryKey::RegistryKey() = default;
RegistryKey::~RegistryKey() = default;

QString RegistryKey::fileFor(const QString &keyPath)
{
    static const QRegularExpression separators(QStringLiteral("[\\\\/]"));
    const QStringList parts = keyPath.split(separators, Qt::SkipEmptyParts);
    if (parts.isEmpty())
        return {};
    for (const QString &part : parts) {
        if (part == QLatin1String(".") || part == QLatin1String(".."))
            return {};
    }
    return configFolder() + QLatin1Char('/') + parts.join(QLatin1Char('/')) +
           QStringLiteral(".ini");
}

bool RegistryKey::open(const QString &keyPath, bool canCreate)
{
    close();
    const QString file = fileFor(keyPath);
    if (file.isEmpty())
        return false;
    if (!QFileInfo(file).isFile() && !(canCreate && createKeyFile(file)))
        return false;
    m_settings = std::make_unique<QSettings>(file, QSettings::IniFormat);
    return true;
}

void RegistryKey::close()
{
    m_settings.reset();
}

QString RegistryKey::readString(const QString &valueName) const
{
    if (!m_settings)
        return {};
    const QVariant value = m_settings->value(valueName);
    if (!value.isValid())
        return {};
    if (value.typeId() != QMetaType::QString)
        throw RegistryError(QStringLiteral("Invalid data type for '%1'").arg(valueName));
    return value.toString();
}

void RegistryKey::writeString(const QString &valueName, const QString &value)
{
    const auto failed = [&] {
        return RegistryError(QStringLiteral("Failed to set data for '%1'").arg(valueName));
    };
    if (!m_settings)
        throw failed();
    const QVariant before = m_settings->value(valueName);
    m_settings->setValue(valueName, value);
    m_settings->sync();
    if (m_settings->status() == QSettings::NoError)
        return;
    // QSettings keeps unwritten values in a cache shared by the whole process; put the old one
    // back so no later read reports the failed write as done.
    if (before.isValid())
        m_settings->setValue(valueName, before);
    else
        m_settings->remove(valueName);
    throw failed();
}

} // namespace Parlox::Platform
