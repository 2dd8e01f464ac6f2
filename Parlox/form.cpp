#include <Parlox/form.h>

#include <Parlox/flatfile.h>
#include <Parlox/format/errors.h>
#include <Parlox/format/tables.h>
#include <Parlox/formpaths.h>
#include <Parlox/formstringindex.h>
#include <Parlox/platform/application.h>
#include <Parlox/platform/componentkinds.h>
#include <Parlox/platform/formcomponents.h>
#include <Parlox/platform/logging.h>
#include <Parlox/platform/publishedproperties.h>
#include <Parlox/platform/standarddialogs.h>
#include <Parlox/select.h>
#include <Parlox/translationextension.h>
#include <Parlox/translationplan.h>

#include <QScopeGuard>
#include <QSet>
#include <QWidget>

namespace Parlox {
namespace {

TParloxForm::DesignHooks &installedHooks()
{
    static TParloxForm::DesignHooks hooks;
    return hooks;
}

// The translators of a form, its sub-forms' excluded, named or not.
QList<TParloxForm *> translatorsOf(const QWidget *form)
{
    QList<TParloxForm *> found = form->findChildren<TParloxForm *>();
    found.removeIf([form](const TParloxForm *t) { return t->owningForm() != form; });
    return found;
}

void showDesignError(const QString &text)
{
    Platform::showMessageBox(QMessageBox::Critical, QStringLiteral("Error"), text, QMessageBox::Ok);
}

enum class LineBreaks { AsStored, Substituted };

// Writes a looked-up text; the empty text leaves the property as it is.
void writeText(QObject &target, QStringView property, const QString &value,
               LineBreaks lineBreaks = LineBreaks::AsStored)
{
    if (value.isEmpty())
        return;
    Platform::setTextProperty(
        &target, property,
        lineBreaks == LineBreaks::Substituted ? FormPaths::restoreLineBreaks(value) : value);
}

// A memo's item is one line of its text: a line break inside a value would add lines.
QString asOneLine(QString value)
{
    for (QChar &c : value) {
        if (c == u'\n' || c == u'\r' || c == QChar::ParagraphSeparator || c == QChar::LineSeparator)
            c = u' ';
    }
    return value;
}

// Replaces the existing items of a string list; the list keeps its item count.
// lines: the component is a memo.
void writeItems(QObject &component, QStringView property, const QString &prefix,
                const FormStringIndex::Language &index, bool lines)
{
    const int count = Platform::itemCount(&component, property).value_or(0);
    for (int n = 0; n < count; ++n) {
        const QString value = index.value(prefix + QString::number(n));
        if (!value.isEmpty())
            Platform::setItem(&component, property, n, lines ? asOneLine(value) : value);
    }
}

// Keys naming a component the window does not have: stored texts and code disagree (one of them
// renamed a component), and the text is never shown.
void warnOfKeysWithoutComponent(const QString &formName, const QStringList &table,
                                qsizetype languageCount,
                                const QList<Platform::NamedComponent> &components)
{
    QSet<QString> names{QStringLiteral("form")};
    for (const Platform::NamedComponent &component : components)
        names.insert(component.name.toCaseFolded());
    for (qsizetype line = 0; line < table.size(); line += languageCount + 1) {
        const QString &key = table[line];
        if (!Tables::isFormKey(key))
            return;
        const QString component = key.mid(1).section(u'.', 0, 0);
        if (!names.contains(component.toCaseFolded()))
            qCWarning(parloxLog) << "The key" << key << "of" << formName
                                 << "names no component of the window";
    }
}

} // namespace

void TParloxForm::setDesignHooks(DesignHooks hooks)
{
    installedHooks() = std::move(hooks);
}

const TParloxForm::DesignHooks &TParloxForm::designHooks()
{
    return installedHooks();
}

// Runs before the QObject base joins the owner, so a refused translator never appears among
// the form's children.
QObject *TParloxForm::admitted(QObject *owner)
{
    const QWidget *form = Platform::owningForm(owner);
    if (!form)
        throw ComponentError(QStringLiteral("A TParloxForm must be placed on a form."));
    if (!translatorsOf(form).isEmpty())
        throw ComponentError(
            QStringLiteral("You could not create two TParloxForm components in the same form."));
    return owner;
}

TParloxForm::TParloxForm(QObject *owner)
    : QObject(admitted(owner)), m_form(Platform::owningForm(owner))
{
    linkSelectorsOf(m_form);
    setAutoUpdate(true);
}

TParloxForm::~TParloxForm()
{
    if (m_autoUpdate && designHooks().detachAutoUpdate)
        designHooks().detachAutoUpdate(*this);
    setPxLanguageSelector(nullptr);
}

// Every selector of the form is linked in turn; the last one stays.
void TParloxForm::linkSelectorsOf(const QWidget *form)
{
    if (!form)
        return;
    for (QObject *component : Platform::componentList(form)) {
        if (auto *selector = qobject_cast<TParloxSelect *>(component))
            setPxLanguageSelector(selector);
    }
}

void TParloxForm::setPxLanguageSelector(TParloxSelect *selector)
{
    if (m_selector) {
        unwatchRemoval(m_selector);
        m_selector->RemoveForm(this);
    }
    m_selector = selector;
    if (m_selector) {
        watchRemoval(m_selector);
        m_selector->AddForm(this);
        if (isDesigning())
            setLanguage(m_selector->ActiveLanguage());
    }
}

void TParloxForm::removalNotice(Platform::Component *gone)
{
    if (gone == m_selector)
        m_selector = nullptr;
}

void TParloxForm::setLanguage(const QString &language)
{
    if (!isDesigning()) {
        if (isLoading())
            m_language = language;
        return;
    }
    if (isLoading())
        return;
    if (!m_selector) {
        showDesignError(QStringLiteral("You first must link the TParloxSelect component."));
        return;
    }
    if (Tables::indexOfLanguage(m_selector->Languages(), language) < 0) {
        if (!language.isEmpty())
            showDesignError(
                QStringLiteral("You must first create the language ") + language +
                QStringLiteral(" before use it.\rDo it in the TParloxSelect component."));
        return;
    }
    if (language == m_language)
        return;
    collectAtDesignTime();
    const bool showing = !m_language.isEmpty();
    m_language = language;
    if (showing)
        ApplyLanguage(language);
}

void TParloxForm::setAutoUpdate(bool on)
{
    // Only a form designer can be attached to; a running program never is.
    if (!isDesigning())
        return;
    const DesignHooks &hooks = designHooks();
    if (isLoading()) {
        // Whatever value was stored, a translator read into a designer attaches once it can.
        if (on && hooks.retryAutoUpdate)
            hooks.retryAutoUpdate(*this);
        return;
    }
    if (on == m_autoUpdate)
        return;
    if (on) {
        m_autoUpdate = hooks.attachAutoUpdate && hooks.attachAutoUpdate(*this);
    } else {
        if (hooks.detachAutoUpdate)
            hooks.detachAutoUpdate(*this);
        m_autoUpdate = false;
    }
}

void TParloxForm::collectAtDesignTime()
{
    if (isDesigning() && m_autoRead && designHooks().collectFormStrings)
        designHooks().collectFormStrings(*this);
}

void TParloxForm::LanguageChanged(const QString &language)
{
    if (language == m_language)
        return;
    collectAtDesignTime();
    showLanguage(language);
}

void TParloxForm::showLanguage(const QString &language)
{
    m_language = language;
    ApplyLanguage(language);
}

QString TParloxForm::LookupFormString(const QString &path, const QString &language) const
{
    if (!m_selector)
        return {};
    const qsizetype keyLine = Tables::indexOfKey(m_formStrings, FormPaths::key(path));
    return FormPaths::valueAfterKey(m_formStrings, keyLine,
                                    Tables::indexOfLanguage(m_selector->Languages(), language));
}

void TParloxForm::ApplyLanguage(const QString &language)
{
    if (!m_selector || m_selector->Languages().isEmpty() || !m_form)
        return;
    const bool flatFile = m_selector->TranslationsAre() == InFlatFile;
    // In flat-file mode the table lives in the file; it is dropped again however this ends.
    const auto dropTable = qScopeGuard([this, flatFile] {
        if (flatFile)
            m_formStrings.clear();
    });
    std::shared_ptr<const FormStringIndex> index;
    if (flatFile) {
        index = FlatFile::FormStringsSection(*m_selector, m_form->objectName());
        if (index)
            m_formStrings = index->table();
    }
    if (!index)
        index = formStringIndex();

    const FormStringIndex::Language lookup{
        *index, Tables::indexOfLanguage(m_selector->Languages(), language)};
    writeText(*m_form, u"Caption", lookup.value(u"Form.Caption"), LineBreaks::Substituted);
    writeText(*m_form, u"Hint", lookup.value(u"Form.Hint"), LineBreaks::Substituted);
    // The plan keeps what the components' names and classes decide; a nested call (from a
    // slot or an extension) may change it, so each entry is copied before use.
    const QList<Platform::NamedComponent> components = Platform::namedComponentList(m_form);
    if (!std::exchange(m_keysChecked, true))
        warnOfKeysWithoutComponent(m_form->objectName(), index->table(),
                                   m_selector->Languages().size(), components);
    for (qsizetype i = 0; i < components.size(); ++i) {
        QObject &component = *components[i].object;
        const TranslationPlan::Entry entry = m_plan.entry(i, component, components[i].name, index);
        applyToComponent(component, entry, lookup, language);
    }
    m_plan.end(components.size());
}

// Built once per table: a table changed through FormStrings() no longer shares the index's
// lines, and gets a new index at the next call.
std::shared_ptr<const FormStringIndex> TParloxForm::formStringIndex()
{
    if (!m_formStringIndex || !m_formStringIndex->isIndexOf(m_formStrings))
        m_formStringIndex = std::make_shared<const FormStringIndex>(m_formStrings);
    return m_formStringIndex;
}

void TParloxForm::applyToComponent(QObject &component, const TranslationPlan::Entry &entry,
                                   const FormStringIndex::Language &lookup, const QString &language)
{
    // Unnamed components have no paths; charts keep their own texts.
    if (entry.skipped)
        return;
    // Only hints are stored with line-break substitutes.
    static constexpr auto lineBreaks = [] {
        std::array<LineBreaks, TranslationPlan::TextProperties.size()> kinds{};
        kinds.fill(LineBreaks::AsStored);
        kinds[1] = LineBreaks::Substituted;
        return kinds;
    }();
    for (size_t p = 0; p < entry.keyLines.size(); ++p) {
        if (entry.keyLines[p] >= 0)
            writeText(component, TranslationPlan::TextProperties[p],
                      lookup.valueAt(entry.keyLines[p]), lineBreaks[p]);
    }
    for (TranslationExtension *extension : std::as_const(m_selector->extensions()))
        extension->apply(*this, component, language);
    // A missing list property has no items.
    if (entry.memo)
        writeItems(component, u"Lines", entry.prefix, lookup, true);
    if (entry.items)
        writeItems(component, u"Items", entry.prefix, lookup, entry.memo);
    if (entry.pages)
        writeItems(component, u"Pages", entry.prefix, lookup, entry.memo);
    if (entry.headers)
        writeItems(component, u"Headers", entry.prefix, lookup, false);
    if (entry.buttons)
        writeItems(component, u"Buttons", entry.prefix, lookup, false);
}

QString TParloxForm::GetUserString(const QString &identifier)
{
    if (!m_selector)
        return {};
    const bool flatFile = m_selector->TranslationsAre() == InFlatFile;
    const auto dropTable = qScopeGuard([this, flatFile] {
        if (flatFile)
            m_userStrings.clear();
    });
    qsizetype keyLine = -1;
    if (flatFile) {
        // The section read from the file stands for UserStrings during the call.
        const auto section =
            FlatFile::UserStringsSection(*m_selector, m_form ? m_form->objectName() : QString());
        m_userStrings = section->table();
        keyLine = section->keyLine(identifier);
    } else {
        keyLine = Tables::indexOfKey(m_userStrings, u'%' + identifier + u'%');
    }
    if (keyLine < 0)
        return {};
    // With the active language unlisted this is the key line itself; an entry cut short by
    // the end of the table has no line to give.
    const qsizetype line = keyLine + 1 + m_selector->activeIndex();
    if (line >= m_userStrings.size())
        return {};
    return Tables::expandLineBreaks(m_userStrings.at(line));
}

void TParloxForm::convertOldKeys()
{
    if (m_selector && m_selector->TranslationsAre() == InExe &&
        FormPaths::hasOldKeys(m_formStrings))
        FormPaths::convertOldKeys(m_formStrings, m_selector->Languages().size(),
                                  m_form ? m_form->objectName() : QString());
}

void TParloxForm::loaded()
{
    Component::loaded();
    if (m_form)
        m_storedFormName = m_form->objectName();
    convertOldKeys();
    if (!isDesigning() && !m_selector) {
        const QWidget *mainForm = Platform::Application::instance().mainForm();
        if (!mainForm)
            linkSelectorsOf(m_form);
        else if (Platform::componentList(mainForm).size() > 1)
            linkSelectorsOf(mainForm);
    }
    if (!m_selector && !isDesigning())
        qCWarning(parloxLog) << "The translator of" << (m_form ? m_form->objectName() : QString())
                             << "is linked to no TParloxSelect: its window keeps its texts";
    if (m_selector && !m_selector->ActiveLanguage().isEmpty()) {
        showLanguage(m_selector->ActiveLanguage());
        collectAtDesignTime();
    }
}

} // namespace Parlox
