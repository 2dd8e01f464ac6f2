#pragma once

#include "documentfile.h"
#include "tablegridmodel.h"
#include <Parlox/format/lngfile.h>

#include <QObject>
#include <QString>
#include <QStringList>
#include <functional>
#include <optional>

class QUndoStack;

namespace ParloxEd {

// The editor's document: one translations file held as its language list, default language,
// message strings and forms, plus which table the grid shows. The grid edits that table in
// place, so the content is always the document as the user sees it.
//
// Windows items: item 0 is the message strings, item k >= 1 is form k - 1. The form-strings
// table and the user-strings table of item 0 are both the message table.
//
// Every change of the document is a command on its undo stack: a typed cell (one command per
// cell until the selection moves), the default language and the language commands. The
// document is modified exactly while the stack is away from the state last loaded or saved.
//
// No widgets here: the window mirrors the document through its signals and asks it for the
// texts of interface language (user strings) through a lookup it installs.
class EditorDocument : public QObject {
    Q_OBJECT

public:
    enum class View { FormStrings, UserStrings };
    Q_ENUM(View)

    // One table: Windows item 0 (the message strings, in either view) or a form item's table
    // in one view.
    struct TableRef {
        int item = -1;
        View view = View::FormStrings;
        bool operator==(const TableRef &other) const
        {
            return item == other.item && (item == 0 || view == other.view);
        }
    };
    // A cell of a table: its entry (the grid's model row) and column (0 the key).
    struct CellRef {
        TableRef table;
        int entry = 0;
        int column = 0;
        bool operator==(const CellRef &) const = default;
    };

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

    // How a change of the document's encoding ended.
    enum class EncodingResult {
        Reread,    // the unmodified file was read again in the encoding
        Converted, // an undoable change: the next save writes the document in the encoding
        Unchanged, // the document already is in the encoding
        NoDocument,
        Unreadable, // the file holds bytes the encoding does not define; nothing changed
    };
    Q_ENUM(EncodingResult)
    using EncodingOutcome = FileOutcome<EncodingResult>;

    // Where the encoding last used for each file is kept: asked when a file that is not UTF-8
    // opens, told whenever a file is read or saved.
    struct EncodingMemory {
        std::function<std::optional<Parlox::Encoding>(const QString &path)> lastUsed;
        std::function<void(const QString &path, Parlox::Encoding encoding)> remember;
    };

    // Returns the interface text of a user-string identifier such as "MESSAGE_ID".
    using TextLookup = std::function<QString(const QString &identifier)>;

    explicit EditorDocument(QObject *parent = nullptr);
    ~EditorDocument() override;

    // Whether a save may write over a file another program changed since it was loaded or
    // saved.
    enum class SaveMode { KeepChangesOnDisk, Overwrite };

    // The grid takes its texts from the same lookup.
    void setTextLookup(const TextLookup &lookup);
    void setEncodingMemory(EncodingMemory memory) { m_encodingMemory = std::move(memory); }

    // NoFile and Damaged keep the document and its file name as they were; every other status
    // but Loaded leaves no document open.
    LoadResult loadFile(const QString &path);
    // The File > Encoding command: an unmodified document is read again from its file in the
    // encoding; a modified one is converted, so that its edits stay. Texts the encoding cannot
    // hold are refused by the save, naming table, key, language and character.
    EncodingOutcome chooseEncoding(Parlox::Encoding encoding);
    Parlox::Encoding encoding() const { return m_content.encoding; }
    // The Save command: writes the document to its file when it is modified. A failed write keeps
    // the document modified. A file changed on disk since it was loaded or saved is left alone
    // (ChangedOnDisk) unless the mode says to overwrite it.
    SaveResult save(SaveMode mode = SaveMode::KeepChangesOnDisk);
    // Discards the languages, forms and tables and blanks the grid; the file name and the
    // modified flag stay.
    void closeDocument();

    // Shows the table of the current Windows item and view in the grid.
    void showTable();

    // The user's choices: each shows the table chosen.
    void chooseWindowsItem(int item);
    void chooseView(View view);
    // Marks a language as the default; always counts as a modification.
    void chooseDefaultLanguage(int index);
    // Shows the table of a cell and tells the window to select it (cellRevealed).
    void reveal(const CellRef &cell);
    // Ends the typing in one cell: the next edit of it is a command of its own.
    void endCellEdit() { ++m_editSession; }

    // The language commands. Each changes every table, the one shown included, and marks the
    // document modified. Names compare exactly.
    LanguageResult addLanguage(const QString &name);
    LanguageResult renameLanguage(int index, const QString &name);
    // The first remaining language becomes the default when the default goes.
    LanguageResult deleteLanguage(int index);
    // Replaces a text, letter case ignored, in the values (never the keys) of the table shown
    // or of every table, as one undoable step; the grid's locked column stays as it is. The
    // number of values changed: 0 changes nothing.
    int replaceText(const QString &text, const QString &with, bool allTables);
    // Puts texts (one per language, empty for none) into the empty values of an entry of the
    // table shown, as one undoable step; the number of values filled.
    int fillEmptyValues(int entry, const QStringList &values);
    // Fills every empty value whose source text (the default language's, compared without "&"s,
    // letter case and outer spaces) has one translation in that language elsewhere in the
    // document, or one more frequent than the others, as one undoable step; the grid's locked
    // column stays as it is. The number of values filled: 0 changes nothing.
    int fillIdenticalSources();
    // Position of the language of exactly that name, or -1.
    int findLanguage(const QString &name) const;
    bool canDeleteLanguage() const { return m_content.languages.size() >= 2; }

