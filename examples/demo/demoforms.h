#pragma once

#include <QString>

class QWidget;

// What the demo's forms share: the component classes its form data names, and the reading of a
// form's stored data from the resources.
namespace ParloxDemo {

// Where the translations live: with the form data (InExe), or in the translations file beside
// the executable (InFlatFile), chosen by the command-line flag --flat-file.
enum class Storage { FormData, FlatFile };

// Makes the Parlox components known to the form data reader. Call once before any form.
void registerComponents();

// Reads a form's stored data (a JSON resource). In flat-file mode the selector is switched to
// the translations file and the translators' tables are left out, so every text comes from the
// file. Throws Parlox::Error.
void readForm(QWidget *form, const QString &resource, Storage storage);

} // namespace ParloxDemo
