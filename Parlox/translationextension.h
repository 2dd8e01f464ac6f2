#pragma once

class QObject;
class QString;

namespace Parlox {

class TParloxForm;

// An entry of the selector's extension list: lets an application translate properties of its
// own components that the translator does not know. The translator calls apply() for every
// component it visits, after the text properties and before the string lists, and collect()
// when it gathers a form's current texts at design time.
class TranslationExtension {
public:
    virtual ~TranslationExtension() = default;
    virtual void apply(TParloxForm &translator, QObject &component, const QString &language) = 0;
    virtual void collect(TParloxForm &translator, QObject &component, const QString &language)
    {
        static_cast<void>(translator);
        static_cast<void>(component);
        static_cast<void>(language);
    }
};

} // namespace Parlox
