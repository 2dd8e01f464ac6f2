#include <Parlox/trtranslator.h>

#include <Parlox/exchange/plurals.h>
#include <Parlox/exchange/trkey.h>
#include <Parlox/flatfile.h>
#include <Parlox/format/errors.h>
#include <Parlox/format/image.h>
#include <Parlox/format/lngfile.h>
#include <Parlox/format/lockedfile.h>
#include <Parlox/format/tables.h>
#include <Parlox/select.h>

#include <QCoreApplication>
#include <QLibraryInfo>
#include <algorithm>

namespace Parlox {
namespace {

// A damaged directory naming one section for many tables would make a small file read as
// gigabytes of tables; such a file is not read at all.
bool sharesSections(const Lng::Image &image)
{
    const Lng::ProblemReport damage = image.problems(Lng::ProblemScope::Damage);
    return damage.count(Lng::ProblemKind::SharedSection) > 0 ||
           damage.count(Lng::ProblemKind::OverlappingSection) > 0;
}

} // namespace

TrTranslator::TrTranslator(TParloxSelect &selector, QObject *parent)
    : QTranslator(parent), m_selector(&selector), m_locale(QLocale::c())
{
    connect(&selector, &TParloxSelect::languageActivated, this, &TrTranslator::activate);
    if (!selector.isLoading() && !selector.ActiveLanguage().isEmpty())
        activate(selector.ActiveLanguage());
}

TrTranslator::~TrTranslator()
{
    uninstall();
}

void TrTranslator::uninstall()
{
    if (!m_installed)
        return;
    QCoreApplication::removeTranslator(this);
    QCoreApplication::removeTranslator(&m_qt);
    m_installed = false;
}

void TrTranslator::activate(const QString &language)
{
    // Out of the application while the tables change, so no lookup sees them half built.
    uninstall();
    Lng::Document document;
    try {
        const QByteArray bytes = LockedFile(FlatFile::ResolveTranslationsPath(*m_selector),
                                            LockedFile::Access::SharedRead)
                                     .readAll();
        const Lng::Image image(bytes, m_selector->translationsEncoding());
        if (image.header() == Lng::HeaderState::Valid && !sharesSections(image))
            document = Lng::readDocument(image);
    } catch (const Error &) {
        // Without its file the application shows its source texts; the selector has already
        // told the user that the file is missing.
    }
    load(document, language);
    const bool qtTexts = m_locale != QLocale::c() &&
                         m_qt.load(m_locale, QStringLiteral("qtbase"), QStringLiteral("_"),
                                   QLibraryInfo::path(QLibraryInfo::TranslationsPath));
    // Installed last, this translator is asked first; Qt's texts answer what it lacks.
    if (qtTexts)
        QCoreApplication::installTranslator(&m_qt);
    QCoreApplication::installTranslator(this);
    m_installed = true;
}

qsizetype TrTranslator::load(const Lng::Document &document, const QString &language)
{
    m_contexts.clear();
    m_locale = Exchange::Plurals::localeOf(language);
    const qsizetype column = Tables::indexOfLanguage(document.languages, language);
    if (column < 0)
        return 0;
    qsizetype count = 0;
    const qsizetype stride = document.languages.size() + 1;
    for (const Lng::Form &form : document.forms) {
        Messages &messages = m_contexts[form.name.toStdString()];
        for (qsizetype k = 0; k + stride <= form.userStrings.size(); k += stride) {
            const QString &value = form.userStrings[k + 1 + column];
            const std::optional<Exchange::TrKey> key = Exchange::TrKey::parse(form.userStrings[k]);
            // An empty later form still marks the text as plural, so that its count never
            // takes the first form's text.
            if (!key || (value.isEmpty() && key->form == 0))
                continue;
            std::vector<Message> &variants = messages[key->source.toStdString()];
            const std::string disambiguation = key->disambiguation.toStdString();
            auto found = std::find_if(variants.begin(), variants.end(), [&](const Message &m) {
                return m.disambiguation == disambiguation;
            });
            if (found == variants.end())
                found = variants.insert(variants.end(), {disambiguation, {}});
            if (found->forms.size() <= size_t(key->form))
                found->forms.resize(key->form + 1);
            // Left null when empty: Qt takes any non-null answer as the translation.
            if (!value.isEmpty()) {
                found->forms[key->form] = Exchange::visibleText(value);
                ++count;
            }
        }
        if (messages.empty())
            m_contexts.erase(form.name.toStdString());
    }
    return count;
}

QString TrTranslator::translate(const char *context, const char *sourceText,
                                const char *disambiguation, int n) const
{
    if (!context || !sourceText)
        return {};
    const auto contextFound = m_contexts.find(std::string_view(context));
    if (contextFound == m_contexts.end())
        return {};
    const auto sourceFound = contextFound->second.find(std::string_view(sourceText));
    if (sourceFound == contextFound->second.end())
        return {};
    const std::string_view wanted = disambiguation ? disambiguation : "";
    for (const Message &message : sourceFound->second) {
        if (message.disambiguation != wanted)
            continue;
        const size_t form = n >= 0 && message.forms.size() > 1
                                ? size_t(Exchange::Plurals::formIndex(m_locale, n))
                                : 0;
        return form < message.forms.size() ? message.forms[form] : QString();
    }
    return {};
}

} // namespace Parlox
