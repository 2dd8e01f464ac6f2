#pragma once

#include <QMessageBox>
#include <QString>
#include <QStringList>
#include <optional>

class QFileDialog;
class QWidget;

namespace Parlox::Platform {

// The standard dialogs, each shown through the modal seam.

// The standard message box; returns the button pressed, or QMessageBox::NoButton when the box
// was closed without one.
QMessageBox::StandardButton showMessageBox(QMessageBox::Icon icon, const QString &title,
                                           const QString &text,
                                           QMessageBox::StandardButtons buttons,
                                           QWidget *parent = nullptr);

// The input box: a caption, a prompt, one text field starting with `initial`, OK and Cancel.
// Returns the text entered when OK was pressed, nullopt when cancelled.
std::optional<QString> inputQuery(const QString &caption, const QString &prompt,
                                  const QString &initial = {}, QWidget *parent = nullptr);

// Name filters from pairs of description and pattern separated by "|":
// "Language files (*.LNG)|*.LNG|All files (*.*)|*.*" gives "Language files (*.LNG)" and
// "All files (*.*)"; a description without its pattern in parentheses gets it appended, and
// ";"-separated patterns become space-separated.
QStringList nameFilters(const QString &pairs);

// Makes a file dialog an open dialog: Qt's own (non-native, so it can be inspected) dialog,
// choosing one existing file, with the given filter pairs and default suffix (no dot).
void prepareOpenDialog(QFileDialog &dialog, const QString &filterPairs,
                       const QString &defaultSuffix);

// Runs an open dialog; the chosen path, or nullopt when cancelled.
std::optional<QString> runOpenDialog(QFileDialog &dialog);

} // namespace Parlox::Platform
