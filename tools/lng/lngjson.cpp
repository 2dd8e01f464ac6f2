#include "lngjson.h"

#include "encodingoption.h"
#include "inputerror.h"
#include "lngread.h"
#include <Parlox/format/codepage.h>
#include <Parlox/format/errors.h>
#include <Parlox/format/lngfile.h>

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QSet>
#include <cmath>
#include <limits>

namespace Parlox::LngJson {
namespace {

// QJsonObject keeps its keys sorted, which would put "forms" before "languages" and a form's
// name in the middle of its entry. Objects are therefore laid out here in file order, while
// every value inside them is formatted by QJsonDocument, so escaping and number formatting are
// Qt's own.
class ObjectText {
public:
    explicit ObjectText(int depth) : m_depth(depth) {}

    void add(QByteArrayView key, const QByteArray &value)
    {
        m_members.append(indent(m_depth + 1) + '"' + key.toByteArray() + "\": " + value);
    }

    QByteArray text() const { return "{\n" + m_members.join(",\n") + '\n' + indent(m_depth) + '}'; }

    static QByteArray indent(int depth) { return QByteArray(depth * 4, ' '); }

private:
    int m_depth;
    QList<QByteArray> m_members;
};

QByteArray scalar(const QJsonValue &value)
{
    const QByteArray wrapped = QJsonDocument(QJsonArray{value}).toJson(QJsonDocument::Compact);
    return wrapped.mid(1, wrapped.size() - 2);
}

// An array formatted by QJsonDocument, shifted right to sit at the given depth. JSON strings
// escape their line breaks, so every raw newline in the text is layout.
QByteArray array(const QJsonArray &values, int depth)
{
    QByteArray text = QJsonDocument(values).toJson(QJsonDocument::Indented);
    text.chop(1);
    return text.replace("\n", "\n" + ObjectText::indent(depth));
}

QByteArray lines(const QStringList &table, int depth)
{
    return array(QJsonArray::fromStringList(table), depth);
}

QByteArray table(const Lng::Image &image, qint32 offset, int depth)
{
    // The readers take an offset of 0 or below as "no section".
    return offset > 0 ? lines(image.section(offset), depth) : QByteArray("null");
}

QByteArray formEntry(const Lng::Image &image, const Lng::FormEntry &entry, int depth)
{
    ObjectText form(depth);
    form.add("name", scalar(entry.name));
    form.add("formStringsOffset", scalar(entry.formOffset));
    form.add("userStringsOffset", scalar(entry.userOffset));
    form.add("formStrings", table(image, entry.formOffset, depth + 1));
    form.add("userStrings", table(image, entry.userOffset, depth + 1));
    return form.text();
}

// Walks the parsed JSON, remembering where each value stands so that an error can say so.
class DocumentReader {
public:
    Lng::Document read(const QJsonObject &root)
    {
        requireKeys(root, {"directoryOffset", "languages", "defaultIndex", "messages", "forms"},
                    QString());
        Lng::Document doc;
        doc.languages =
            strings(root.value(QLatin1String("languages")), QStringLiteral("languages"));
        doc.defaultIndex =
            integer(root.value(QLatin1String("defaultIndex")), QStringLiteral("defaultIndex"));
        doc.messages = strings(root.value(QLatin1String("messages")), QStringLiteral("messages"));
        const QJsonValue forms = root.value(QLatin1String("forms"));
        if (!forms.isArray() && !forms.isNull() && !forms.isUndefined())
            fail(QStringLiteral("forms"), QStringLiteral("is not an array"));
        const QJsonArray list = forms.toArray();
        doc.forms.reserve(list.size());
        for (qsizetype i = 0; i < list.size(); ++i)
            doc.forms.append(form(list[i], QStringLiteral("forms[%1]").arg(i)));
        return doc;
    }

private:
    [[noreturn]] static void fail(const QString &where, const QString &what)
    {
        throw InputError(QStringLiteral("%1 %2.").arg(where, what));
    }

