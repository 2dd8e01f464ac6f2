#pragma once

#include <Parlox/format/errors.h>

#include <QByteArray>
#include <QJsonObject>

class QWidget;

namespace Parlox::Platform {

// Stored form data: one JSON document per form.
//
//   {
//     "class": "TMainForm",                 the form's class, or one it derives from
//     "name": "MainForm",                   the form's objectName (optional)
//     "properties": { "windowTitle": "ParloxEd" },
//     "components": [                       in read order (the writer: component-list order)
//       { "class": "TParloxSelect",
//         "name": "ParloxSelect",           unique, not empty
//         "parent": "Panel1",               optional: a named component met earlier or
//                                           already on the form; absent means the form
//         "properties": {
//           "Languages": ["English", "Español"],   string list: an array of texts
//           "TranslationsAre": "InExe",            enumeration by name; flags "A|B"
//           "PxLanguageSelector": "ParloxSelect",  reference by name, null for none
//           "AutoRead": false, "Count": 3, "RememberRegistryKey": "..." } } ] }
//
// Stored properties are the class's published ones (see storedproperties.h): the Q_PROPERTYs
// that are readable, writable, stored and designable and hold text, a string list, a Boolean, a
// number, an enumeration or a QObject reference, plus the `Items` of list and combo boxes.
// Properties declared by Qt's own classes are written only where they differ from a fresh
// instance of the nearest standard class given the properties written before them (so what Qt
// derives, like an action's tool tip from its text, stays derived). Any other property that
// declares a default with Q_CLASSINFO("parlox.default.<name>", "<text>") is written only when
// it differs (the text is compared with true/false, the number, the enumeration name or the
// text itself); one without a declared default is always written.
//
// Reading checks the whole document before it touches the form: an unknown class, property,
// parent or reference, a value of the wrong type or a duplicate name throws FormDataError
// naming it, and nothing is created or changed. Then components that the form does not hold
// yet are created through the ComponentRegistry (an action placed in a menu or menu bar is also
// added to it, a menu placed in another menu or a menu bar becomes its submenu); every component
// carrying the Component mixin enters the loading state; the form's and each component's
// properties are applied in published order, references resolving among all of them; finally
// loaded() runs on each Component in read order, the form first.
class FormDataError : public Error {
public:
    using Error::Error;
};

void readFormData(QWidget *form, const QJsonObject &data);
void readFormData(QWidget *form, const QByteArray &json); // also throws on malformed JSON

QJsonObject formData(const QWidget *form);
QByteArray writeFormData(const QWidget *form); // indented UTF-8 JSON

} // namespace Parlox::Platform
