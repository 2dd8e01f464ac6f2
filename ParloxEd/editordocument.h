#pragma once

#include "documentfile.h"
#include "lngfile.h"

#include <QObject>
#include <QString>
#include <QStringList>
#include <functional>

namespace ParloxEd {

class TableGridModel;

// Column count and the width every column gets, the key column included.
struct ColumnLayout {
    int columnCount = 2;
    int columnWidth = 0;
    bool operator==(const ColumnLayout &) const = default;
};

// The editor's document: one translations file held as its language list, default language,
// message strings and forms, plus which table the grid shows. The grid is a working copy of
// that table; commitGrid() copies it back and decides whether the document was modified.
//
// Windows items: item 0 is the message strings, item k >= 1 is form k - 1. The form-strings
// table and the user-strings table of item 0 are both the message table.
//
// No widgets here: the window mirrors the document through its signals and asks it for the
// texts of interface language (user strings) through a lookup it installs.
class EditorDocument : public QObject {
    Q_OBJECT

public:
    enum class View { FormStrings, UserStrings };
    Q_ENUM(View)

    // How a language command ended; anything but Done changed nothing.
    enum class LanguageResult {
        Done,
        NoDocument,
        InvalidName,    // empty
        NameExists,     // exactly that name (letter case counts), the language itself included
        NoSuchLanguage, // an index outside the language list
        LastLanguage,   // deleting would leave no language
    };
    Q_ENUM(LanguageResult)

    // Returns the interface text of a user-string identifier such as "MESSAGE_ID".
    using TextLookup = std::function<QString(const QString &identifier)>;

    explicit EditorDocument(QObject *parent = nullptr);
    ~EditorDocument() override;

    void setTextLookup(TextLookup lookup) { m_lookup = std::move(lookup); }

    // NoFile and Damaged keep the document and its file name as they were; every other status
    // but Loaded leaves no document open.
    LoadResult loadFile(const QString &path);
    // The Save command: commits the grid, then writes the document to its file when it is
    // modified. A failed write keeps the document modified.
    SaveResult save();
    // Discards the languages, forms and tables and blanks the grid; the file name and the
    // modified flag stay.
    void closeDocument();

    // Fills the grid from the table of the current Windows item and view.
    void showTable();
    // Copies the grid back into the table it shows; sets Modified only when a line differs.
    void commitGrid();

    // The user's choices: each commits the grid first, then shows the table chosen.
    void chooseWindowsItem(int item);
    void chooseView(View view);
    // Marks a language as the default; always counts as a modification.
    void chooseDefaultLanguage(int index);

    // The language commands. Each changes every table and the grid together, so edits still
    // in the grid are kept, and marks the document modified. Names compare exactly.
    LanguageResult addLanguage(const QString &name);
    LanguageResult renameLanguage(int index, const QString &name);
    // The first remaining language becomes the default when the default goes.
    LanguageResult deleteLanguage(int index);
    // Position of the language of exactly that name, or -1.
    int findLanguage(const QString &name) const;
    bool canDeleteLanguage() const { return m_content.languages.size() >= 2; }

    ColumnLayout columnLayout(int gridWidth) const;

    const QString &fileName() const { return m_fileName; }
    bool isOpen() const { return m_open; }
    const QStringList &languages() const { return m_content.languages; }
    // -1 exactly when there are no languages.
    int defaultLanguage() const { return m_content.defaultIndex; }
    QString defaultLanguageName() const;

    int windowsItemCount() const;
    QStringList windowsItems() const;
    // -1 when no Windows item exists.
    int currentItem() const { return m_currentItem; }
    View view() const { return m_view; }
    // The View menu applies while a form item is current.
    bool isViewEnabled() const { return m_currentItem >= 1; }

    bool isModified() const { return m_modified; }
    void setModified(bool modified);

    const QStringList &messageTable() const { return m_content.messages; }
    const QStringList &formTable(int item) const;
    const QStringList &userTable(int item) const;
    // Everything a save writes: languages, default index, messages and forms in menu order.
    const Parlox::Lng::Document &content() const { return m_content; }

    TableGridModel *grid() const { return m_grid; }
    // Title of the key column of the table shown, as fetched when it was shown.
    const QString &tableTitle() const { return m_tableTitle; }
    // The grid cell of the default language in a grid row; empty without languages.
    QString defaultValueAt(int row) const;

signals:
    void fileNameChanged(const QString &fileName);
    void openChanged(bool open);
    void languagesChanged();
    void defaultLanguageChanged(int index);
    void windowsItemsChanged();
    void currentItemChanged(int item);
    void viewChanged(ParloxEd::EditorDocument::View view);
    void modifiedChanged(bool modified);
    void tableShown(const QString &title);

private:
    void openDirectory();
    void forEachTable(const std::function<void(QStringList &)> &change);
    void setDefaultLanguage(int index);
    void setFileName(const QString &path);
    QStringList *currentTable();
    QString text(const QString &identifier) const;
    void showLanguageHeaders();

    TableGridModel *m_grid = nullptr;
    TextLookup m_lookup;
    QString m_fileName;
    Parlox::Lng::Document m_content;
    QString m_messageItemCaption;
    QString m_tableTitle;
    int m_currentItem = -1;
    View m_view = View::FormStrings;
    bool m_open = false;
    bool m_hasDirectory = false;
    bool m_modified = false;
};

} // namespace ParloxEd
