#pragma once

#include <Parlox/format/textcodec.h>

#include <QObject>

class QActionGroup;
class QLabel;
class QMenu;

namespace ParloxEd {

class EditorDocument;
class MainFormUi;
class UserDialogs;

// File > Encoding, after Recent files: every encoding a translations file may be in, the
// document's checked. Choosing one runs the document's encoding command and says why it could
// not; the status area shows the document's encoding. The encodings used are remembered per
// file in the user's settings, where the document looks on open.
class EncodingMenu : public QObject {
    Q_OBJECT

public:
    EncodingMenu(EditorDocument &document, const MainFormUi &ui, const UserDialogs &dialogs,
                 QObject *parent);

private:
    void choose(Parlox::Encoding encoding);
    void show();
    void retranslate();

    EditorDocument &m_document;
    const UserDialogs &m_dialogs;
    QMenu *m_menu;
    QActionGroup *m_items;
    QLabel *m_state;
};

} // namespace ParloxEd
