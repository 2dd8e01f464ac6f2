// Stored form data: write a form of real widgets, read it into a fresh form, and refuse what
// cannot be read before touching the form.
#include "namedwidget.h"
#include <Parlox/platform/component.h>
#include <Parlox/platform/componentregistry.h>
#include <Parlox/platform/formcomponents.h>
#include <Parlox/platform/formdata.h>

#include <QtWidgets>
#include <gtest/gtest.h>

using namespace Parlox::Platform;

namespace {

QStringList eventLog;

class Sample : public QObject, public Component {
    Q_OBJECT
    Q_CLASSINFO("parlox.default.AutoRead", "true")
    Q_PROPERTY(QStringList Languages MEMBER m_languages)
    Q_PROPERTY(Mode Kind READ kind WRITE setKind)
    Q_PROPERTY(Sample *Link READ link WRITE setLink)
    Q_PROPERTY(QString Text READ text WRITE setText)
    Q_PROPERTY(int Count MEMBER m_count)
    Q_PROPERTY(bool AutoRead MEMBER m_autoRead)

public:
    enum Mode { mdFirst, mdSecond };
    Q_ENUM(Mode)

    explicit Sample(QObject *owner = nullptr) : QObject(owner) {}

    Mode kind() const { return m_kind; }
    void setKind(Mode kind) { m_kind = kind; }
    Sample *link() const { return m_link; }
    void setLink(Sample *link)
    {
        m_link = link;
        log(QStringLiteral("Link"));
    }
    QString text() const { return m_text; }
    void setText(const QString &text)
    {
        m_text = text;
        log(QStringLiteral("Text"));
    }
    void loaded() override
    {
        Component::loaded();
        eventLog.append(objectName() + QStringLiteral(".loaded"));
    }

    QStringList m_languages;
    Mode m_kind = mdFirst;
    Sample *m_link = nullptr;
    QString m_text;
    int m_count = 0;
    bool m_autoRead = true;

private:
    void log(const QString &what)
    {
        eventLog.append(objectName() + QLatin1Char('.') + what +
                        (isLoading() ? QStringLiteral(" loading") : QString()));
    }
};

// A form of the states the demo's forms leave at their defaults, and components that refer
// to one another.
void buildForm(QWidget &form)
{
    form.setObjectName(QStringLiteral("Form1"));
    auto *file = add<QMenu>(add<QMenuBar>(&form, "MenuBar1"), "MenuFile");
    qobject_cast<QMenuBar *>(file->parent())->addMenu(file);
    auto *open = file->addAction(QStringLiteral("&Open"));
    open->setObjectName(QStringLiteral("OpenFile"));
    open->setCheckable(true);
    open->setChecked(true);
    add<QPushButton>(&form, "Button1")->setEnabled(false);
    add<QLabel>(&form, "Label1")->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    add<QCheckBox>(add<QGroupBox>(&form, "Group1"), "Check1")->setChecked(true);
    auto *list = add<QListWidget>(&form, "List1");
    list->addItems({"a", "b", "c"});
    list->setCurrentRow(2);

    // Second refers to First, which is read after it.
    auto *second = new Sample(&form);
    second->setObjectName(QStringLiteral("Second"));
    auto *first = new Sample(&form);
    first->setObjectName(QStringLiteral("First"));
    second->m_link = first;
    first->m_languages = {"English", "Español"};
    first->m_kind = Sample::mdSecond;
    first->m_text = QStringLiteral("Ünïcode");
    first->m_count = 3;
    first->m_autoRead = false;
}

class FormDataTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ComponentRegistry::instance().add<Sample>();
        eventLog.clear();
    }
};

} // namespace

