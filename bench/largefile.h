#pragma once

// The translations file at the size of a large application: about a million lines, 30 MB, in
// two languages. Forms grow in size (form i holds a share proportional to i + 1); four fifths
// of each form's entries are form strings and the rest user strings.
#include <Parlox/format/lngfile.h>

#include <QStringList>

namespace LargeFile {

constexpr int FormCount = 50;
constexpr int EntryCount = 330'000;

inline QStringList table(int form, int entries, QChar delimiter)
{
    QStringList lines;
    lines.reserve(entries * 3);
    for (int e = 0; e < entries; ++e) {
        const QString id = QString::number(form * 1'000'000 + e);
        lines << (delimiter == u'[' ? QStringLiteral("[Component%1.Caption]").arg(id)
                                    : QStringLiteral("%MESSAGE_%1%").arg(id))
              << QStringLiteral("English text of item %1").arg(id)
              << QStringLiteral("Texto en español, elemento %1").arg(id);
    }
    return lines;
}

inline Parlox::Lng::Document makeDocument()
{
    Parlox::Lng::Document doc;
    doc.languages = {QStringLiteral("English"), QStringLiteral("Español")};
    doc.defaultIndex = 0;
    for (int i = 0; i < 15; ++i)
        doc.messages << QStringLiteral("&Message%1&").arg(i) << QStringLiteral("Message")
                     << QStringLiteral("Mensaje");
    constexpr int shares = FormCount * (FormCount + 1) / 2;
    for (int i = 0; i < FormCount; ++i) {
        const int entries = EntryCount * (i + 1) / shares;
        doc.forms.append({QStringLiteral("Form%1").arg(i), table(i, entries * 4 / 5, u'['),
                          table(i, entries - entries * 4 / 5, u'%')});
    }
    return doc;
}

inline const Parlox::Lng::Document &document()
{
    static const Parlox::Lng::Document doc = makeDocument();
    return doc;
}

inline const QByteArray &bytes()
{
    static const QByteArray file = Parlox::Lng::writeDocument(document());
    return file;
}

} // namespace LargeFile
