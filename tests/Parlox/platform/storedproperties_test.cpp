// Stored property values and their JSON form, one property type at a time: what the writer
// produces must read back to the same value, and what cannot be read is refused with a reason.
#include <Parlox/format/errors.h>
#include <Parlox/platform/storedproperties.h>

#include <QJsonArray>
#include <QObject>
#include <gtest/gtest.h>

using namespace Parlox::Platform;

namespace {

class Sample : public QObject {
    Q_OBJECT

public:
    enum Colour { Red = 0, Green = 1, Blue = -2 };
    Q_ENUM(Colour)
    enum class Tiny : qint8 { Low = -100, High = 100 };
    Q_ENUM(Tiny)
    enum Option { NoOption = 0, Bold = 1, Italic = 2 };
    Q_DECLARE_FLAGS(Options, Option)
    Q_FLAG(Options)

    Options style() const { return m_style; }
    void setStyle(Options style) { m_style = style; }

private:
    Q_PROPERTY(QString Text MEMBER m_text)
    Q_PROPERTY(QStringList Lines MEMBER m_lines)
    Q_PROPERTY(bool Flag MEMBER m_flag)
    Q_PROPERTY(int Number MEMBER m_number)
    Q_PROPERTY(uint Count MEMBER m_count)
    Q_PROPERTY(qulonglong Big MEMBER m_big)
    Q_PROPERTY(double Ratio MEMBER m_ratio)
    Q_PROPERTY(Colour Paint MEMBER m_colour)
    Q_PROPERTY(Tiny Small MEMBER m_tiny)
    Q_PROPERTY(Options Style READ style WRITE setStyle)
    Q_PROPERTY(Sample *Peer MEMBER m_peer)

    QString m_text;
    QStringList m_lines;
    bool m_flag = false;
    int m_number = 0;
    uint m_count = 0;
    qulonglong m_big = 0;
    double m_ratio = 0;
    Colour m_colour = Red;
    Tiny m_tiny = Tiny::Low;
    Options m_style;
    Sample *m_peer = nullptr;
};

QMetaProperty property(const char *name)
{
    const QMetaObject &meta = Sample::staticMetaObject;
    return meta.property(meta.indexOfProperty(name));
}

// Names known on the form: "Peer" is a Sample, "Label" is a plain QObject.
struct Form {
    Sample peer;
    QObject label;

    StoredProperties::Target resolve(const QString &name)
    {
        if (name == u"Peer")
            return {&peer, &Sample::staticMetaObject};
        if (name == u"Label")
            return {&label, &QObject::staticMetaObject};
        return {};
    }
    std::optional<QString> nameOf(const QObject *object) const
    {
        return object == &peer ? std::optional(QStringLiteral("Peer")) : std::nullopt;
    }
};

QVariant read(Form &form, const char *name, const QJsonValue &json)
{
    return StoredProperties::fromJson(property(name), json,
                                      [&](const QString &n) { return form.resolve(n); });
}

QJsonValue write(const Form &form, const char *name, const QVariant &value)
{
    return StoredProperties::toJson(property(name), value,
                                    [&](const QObject *o) { return form.nameOf(o); });
}

} // namespace

// Enumerations and references are stored by name, so a reordered enum keeps its stored values.
TEST(StoredPropertiesTest, EveryTypeReadsBackWhatWasWritten)
{
    Form form;
    const QJsonValue any(QJsonValue::Undefined);
    const std::tuple<const char *, QVariant, QJsonValue> values[] = {
        {"Text", QStringLiteral("Ñandú\n\"q\""), any},
        {"Lines", QStringList{QStringLiteral("a"), QString(), QStringLiteral("[x]")}, any},
        {"Flag", true, any},
        {"Number", -2147483647 - 1, any},
        {"Count", 4294967295u, any},
        {"Big", qulonglong(1) << 52, any},
        {"Ratio", 0.1, any},
        {"Paint", QVariant::fromValue(Sample::Blue), "Blue"},
        {"Small", QVariant::fromValue(Sample::Tiny::Low), "Low"},
        {"Style", QVariant::fromValue(Sample::Options(Sample::Bold | Sample::Italic)),
         "Bold|Italic"},
        {"Peer", QVariant::fromValue(&form.peer), "Peer"},
        {"Peer", QVariant::fromValue(static_cast<Sample *>(nullptr)), any},
    };
    for (const auto &[name, value, stored] : values) {
        SCOPED_TRACE(name);
        const QJsonValue json = write(form, name, value);
        EXPECT_EQ(read(form, name, json), value) << json.toVariant().toString().toStdString();
        if (!stored.isUndefined()) {
            EXPECT_EQ(json, stored);
        }
    }
}

TEST(StoredPropertiesTest, EnumerationsAlsoReadFromTheirNumber)
{
    Form form;
    EXPECT_EQ(read(form, "Paint", 1), QVariant::fromValue(Sample::Green));
    EXPECT_EQ(read(form, "Small", 100), QVariant::fromValue(Sample::Tiny::High));
    EXPECT_EQ(read(form, "Style", ""), QVariant::fromValue(Sample::Options()));
}

TEST(StoredPropertiesTest, ValuesOfTheWrongShapeAreRefusedWithTheReason)
{
    Form form;
    const std::tuple<const char *, QJsonValue, const char *> cases[] = {
        {"Text", 3, "expected a text"},
        {"Lines", QJsonArray{"a", 1}, "expected an array of texts"},
        {"Lines", "a", "expected an array of texts"},
        {"Flag", "true", "expected true or false"},
        {"Number", 1.5, "expected a whole number"},
        {"Count", "7", "expected a whole number"},
        {"Ratio", QJsonValue::Null, "expected a number"},
        {"Paint", "Purple", "'Purple' is not a Colour value"},
        {"Paint", true, "expected the name of a Colour value"},
        {"Style", "Bold|Wide", "'Bold|Wide' is not a Options value"},
        {"Peer", "Nobody", "unknown component 'Nobody'"},
        {"Peer", "Label", "component 'Label' is not a Sample"},
        {"Peer", 4, "expected a component name or null"},
    };
    for (const auto &[name, json, reason] : cases) {
        SCOPED_TRACE(name);
        try {
            read(form, name, json);
            ADD_FAILURE() << "accepted";
        } catch (const Parlox::Error &e) {
            EXPECT_EQ(e.message(), QString::fromUtf8(reason));
        }
    }
    Sample stranger;
    EXPECT_THROW(write(form, "Peer", QVariant::fromValue(&stranger)), Parlox::Error)
        << "a reference to a component the form does not name cannot be stored";
}

#include "storedproperties_test.moc"