    ColumnLayout columnLayout(int gridWidth) const
    {
        return TableGridModel::columnLayout(m_content.languages.size(), gridWidth);
    }

    const QString &fileName() const { return m_fileName; }
    bool isOpen() const { return m_open; }
    // The file was opened for reading only: the user may not write it.
    bool isReadOnly() const { return m_readOnly; }
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
    // The commands undo keeps, the oldest going first.
    static constexpr int UndoLimit = 1000;
    QUndoStack *undoStack() const { return m_undo; }

    const PackedLines &messageTable() const { return m_content.messages; }
    const PackedLines &formTable(int item) const;
    const PackedLines &userTable(int item) const;
    // Everything a save writes: languages, default index, messages and forms in menu order;
    // the values typed in the grid included.
    const Parlox::Lng::PackedDocument &content() const { return m_content; }

    // Every table once, in menu order: the message strings, then each form's form strings and
    // user strings.
    void visitTables(const std::function<void(TableRef, const PackedLines &)> &visit) const;
    TableRef currentTableRef() const { return {m_currentItem, m_view}; }
    // The lines of a table; none for a table the document does not have.
    const PackedLines &tableLines(TableRef table) const;
    // How the table is named to the user: the Windows item's caption, for a form with its view.
    QString tableCaption(TableRef table) const;
    // The interface text of a user-string identifier.
    QString text(const QString &identifier) const;
    // The interface language changed: every text named above reads in the new one now, and
    // whoever shows one is told through textsChanged.
    void retranslate();

    TableGridModel *grid() const { return m_grid; }
    // Title of the key column of the table shown, as fetched when it was shown.
    const QString &tableTitle() const { return m_tableTitle; }
    // The same title in the interface language of now.
    QString keyTitle() const;
    // The default language's value of an entry of the table shown; empty without languages.
    QString defaultValueAt(int entry) const;

signals:
    void fileNameChanged(const QString &fileName);
    void openChanged(bool open);
    void readOnlyChanged(bool readOnly);
    void languagesChanged();
    void defaultLanguageChanged(int index);
    void windowsItemsChanged();
    void currentItemChanged(int item);
    void viewChanged(ParloxEd::EditorDocument::View view);
    void modifiedChanged(bool modified);
    // Loaded, re-read, converted, undone or redone.
    void encodingChanged(Parlox::Encoding encoding);
    // The grid shows another table (its first row is where work starts).
    void tableShown(const QString &title);
    // The grid was filled again with the same table after an undo or redo reshaped it.
    void tableReloaded();
    // A command moved to a cell (an undo, a redo, a found text): the window selects it.
    void cellRevealed(int entry, int column);
    // The interface texts (table captions, column titles) read in another language.
    void textsChanged();

private:
    // A change made in place: of the content and, adding a first language, of whether the
    // file has a directory.
    using Change = std::function<void(Parlox::Lng::PackedDocument &content, bool &hasDirectory)>;
    // Makes a change a command: redo runs now. Each side keeps only what it changes, so the
    // undo history grows by about the size of what the commands changed.
    void pushChange(Change undo, Change redo);
    // Runs a change, then brings the grid, the language headers and the window up to date.
    void applyChange(const Change &change);
    // One value a command sets: the command keeps these texts and nothing more.
    struct ValueChange {
        TableRef table;
        qsizetype line = 0;
        QString before;
        QString after;
    };
    // Sets the values as one command; nothing when there are none.
    void pushValueChanges(QList<ValueChange> changes);
    void applyCellText(const CellRef &cell, const QString &text);
    void recordCellEdit(int col, int entry, const QString &before);
    void showTableOf(TableRef table);
    // `replaced`: the lines of the table shown are others now, or values in them were set.
    void reloadGrid(bool replaced);

    LoadResult loadFile(const QString &path, const ReadEncoding &encoding);
    void openDirectory();
    void setFileName(const QString &path);
    void setReadOnly(bool readOnly);
    const PackedLines *tableOf(TableRef table) const;
    PackedLines *currentTable();
    // The table a cell names in a content; the reference must exist there.
    static PackedLines &tableIn(Parlox::Lng::PackedDocument &content, TableRef table);
    void showLanguageHeaders();

    TableGridModel *m_grid = nullptr;
    QUndoStack *m_undo = nullptr;
    TextLookup m_lookup;
    EncodingMemory m_encodingMemory;
    QString m_fileName;
    Parlox::Lng::PackedDocument m_content;
    QString m_tableTitle;
    int m_currentItem = -1;
    View m_view = View::FormStrings;
    bool m_open = false;
    bool m_readOnly = false;
    // The version of the file last loaded or saved.
    std::optional<Parlox::FileStamp> m_stamp;
    bool m_hasDirectory = false;
    bool m_modified = false;
    bool m_applying = false; // a command is changing the grid: no new command for that
    // A change wrote values of the table shown in place, which leaves it where it was.
    bool m_shownValuesWritten = false;
    int m_editSession = 0;
};

} // namespace ParloxEd