TEST_F(FormDataTest, RoundTripRebuildsStatesAndProperties)
{
    QWidget original;
    buildForm(original);
    const QByteArray json = writeFormData(&original);
    QWidget copy;
    copy.setObjectName(QStringLiteral("Form1"));
    readFormData(&copy, json);

    const auto *check = copy.findChild<QCheckBox *>(QStringLiteral("Check1"));
    const auto *list = copy.findChild<QListWidget *>();
    QAction *open = copy.findChild<QAction *>(QStringLiteral("OpenFile"));
    ASSERT_TRUE(check && list && open);
    EXPECT_FALSE(copy.findChild<QPushButton *>()->isEnabled());
    EXPECT_TRUE(check->isChecked() && open->isChecked());
    EXPECT_EQ(check->parent()->objectName(), QStringLiteral("Group1"));
    EXPECT_EQ(list->currentRow(), 2);
    EXPECT_EQ(copy.findChild<QLabel *>()->alignment(), Qt::AlignRight | Qt::AlignVCenter);
    // What Qt derives stays derived: the tool tip follows a later (translated) caption.
    open->setText(QStringLiteral("&Abrir"));
    EXPECT_EQ(open->toolTip(), QStringLiteral("Abrir"));

    const auto *first = copy.findChild<Sample *>(QStringLiteral("First"));
    const auto *second = copy.findChild<Sample *>(QStringLiteral("Second"));
    ASSERT_TRUE(first && second);
    EXPECT_EQ(second->m_link, first);
    EXPECT_EQ(first->m_languages, QStringList({"English", "Español"}));
    EXPECT_EQ(first->m_text, QStringLiteral("Ünïcode"));
    EXPECT_TRUE(first->m_kind == Sample::mdSecond && first->m_count == 3 && !first->m_autoRead);
    EXPECT_TRUE(second->m_autoRead);

    // Enumerations by name; a property at its declared default is left out.
    for (const QJsonValue &c : QJsonDocument::fromJson(json).object()["components"].toArray()) {
        const QJsonObject props = c["properties"].toObject();
        if (c["name"] == QStringLiteral("First")) {
            EXPECT_EQ(props["Kind"], QStringLiteral("mdSecond"));
        } else if (c["name"] == QStringLiteral("Second")) {
            EXPECT_FALSE(props.contains(QStringLiteral("AutoRead")));
        }
    }

    // Reading again into the same form reuses its components.
    readFormData(&copy, json);
    EXPECT_EQ(componentList(&copy).size(), componentList(&original).size());
}

TEST_F(FormDataTest, PropertiesAreAssignedWhileLoadingThenEachLoadedInReadOrder)
{
    const QJsonObject second{{"class", "Sample"},
                             {"name", "Second"},
                             {"properties", QJsonObject{{"Link", "First"}, {"Text", "b"}}}};
    const QJsonObject first{
        {"class", "Sample"}, {"name", "First"}, {"properties", QJsonObject{{"Text", "a"}}}};
    QWidget form;
    readFormData(&form,
                 QJsonObject{{"class", "QWidget"}, {"components", QJsonArray{second, first}}});
    // Published order (Link before Text), read order, and every step after every assignment.
    EXPECT_EQ(eventLog, QStringList({"Second.Link loading", "Second.Text loading",
                                     "First.Text loading", "Second.loaded", "First.loaded"}));
    EXPECT_FALSE(form.findChild<Sample *>(QStringLiteral("First"))->isLoading());
}

// Reading fails with a message that names the item, and leaves the form as it was.
TEST_F(FormDataTest, UnreadableDataIsRefusedNamingTheItem)
{
    const auto sample = [](const QJsonObject &properties) {
        return QJsonObject{{"class", "Sample"}, {"name", "S1"}, {"properties", properties}};
    };
    const std::pair<QJsonArray, QString> cases[] = {
        {{QJsonObject{{"class", "TNoSuchClass"}, {"name", "S1"}}}, "TNoSuchClass"},
        {{sample({{"NoSuchProperty", 1}})}, "NoSuchProperty"},
        {{sample({{"Link", "Nobody"}})}, "Nobody"},
        {{sample({{"Link", "Existing"}})}, "is not a Sample"},
        {{sample({{"Kind", "mdThird"}})}, "mdThird"},
        {{sample({{"Count", "three"}})}, "Count"},
        {{sample({{"Languages", QJsonArray{1, 2}}})}, "Languages"},
        {{QJsonObject{{"class", "QLabel"}, {"name", "Existing"}}}, "Existing"},
        {{QJsonObject{{"class", "QPushButton"}, {"name", "B"}, {"parent", "Ghost"}}}, "Ghost"},
        // A valid component before the bad one is not created either.
        {{QJsonObject{{"class", "QPushButton"}, {"name", "Fine"}}, sample({{"Bogus", 1}})},
         "Bogus"},
    };
    for (const auto &[components, what] : cases) {
        QWidget form;
        add<QPushButton>(&form, "Existing", QStringLiteral("kept"));
        try {
            readFormData(&form, QJsonObject{{"class", "QWidget"}, {"components", components}});
            ADD_FAILURE() << "no error for " << what.toStdString();
        } catch (const FormDataError &e) {
            EXPECT_TRUE(e.message().contains(what)) << e.message().toStdString();
        }
        EXPECT_EQ(componentList(&form).size(), 1);
        EXPECT_EQ(form.findChild<QPushButton *>()->text(), QStringLiteral("kept"));
    }
    QWidget form;
    EXPECT_THROW(readFormData(&form, QByteArray("{\"class\": ")), FormDataError);
    EXPECT_THROW(readFormData(&form, QJsonObject{{"class", "QDialog"}}), FormDataError);
}

#include "formdata_test.moc"
