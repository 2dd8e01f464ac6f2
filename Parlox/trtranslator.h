#pragma once

#include <Parlox/format/lngtypes.h>
#include <QLocale>
#include <QPointer>
#include <QTranslator>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

namespace Parlox {

class TParloxSelect;

// Serves Qt's tr() from a translations file: each tr() context is a form of the file, each
// text an entry of its user strings (keys as Exchange::TrKey writes them), so translators edit
// them in ParloxEd like any other table. It follows a selector: whenever a language becomes
// active it reloads that language's column from the selector's translations file, loads Qt's
// own texts (qtbase_*.qm) for it where Qt ships them, and installs both in the application,
// which sends LanguageChange to every window. A text missing from the file, or empty in the
// active language, falls back to the source text.
class TrTranslator : public QTranslator {
    Q_OBJECT

public:
    // Starts with the selector's active language when it has one.
    explicit TrTranslator(TParloxSelect &selector, QObject *parent = nullptr);
    ~TrTranslator() override;

    // Loads the texts of language (case ignored) from document without installing anything;
    // for callers that keep the tables themselves. Returns the number of texts loaded.
    qsizetype load(const Lng::Document &document, const QString &language);

    QString translate(const char *context, const char *sourceText,
                      const char *disambiguation = nullptr, int n = -1) const override;
    bool isEmpty() const override { return m_contexts.empty(); }

private:
    void activate(const QString &language);
    void uninstall();

    struct StringHash {
        using is_transparent = void;
        size_t operator()(std::string_view text) const noexcept
        {
            return std::hash<std::string_view>{}(text);
        }
    };
    template <typename T>
    using StringMap = std::unordered_map<std::string, T, StringHash, std::equal_to<>>;

    struct Message {
        std::string disambiguation;
        // One text, or one per plural form; an empty text is not translated.
        std::vector<QString> forms;
    };
    using Messages = StringMap<std::vector<Message>>;

    QPointer<TParloxSelect> m_selector;
    StringMap<Messages> m_contexts;
    QLocale m_locale;
    QTranslator m_qt;
    bool m_installed = false;
};

} // namespace Parlox
