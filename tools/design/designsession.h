#pragma once

#include <Parlox/design/designhost.h>

#include <QByteArray>
#include <QDir>
#include <QList>
#include <QPointer>
#include <QStringList>
#include <memory>
#include <vector>

class QObject;
class QWidget;

namespace Parlox {
class TParloxForm;
class TParloxSelect;
namespace Design {
class ModuleInterface;
}
} // namespace Parlox

namespace Parlox::DesignTool {

// A form designer without a screen. The project is a folder whose files are its units; it is
// the current folder while the session lives, so that a relative TranslationsFile is found in
// it. Forms are read from their stored data in the designing state with the design-time face
// installed and this session as its host, each with a module of its own.
class DesignSession : public Design::DesignHost {
public:
    explicit DesignSession(const QString &projectFolder);
    ~DesignSession() override;
    DesignSession(const DesignSession &) = delete;
    DesignSession &operator=(const DesignSession &) = delete;

    // Opens a form's stored data. Throws Error: unreadable file, unknown form class, a form
    // of the same name already open, or form data the reader refuses.
    QWidget &open(const QString &formDataPath);

    // A running program links the translators of its secondary forms to the main form's
    // selector; the designer does the same for the forms open together: every translator
    // without a selector is linked to the first selector of the open forms. These links are
    // the session's own and are not saved.
    void linkTranslators();

    // The first selector of the open forms, or null.
    TParloxSelect *selector() const;
    // The translator of a form, or null.
    static TParloxForm *translatorOf(const QWidget &form);

    // The designer's edits, each announced to the form's module. Throw Error for a component
    // that is not on the form, or a new name that is no identifier or is taken.
    void renameComponent(QWidget &form, const QString &oldName, const QString &newName);
    void deleteComponent(QWidget &form, const QString &name);

    // The before-save event of every open form's module.
    void beforeSave();
    // Writes every form whose stored data changed, each file replaced atomically. Throws.
    void write();

    int unitCount() const override { return int(m_units.size()); }
    QString unitFileName(int index) const override { return m_units.value(index); }
    Design::ModuleInterface *findModule(const QString &formName) override;

private:
    struct OpenForm;
    OpenForm &entryOf(const QWidget &form);
    QObject &componentOf(QWidget &form, const QString &name);

    QString m_previousFolder;
    QStringList m_units;
    std::vector<std::unique_ptr<OpenForm>> m_forms;
    QList<QPointer<TParloxForm>> m_sessionLinks;
};

} // namespace Parlox::DesignTool
