#include "powriter.h"

#include "catalog.h"
#include <Parlox/format/valuechecks.h>

#include <algorithm>

namespace Parlox::PoWriter {
namespace {

QByteArray escaped(QStringView text)
{
    QByteArray out;
    for (const char c : text.toUtf8()) {
        switch (c) {
        case '\\':
            out += "\\\\";
            break;
        case '"':
            out += "\\\"";
            break;
        case '\n':
            out += "\\n";
            break;
        case '\r':
            out += "\\r";
            break;
        case '\t':
            out += "\\t";
            break;
        default:
            // Other control characters as octal escapes, which every PO reader knows.
            if (uchar(c) < 0x20 || c == 0x7F)
                out += '\\' + QByteArray::number(uchar(c), 8).rightJustified(3, '0');
            else
                out += c;
        }
    }
    return out;
}

// A text with line breaks inside is written one line per string after an empty first string,
// as gettext's own tools write it.
QByteArray field(QByteArrayView keyword, QStringView text)
{
    const qsizetype inner = text.indexOf(u'\n');
    if (inner < 0 || inner == text.size() - 1)
        return keyword.toByteArray() + " \"" + escaped(text) + "\"\n";
    QByteArray out = keyword.toByteArray() + " \"\"\n";
    for (qsizetype start = 0; start < text.size();) {
        const qsizetype end = text.indexOf(u'\n', start);
        const qsizetype next = end < 0 ? text.size() : end + 1;
        out += '"' + escaped(text.sliced(start, next - start)) + "\"\n";
        start = next;
    }
    return out;
}

// The unit's identifier as a reference that survives tools which drop msgctxt. A reference
// ends at white space and a colon starts its line number, so those, "%" and control
// characters are %XX-escaped, as translate-toolkit reads them.
QByteArray reference(QStringView id)
{
    return "#: " + id.toUtf8().toPercentEncoding("!\"#$&'()*+,/;<=>?@[\\]^`{|}~") + '\n';
}

bool isQtPlaceholder(QStringView placeholder)
{
    return placeholder.size() > 1 && (placeholder[1].isDigit() || placeholder[1] == u'L');
}

// qt-format when the text has Qt's %1 to %99, c-format when it has printf's conversions and
// every other "%" is a "%%", so that msgfmt -c and pofilter compare the translation's
// placeholders with the same ones the source has.
QByteArray formatFlag(QStringView source)
{
    const QStringList found = ValueChecks::placeholders(source);
    if (found.isEmpty())
        return {};
    if (std::any_of(found.cbegin(), found.cend(), isQtPlaceholder))
        return "#, qt-format\n";
    const qsizetype others =
        source.count(u'%') - 2 * ValueChecks::lineBreakCount(source) - found.size();
    return others == 0 ? QByteArray("#, c-format\n") : QByteArray();
}

QString header(const Catalog &catalog)
{
    return QStringLiteral("Project-Id-Version: %1\n"
                          "PO-Revision-Date: %2\n"
                          "Last-Translator: \n"
                          "Language-Team: %3\n"
                          "Language: %4\n"
                          "MIME-Version: 1.0\n"
                          "Content-Type: text/plain; charset=UTF-8\n"
                          "Content-Transfer-Encoding: 8bit\n"
                          "X-Source-Language: %5\n")
        .arg(catalog.fileName,
             catalog.revised.toUTC().toString(QStringLiteral("yyyy-MM-dd HH:mm+0000")),
             catalog.targetLanguage, QString(catalog.targetCode).replace(u'-', u'_'),
             QString(catalog.sourceCode).replace(u'-', u'_'));
}

} // namespace

QByteArray write(const Catalog &catalog)
{
    QByteArray out = field("msgid", {}) + field("msgstr", header(catalog));
    for (const TranslationUnit &unit : catalog.units)
        out += '\n' + reference(unit.id) + formatFlag(unit.source) + field("msgctxt", unit.id) +
               field("msgid", unit.source) + field("msgstr", unit.target);
    return out;
}

} // namespace Parlox::PoWriter
