#pragma once

#include "namedwidget.h"
#include "tempdir.h"
#include <Parlox/design/designhost.h>
#include <Parlox/design/designtime.h>
#include <Parlox/design/moduleinterface.h>
#include <Parlox/design/modulenotifier.h>
#include <Parlox/form.h>
#include <Parlox/platform/component.h>
#include <Parlox/platform/modalseam.h>
#include <Parlox/select.h>

#include <QAbstractButton>
#include <QMessageBox>
#include <QWidget>
#include <map>
#include <memory>

// A form designer standing in for a real one: the project's units by file name, and a module
// for each form name it has been given.
class FakeHost : public Parlox::Design::DesignHost {
public:
    int unitCount() const override { return int(units.size()); }
    QString unitFileName(int index) const override { return units.value(index); }
    Parlox::Design::ModuleInterface *findModule(const QString &formName) override
    {
        ++lookups;
        const auto found = modules.find(formName);
        return found == modules.end() ? nullptr : &found->second;
    }
    Parlox::Design::ModuleInterface &addModule(const QString &formName)
    {
        return modules[formName];
    }

    QStringList units;
    std::map<QString, Parlox::Design::ModuleInterface> modules;
    int lookups = 0;
};

// Forms built in the designing state with the design-time face installed over a FakeHost.
// Message boxes are recorded and answered with `answer`.
class DesignTest : public TempDirTest {
protected:
    inline static const QString English = QStringLiteral("English");
    inline static const QString Spanish = QStringLiteral("Español");

    void SetUp() override { Parlox::Design::installDesignTime(&host); }
    void TearDown() override
    {
        forms.clear();
        Parlox::Design::uninstallDesignTime();
    }

    // A form named name with a translator, linked to `selector` (a new one on this form, with
    // English and Spanish, when null). The form's module exists when withModule is set.
    Parlox::TParloxForm &designForm(const QString &name, Parlox::TParloxSelect *selector = nullptr,
                                    bool withModule = true)
    {
        if (withModule)
            host.addModule(name);
        auto &form = forms.emplace_back(std::make_unique<QWidget>());
        form->setObjectName(name);
        const Parlox::Platform::DesigningScope designing;
        if (!selector) {
            selector = new Parlox::TParloxSelect(form.get());
            selector->setObjectName(QStringLiteral("Select"));
            selector->setLanguages({English, Spanish});
            selector->storeActiveLanguage(English);
        }
        auto *translator = new Parlox::TParloxForm(form.get());
        translator->setObjectName(QStringLiteral("Translator"));
        translator->setPxLanguageSelector(selector);
        return *translator;
    }

    FakeHost host;
    std::vector<std::unique_ptr<QWidget>> forms;
    QStringList shown;
    QMessageBox::StandardButton answer = QMessageBox::Yes;
    Parlox::Platform::ModalHandlerGuard dialogs{[this](QDialog &dialog) {
        auto &box = dynamic_cast<QMessageBox &>(dialog);
        shown.append(box.text());
        if (QAbstractButton *button = box.button(answer))
            button->click();
        else
            box.done(QMessageBox::Ok);
    }};
};
