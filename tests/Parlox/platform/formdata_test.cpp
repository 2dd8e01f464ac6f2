// Stored form data: write a form of real widgets, read it into a fresh form, and refuse what
// cannot be read before touching the form.
#include "platform/component.h"
#include "platform/componentregistry.h"
#include "platform/formcomponents.h"
#include "platform/formdata.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QJsonArray>
#include <QJsonDocument>
#include <QLabel>
#include <QListWidget>
#include <QMenu>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPushButton>
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

template <class T> T *named(QWidget *parent, const char *name)
{
    auto *w = new T(parent);
    w->setObjectName(QLatin1String(name));
    return w;
}

// A form with one of most kinds the mapping knows, all texts set away from their defaults.
void buildForm(QWidget &form)
{
    form.setObjectName(QStringLiteral("Form1"));
    form.setWindowTitle(QStringLiteral("Main"));
    form.setToolTip(QStringLiteral("Main window"));
    auto *bar = named<QMenuBar>(&form, "MenuBar1");
    auto *file = named<QMenu>(bar, "MenuFile");
    file->setTitle(QStringLiteral("&File"));
    bar->addMenu(file);
    auto *open = new QAction(QStringLiteral("&Open"), file);
    open->setObjectName(QStringLiteral("OpenFile"));
    open->setCheckable(true);
    open->setChecked(true);
    file->addAction(open);
    auto *button = named<QPushButton>(&form, "Button1");
    button->setText(QStringLiteral("&Save"));
    button->setToolTip(QStringLiteral("Saves"));
    button->setEnabled(false);
    auto *label = named<QLabel>(&form, "Label1");
    label->setText(QStringLiteral("Hello"));
    label->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    auto *group = named<QGroupBox>(&form, "Group1");
    group->setTitle(QStringLiteral("Options"));
    named<QCheckBox>(group, "Check1")->setChecked(true);
    auto *list = named<QListWidget>(&form, "List1");
    list->addItems({"a", "b", "c"});
    list->setCurrentRow(2);
    auto *combo = named<QComboBox>(&form, "Combo1");
    combo->addItems({"x", "y"});
    combo->setCurrentIndex(1);
    named<QPlainTextEdit>(&form, "Memo1")->setPlainText(QStringLiteral("one\ntwo"));

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

    static QJsonObject sampleData(const QJsonObject &properties, const QString &cls = "Sample")
    {
        QJsonObject component{{"class", cls}, {"name", "S1"}, {"properties", properties}};
        return QJsonObject{{"class", "QWidget"}, {"components", QJsonArray{component}}};
    }

    // Reading must fail with a message that names `what`, and leave the form as it was.
    static void expectRefused(const QJsonObject &data, const QString &what)
    {
        QWidget form;
        named<QPushButton>(&form, "Existing")->setText(QStringLiteral("kept"));
        try {
            readFormData(&form, data);
            ADD_FAILURE() << "no error for " << what.toStdString();
        } catch (const FormDataError &e) {
            EXPECT_TRUE(e.message().contains(what)) << e.message().toStdString();
        }
        EXPECT_EQ(componentList(&form).size(), 1);
        EXPECT_EQ(form.findChild<QPushButton *>()->text(), QStringLiteral("kept"));
    }
};

} // namespace

