#include "acceptedwarnings.h"

#include "warningtexts.h"

#include <Parlox/platform/registrykey.h>

#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QUrl>

namespace ParloxEd {
namespace {

using Parlox::ValueChecks::Check;

// The path, escaped so that its separators do not make groups of the settings file.
QString valueName(const QString &path)
{
    return QString::fromLatin1(QUrl::toPercentEncoding(QFileInfo(path).absoluteFilePath()));
}

// Each warning as [table, key, language, check, value], the check by its sentence's identifier
// so that the stored form does not hang on the order of the checks.
QJsonArray toJson(const WarningSubject &subject)
{
    return {subject.table, subject.key, subject.language, warningIdentifier(subject.check),
            subject.value};
}

std::optional<WarningSubject> fromJson(const QJsonValue &value)
{
    const QJsonArray fields = value.toArray();
    if (fields.size() != 5)
        return std::nullopt;
    for (const Check check : Parlox::ValueChecks::AllChecks) {
        if (warningIdentifier(check) == fields.at(3).toString())
            return WarningSubject{fields.at(0).toString(), fields.at(1).toString(),
                                  fields.at(2).toString(), fields.at(4).toString(), check};
    }
    return std::nullopt;
}

} // namespace

AcceptedWarnings::AcceptedWarnings(const QString &editorKeyPath)
    : m_keyPath(editorKeyPath + QStringLiteral("\\AcceptedWarnings"))
{
}

void AcceptedWarnings::load(const QString &filePath)
{
    m_accepted.clear();
    m_valueName = filePath.isEmpty() ? QString() : valueName(filePath);
    Parlox::Platform::RegistryKey key;
    if (m_valueName.isEmpty() || !key.open(m_keyPath, false))
        return;
    try {
        // Anything but a list of warnings, edited in by hand, accepts nothing.
        const QJsonArray stored =
            QJsonDocument::fromJson(key.readString(m_valueName).toUtf8()).array();
        for (const QJsonValue &value : stored) {
            if (const std::optional<WarningSubject> subject = fromJson(value))
                m_accepted.insert(*subject);
        }
    } catch (const Parlox::Platform::RegistryError &) {
        // A value of another type remembers nothing.
    }
}

void AcceptedWarnings::accept(const WarningSubject &subject)
{
    if (m_valueName.isEmpty() || m_accepted.contains(subject))
        return;
    m_accepted.insert(subject);
    QJsonArray stored;
    for (const WarningSubject &accepted : std::as_const(m_accepted))
        stored.append(toJson(accepted));
    try {
        Parlox::Platform::RegistryKey key;
        if (key.open(m_keyPath, true))
            key.writeString(m_valueName, QString::fromUtf8(
                                             QJsonDocument(stored).toJson(QJsonDocument::Compact)));
    } catch (const Parlox::Platform::RegistryError &) {
        // Accepted for as long as the file stays open; only the memory stays as it was.
    }
}

} // namespace ParloxEd