    static void requireKeys(const QJsonObject &object, const QSet<QString> &known,
                            const QString &where)
    {
        // An unknown key is most likely a misspelt one; dropping its table silently would
        // lose translations.
        for (auto it = object.begin(); it != object.end(); ++it)
            if (!known.contains(it.key()))
                fail(where.isEmpty() ? QStringLiteral("The document") : where,
                     QStringLiteral("has the unknown key \"%1\"").arg(it.key()));
    }

    static QString text(const QJsonValue &value, const QString &where)
    {
        if (!value.isString())
            fail(where, QStringLiteral("is not a string"));
        QString result = value.toString();
        // Checked here too, where the place in the JSON can be named.
        const TextCodec codec(EncodingOption::forNewFile());
        if (!codec.canEncode(result)) {
            try {
                codec.encode(result);
            } catch (const EncodingError &e) {
                throw EncodingError(QStringLiteral("%1: %2").arg(where, e.message()));
            }
        }
        return result;
    }

    static qint32 integer(const QJsonValue &value, const QString &where)
    {
        const double number = value.toDouble(std::nan(""));
        if (!value.isDouble() || std::trunc(number) != number ||
            number < std::numeric_limits<qint32>::min() ||
            number > std::numeric_limits<qint32>::max())
            fail(where, QStringLiteral("is not a 32-bit integer"));
        return qint32(number);
    }

    // A table or list of names; null or missing is empty.
    static QStringList strings(const QJsonValue &value, const QString &where)
    {
        if (value.isNull() || value.isUndefined())
            return {};
        if (!value.isArray())
            fail(where, QStringLiteral("is neither an array of strings nor null"));
        const QJsonArray array = value.toArray();
        QStringList result;
        result.reserve(array.size());
        for (qsizetype i = 0; i < array.size(); ++i)
            result.append(text(array[i], QStringLiteral("%1[%2]").arg(where).arg(i)));
        return result;
    }

    static Lng::Form form(const QJsonValue &value, const QString &where)
    {
        if (!value.isObject())
            fail(where, QStringLiteral("is not an object"));
        const QJsonObject object = value.toObject();
        requireKeys(
            object,
            {"name", "formStringsOffset", "userStringsOffset", "formStrings", "userStrings"},
            where);
        return {text(object.value(QLatin1String("name")), where + QStringLiteral(".name")),
                strings(object.value(QLatin1String("formStrings")),
                        where + QStringLiteral(".formStrings")),
                strings(object.value(QLatin1String("userStrings")),
                        where + QStringLiteral(".userStrings"))};
    }
};

} // namespace

QByteArray dump(QByteArrayView file)
{
    const Lng::Image image(file, EncodingOption::of(file));
    LngRead::requireTranslationsFile(image);
    const bool valid = image.header() == Lng::HeaderState::Valid;
    const Lng::Directory dir = image.directory();
    LngRead::requireDisjointSections(image, dir.forms);
    ObjectText root(0);
    root.add("directoryOffset", scalar(image.directoryOffset()));
    root.add("languages", lines(dir.languages, 1));
    root.add("defaultIndex", scalar(valid ? dir.defaultIndex : -1));
    root.add("messages", lines(dir.messages, 1));
    QList<QByteArray> forms;
    forms.reserve(dir.forms.size());
    for (const Lng::FormEntry &entry : dir.forms)
        forms.append(ObjectText::indent(2) + formEntry(image, entry, 2));
    root.add("forms",
             forms.isEmpty() ? QByteArray("[\n    ]") : "[\n" + forms.join(",\n") + "\n    ]");
    return root.text() + '\n';
}

Lng::Document parse(QByteArrayView json)
{
    QJsonParseError error;
    const QJsonDocument doc = QJsonDocument::fromJson(json.toByteArray(), &error);
    if (error.error != QJsonParseError::NoError)
        throw InputError(QStringLiteral("Not valid JSON at byte %1: %2.")
                             .arg(error.offset)
                             .arg(error.errorString()));
    if (!doc.isObject())
        throw InputError(QStringLiteral("The JSON is not an object."));
    return DocumentReader().read(doc.object());
}

} // namespace Parlox::LngJson
