#pragma once

#include <QObject>
#include <QTranslator>

namespace Parlox {
class TParloxSelect;
} // namespace Parlox

namespace ParloxEd {

class EditorDocument;

// Carries a switch of the editor's interface language beyond its stored form: the texts the
// editor composes itself (table names, column titles, counts, checks) are fetched again, and
// Qt's own texts (the open dialog's labels and buttons, the input box's) follow from Qt's
// translations of the language where they are installed. Without them Qt speaks English.
class InterfaceLanguage : public QObject {
    Q_OBJECT

public:
    InterfaceLanguage(EditorDocument &document, Parlox::TParloxSelect &selector, QObject *parent);
    ~InterfaceLanguage() override;

private:
    void loadQtTexts(const QString &language);

    QTranslator m_qt;
    bool m_installed = false;
};

} // namespace ParloxEd
