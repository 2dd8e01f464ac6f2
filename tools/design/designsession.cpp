#include "designsession.h"

#include <Parlox/design/designtime.h>
#include <Parlox/design/moduleinterface.h>
#include <Parlox/design/modulenotifier.h>
#include <Parlox/form.h>
#include <Parlox/format/errors.h>
#include <Parlox/format/lockedfile.h>
#include <Parlox/platform/component.h>
#include <Parlox/platform/componentregistry.h>
#include <Parlox/platform/formcomponents.h>
#include <Parlox/platform/formdata.h>
#include <Parlox/select.h>

#include <QJsonDocument>
#include <QJsonObject>
#include <QRegularExpression>
#include <QWidget>

namespace Parlox::DesignTool {

struct DesignSession::OpenForm {
    QString given; // the path as given, for messages
    QString path;
    QByteArray stored;
    Design::ModuleInterface module;
    std::unique_ptr<QWidget> form;
};

namespace {

[[noreturn]] void fail(const QString &path, const QString &problem)
{
    throw Error(path + QStringLiteral(": ") + problem);
}

QJsonObject parse(const QString &path, const QByteArray &bytes)
{
    QJsonParseError error;
    const QJsonDocument document = QJsonDocument::fromJson(bytes, &error);
    if (error.error != QJsonParseError::NoError || !document.isObject())
        fail(path, QStringLiteral("not stored form data (%1)").arg(error.errorString()));
    return document.object();
}

std::unique_ptr<QWidget> createForm(const QString &path, const QJsonObject &data)
{
    const QString className = data.value(QStringLiteral("class")).toString();
    const auto *entry = Platform::ComponentRegistry::instance().find(className);
    QObject *created = entry ? entry->create(nullptr) : nullptr;
    auto *form = qobject_cast<QWidget *>(created);
    if (!form) {
        delete created;
        fail(path,
             QStringLiteral("the form class '%1' is unknown to parlox-design").arg(className));
    }
    form->setObjectName(data.value(QStringLiteral("name")).toString());
    return std::unique_ptr<QWidget>(form);
}

bool isIdentifier(const QString &name)
{
    static const QRegularExpression identifier(QStringLiteral("^[A-Za-z_][A-Za-z0-9_]*$"));
    return identifier.match(name).hasMatch();
}

bool isWithin(const QObject *object, const QObject *ancestor)
{
    for (; object; object = object->parent()) {
        if (object == ancestor)
            return true;
    }
    return false;
}

} // namespace

DesignSession::DesignSession(const QString &projectFolder) : m_previousFolder(QDir::currentPath())
{
    const QDir folder(projectFolder);
    if (!folder.exists())
        throw Error(QStringLiteral("%1: no such folder").arg(projectFolder));
    for (const QString &file : folder.entryList(QDir::Files, QDir::Name))
        m_units.append(folder.absoluteFilePath(file));
    QDir::setCurrent(folder.absolutePath());
    Design::installDesignTime(this);
}

DesignSession::~DesignSession()
{
    m_forms.clear();
    Design::uninstallDesignTime();
    QDir::setCurrent(m_previousFolder);
}

QWidget &DesignSession::open(const QString &formDataPath)
{
    const QString path = QDir(m_previousFolder).absoluteFilePath(formDataPath);
    auto entry = std::make_unique<OpenForm>();
    entry->given = formDataPath;
    entry->path = path;
    entry->stored = LockedFile(path, LockedFile::Access::SharedRead).readAll();
    const QJsonObject data = parse(formDataPath, entry->stored);
    entry->form = createForm(formDataPath, data);
    if (findModule(entry->form->objectName()))
        fail(formDataPath,
             QStringLiteral("a form named '%1' is open already").arg(entry->form->objectName()));
    // The form's module is there before its components, so they attach as they are created.
    OpenForm &opened = *m_forms.emplace_back(std::move(entry));
    try {
        const Platform::DesigningScope designing;
        Platform::readFormData(opened.form.get(), data);
    } catch (const Error &error) {
        m_forms.pop_back();
        fail(formDataPath, error.message());
    }
    return *opened.form;
}

Design::ModuleInterface *DesignSession::findModule(const QString &formName)
{
    for (const auto &entry : m_forms) {
        if (entry->form->objectName() == formName)
            return &entry->module;
    }
    return nullptr;
}

DesignSession::OpenForm &DesignSession::entryOf(const QWidget &form)
{
    for (const auto &entry : m_forms) {
        if (entry->form.get() == &form)
            return *entry;
    }
    throw Error(QStringLiteral("The form is not open"));
}

TParloxSelect *DesignSession::selector() const
{
    for (const auto &entry : m_forms) {
        if (auto *found = entry->form->findChild<TParloxSelect *>())
            return found;
    }
    return nullptr;
}

TParloxForm *DesignSession::translatorOf(const QWidget &form)
{
    for (QObject *component : Platform::componentList(&form)) {
        if (auto *translator = qobject_cast<TParloxForm *>(component))
            return translator;
    }
    return nullptr;
}

void DesignSession::linkTranslators()
{
    TParloxSelect *main = selector();
    if (!main)
        return;
    for (const auto &entry : m_forms) {
        TParloxForm *translator = translatorOf(*entry->form);
        if (translator && !translator->PxLanguageSelector()) {
            translator->setPxLanguageSelector(main);
            m_sessionLinks.append(translator);
        }
    }
}

QObject &DesignSession::componentOf(QWidget &form, const QString &name)
{
    QObject *component = Platform::findComponent(&form, name);
    if (!component)
        fail(entryOf(form).given, QStringLiteral("no component is named '%1'").arg(name));
    return *component;
}

void DesignSession::renameComponent(QWidget &form, const QString &oldName, const QString &newName)
{
    QObject &component = componentOf(form, oldName);
    const QString &path = entryOf(form).given;
    if (!isIdentifier(newName))
        fail(path, QStringLiteral("'%1' is not a valid component name").arg(newName));
    if (Platform::findComponent(&form, newName))
        fail(path, QStringLiteral("a component is named '%1' already").arg(newName));
    component.setObjectName(newName);
    entryOf(form).module.deliverRename(&component, oldName, newName);
}

void DesignSession::deleteComponent(QWidget &form, const QString &name)
{
    QObject *component = &componentOf(form, name);
    // The components it holds go with it, each announced.
    QList<QPointer<QObject>> going;
    for (QObject *c : Platform::componentList(&form)) {
        if (isWithin(c, component))
            going.append(c);
    }
    Design::ModuleInterface &module = entryOf(form).module;
    for (const QPointer<QObject> &c : std::as_const(going)) {
        if (c)
            module.deliverRename(c, c->objectName(), QString());
    }
    delete component;
}

void DesignSession::beforeSave()
{
    for (const auto &entry : m_forms)
        entry->module.deliverEvent(Design::ModuleNotifier::BeforeSave);
}

void DesignSession::write()
{
    // The session's links reach into other forms' data, which a form's data cannot name.
    for (const QPointer<TParloxForm> &translator : std::as_const(m_sessionLinks)) {
        if (translator)
            translator->setPxLanguageSelector(nullptr);
    }
    m_sessionLinks.clear();
    for (const auto &entry : m_forms) {
        const QByteArray bytes = Platform::writeFormData(entry->form.get());
        if (bytes != entry->stored)
            LockedFile::writeNew(entry->path, bytes);
        entry->stored = bytes;
    }
}

} // namespace Parlox::DesignTool
