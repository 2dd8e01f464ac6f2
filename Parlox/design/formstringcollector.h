#pragma once

#include <QHash>
#include <QString>
#include <QStringList>
#include <functional>

class QObject;
class QWidget;

namespace Parlox::Design {

// Reads a form's current texts into a form-strings table under one language: the reverse of
// applying a language. The form's caption and hint go under Form.Caption and Form.Hint, every
// named component's Caption, Hint, Title and DisplayLabel under Name.Property, and the items of
// its string lists (memo lines, list-box and combo-box items, radio-group buttons, notebook
// pages) under Name.0, Name.1 and so on. Line breaks of the form's texts and of hints are
// stored as 0x15 (LF) and 0x16 (CR), so that every value stays one line of the table.
class FormStringCollector {
public:
    struct Options {
        QStringList languages;
        // The column written; stores are no-ops when it is empty or not among the languages.
        QString language;
        // Whether the entries of items past a list's end go (AutoUpdate).
        bool removeStaleItems = false;
    };

    FormStringCollector(QStringList &table, Options options);

    // visit runs for every component collected, after its text properties and before its
    // string lists: the translation extensions' collect hooks.
    void collect(const QWidget &form, const std::function<void(QObject &)> &visit = {});

    // Writes one value of the entry for path, appending the entry when the table has none
    // (keys compared without regard to case). The other languages' lines stay as they are.
    void store(const QString &path, const QString &value);

    // Deletes the entries that directly follow the entry of a list's last item (prefix +
    // (count - 1)) and whose keys begin with the same prefix: the items the list has lost.
    void removeStaleItems(const QString &prefix, int count);

private:
    void collectComponent(QObject &component, const std::function<void(QObject &)> &visit);
    void collectItems(const QObject &component, QStringView property, const QString &name);
    qsizetype keyLine(const QString &key);
    void index(qsizetype line);
    void setLine(qsizetype line, const QString &value);

    QStringList &m_table;
    Options m_options;
    qsizetype m_column = -1;
    // Case-folded key -> its first line, built on first use and again after lines are deleted.
    QHash<QString, qsizetype> m_keyLines;
    bool m_indexed = false;
};

} // namespace Parlox::Design
