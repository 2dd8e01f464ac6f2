#include <Parlox/platform/standarddialogs.h>

#include <Parlox/platform/modalseam.h>

#include <QAbstractButton>
#include <QFileDialog>
#include <QInputDialog>

namespace Parlox::Platform {

QMessageBox::StandardButton showMessageBox(QMessageBox::Icon icon, const QString &title,
                                           const QString &text,
                                           QMessageBox::StandardButtons buttons, QWidget *parent)
{
    QMessageBox box(icon, title, text, buttons, parent);
    showModal(box);
    QAbstractButton *clicked = box.clickedButton();
    return clicked ? box.standardButton(clicked) : QMessageBox::NoButton;
}

std::optional<QString> inputQuery(const QString &caption, const QString &prompt,
                                  const QString &initial, QWidget *parent)
{
    QInputDialog dialog(parent);
    dialog.setInputMode(QInputDialog::TextInput);
    dialog.setWindowTitle(caption);
    dialog.setLabelText(prompt);
    dialog.setTextValue(initial);
    if (showModal(dialog) != QDialog::Accepted)
        return std::nullopt;
    return dialog.textValue();
}

QStringList nameFilters(const QString &pairs)
{
    const QStringList parts = pairs.split(QLatin1Char('|'));
    QStringList out;
    for (qsizetype i = 0; i + 1 < parts.size(); i += 2) {
        const QString description = parts[i].trimmed();
        QString patterns = parts[i + 1].trimmed();
        patterns.replace(QLatin1Char(';'), QLatin1Char(' '));
        const QString suffix = QLatin1Char('(') + patterns + QLatin1Char(')');
        out.append(description.endsWith(suffix) ? description
                                                : description + QLatin1Char(' ') + suffix);
    }
    return out;
}

void prepareOpenDialog(QFileDialog &dialog, const QString &filterPairs,
                       const QString &defaultSuffix)
{
    dialog.setOption(QFileDialog::DontUseNativeDialog, true);
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    dialog.setFileMode(QFileDialog::ExistingFile);
    dialog.setNameFilters(nameFilters(filterPairs));
    dialog.setDefaultSuffix(defaultSuffix);
}

std::optional<QString> runOpenDialog(QFileDialog &dialog)
{
    if (showModal(dialog) != QDialog::Accepted)
        return std::nullopt;
    const QStringList files = dialog.selectedFiles();
    if (files.isEmpty())
        return std::nullopt;
    return files.first();
}

} // namespace Parlox::Platform
