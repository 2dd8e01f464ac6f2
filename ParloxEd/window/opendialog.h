#pragma once

#include <QFileDialog>
#include <QString>
#include <optional>

namespace ParloxEd {

// The editor's open-file dialog. Its filter and default extension are stored with the form
// like its title, so the program holds no dialog texts of its own.
class OpenDialog : public QFileDialog {
    Q_OBJECT
    // Pairs of description and pattern separated by "|".
    Q_PROPERTY(QString Filter READ Filter WRITE setFilter)
    Q_PROPERTY(QString DefaultExt READ DefaultExt WRITE setDefaultExt)

public:
    explicit OpenDialog(QWidget *parent = nullptr);

    const QString &Filter() const { return m_filter; }
    void setFilter(const QString &pairs) { m_filter = pairs; }
    const QString &DefaultExt() const { return m_defaultExt; }
    void setDefaultExt(const QString &extension) { m_defaultExt = extension; }

    // Asks for one existing file; nullopt when the user cancels.
    std::optional<QString> Execute();

private:
    QString m_filter;
    QString m_defaultExt;
};

} // namespace ParloxEd