TEST_F(FormDataTest, RoundTripRebuildsTextsAndProperties)
{
    QWidget original;
    buildForm(original);
    const QByteArray json = writeFormData(&original);

    QWidget copy;
    copy.setObjectName(QStringLiteral("Form1"));
    readFormData(&copy, json);

    EXPECT_EQ(copy.windowTitle(), QStringLiteral("Main"));
    EXPECT_EQ(copy.toolTip(), QStringLiteral("Main window"));
    auto *button = copy.findChild<QPushButton *>(QStringLiteral("Button1"));
    ASSERT_NE(button, nullptr);
    EXPECT_EQ(button->text(), QStringLiteral("&Save"));
    EXPECT_EQ(button->toolTip(), QStringLiteral("Saves"));
    EXPECT_FALSE(button->isEnabled());
    auto *label = copy.findChild<QLabel *>(QStringLiteral("Label1"));
    ASSERT_NE(label, nullptr);
    EXPECT_EQ(label->alignment(), Qt::AlignRight | Qt::AlignVCenter);
    auto *check = copy.findChild<QCheckBox *>(QStringLiteral("Check1"));
    ASSERT_NE(check, nullptr);
    EXPECT_EQ(check->parent()->objectName(), QStringLiteral("Group1"));
    EXPECT_TRUE(check->isChecked());
    EXPECT_EQ(copy.findChild<QGroupBox *>()->title(), QStringLiteral("Options"));

    auto *bar = copy.findChild<QMenuBar *>();
    ASSERT_NE(bar, nullptr);
    ASSERT_EQ(bar->actions().size(), 1);
    QMenu *file = bar->actions().front()->menu();
    ASSERT_NE(file, nullptr);
    EXPECT_EQ(file->title(), QStringLiteral("&File"));
    ASSERT_EQ(file->actions().size(), 1);
    EXPECT_EQ(file->actions().front()->objectName(), QStringLiteral("OpenFile"));
    EXPECT_TRUE(file->actions().front()->isChecked());
    // What Qt derives stays derived: the tool tip follows a later (translated) caption.
    file->actions().front()->setText(QStringLiteral("&Abrir"));
    EXPECT_EQ(file->actions().front()->toolTip(), QStringLiteral("Abrir"));

    auto *list = copy.findChild<QListWidget *>();
    ASSERT_NE(list, nullptr);
    ASSERT_EQ(list->count(), 3);
    EXPECT_EQ(list->item(2)->text(), QStringLiteral("c"));
    EXPECT_EQ(list->currentRow(), 2);
    auto *combo = copy.findChild<QComboBox *>();
    ASSERT_NE(combo, nullptr);
    EXPECT_EQ(combo->count(), 2);
    EXPECT_EQ(combo->currentText(), QStringLiteral("y"));
    EXPECT_EQ(copy.findChild<QPlainTextEdit *>()->toPlainText(), QStringLiteral("one\ntwo"));

    auto *first = copy.findChild<Sample *>(QStringLiteral("First"));
    auto *second = copy.findChild<Sample *>(QStringLiteral("Second"));
    ASSERT_TRUE(first && second);
    EXPECT_EQ(second->m_link, first);
    EXPECT_EQ(first->m_languages, QStringList({"English", "Español"}));
    EXPECT_EQ(first->m_kind, Sample::mdSecond);
    EXPECT_EQ(first->m_text, QStringLiteral("Ünïcode"));
    EXPECT_EQ(first->m_count, 3);
    EXPECT_FALSE(first->m_autoRead);
    EXPECT_TRUE(second->m_autoRead);
    EXPECT_EQ(componentList(&copy).size(), componentList(&original).size());

    // Enumerations by name; a property at its declared default is left out.
    const QJsonArray components = QJsonDocument::fromJson(json).object()["components"].toArray();
    for (const QJsonValue &c : components) {
        const QJsonObject props = c["properties"].toObject();
        if (c["name"] == QStringLiteral("First")) {
            EXPECT_EQ(props["Kind"], QStringLiteral("mdSecond"));
            EXPECT_EQ(props["AutoRead"], false);
        }
        if (c["name"] == QStringLiteral("Second")) {
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

TEST_F(FormDataTest, UnreadableDataIsRefusedNamingTheItem)
{
    expectRefused(sampleData({}, QStringLiteral("TNoSuchClass")), QStringLiteral("TNoSuchClass"));
    expectRefused(sampleData({{"NoSuchProperty", 1}}), QStringLiteral("NoSuchProperty"));
    expectRefused(sampleData({{"Link", "Nobody"}}), QStringLiteral("Nobody"));
    expectRefused(sampleData({{"Link", "Existing"}}), QStringLiteral("is not a Sample"));
    expectRefused(sampleData({{"Kind", "mdThird"}}), QStringLiteral("mdThird"));
    expectRefused(sampleData({{"Count", "three"}}), QStringLiteral("Count"));
    expectRefused(sampleData({{"Languages", QJsonArray{1, 2}}}), QStringLiteral("Languages"));

    QJsonObject wrongExisting = sampleData({});
    wrongExisting["components"] =
        QJsonArray{QJsonObject{{"class", "QLabel"}, {"name", "Existing"}}};
    expectRefused(wrongExisting, QStringLiteral("Existing"));

    QJsonObject orphan = sampleData({});
    orphan["components"] =
        QJsonArray{QJsonObject{{"class", "QPushButton"}, {"name", "B"}, {"parent", "Ghost"}}};
    expectRefused(orphan, QStringLiteral("Ghost"));

    // A valid component before the bad one is not created either.
    QJsonObject partly = sampleData({{"Bogus", 1}});
    QJsonArray both{QJsonObject{{"class", "QPushButton"}, {"name", "Fine"}}};
    both.append(partly["components"].toArray().first());
    partly["components"] = both;
    expectRefused(partly, QStringLiteral("Bogus"));

    QWidget form;
    EXPECT_THROW(readFormData(&form, QByteArray("{\"class\": ")), FormDataError);
    EXPECT_THROW(readFormData(&form, QJsonObject{{"class", "QDialog"}}), FormDataError);
}

#include "formdata_test.moc"
