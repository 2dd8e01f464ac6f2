// Arbitrary bytes as a translations file given to the writers: the whole-file writer must
// give back what it read, and the in-place replacement must store the table, leave every
// other table as it was, give the same bytes when it stores the same table again, and refuse
// a damaged file without touching it. Any broken promise traps.
// Run: fuzz_lngwrite -max_len=4096 CORPUS_DIR (seed it with examples/sample.lng).
#include <Parlox/format/bytewriter.h>
#include <Parlox/format/errors.h>
#include <Parlox/format/lngfile.h>
#include <Parlox/format/tables.h>

#include <cstddef>
#include <cstdint>

using namespace Parlox;

namespace {

void require(bool promise)
{
    if (!promise)
        __builtin_trap();
}

// Read, written and read again: the same document, and the same bytes when written again.
void checkWholeFileWriter(const Lng::Document &doc)
{
    const QByteArray written = Lng::writeDocument(doc);
    const Lng::Image image(written);
    require(!image.problems(Lng::ProblemScope::Damage).isDamaged());
    const Lng::Document again = Lng::readDocument(image);
    require(again == doc);
    require(Lng::writeDocument(again) == written);
}

qsizetype find(const QList<Lng::Form> &forms, const QString &name)
{
    for (qsizetype i = 0; i < forms.size(); ++i)
        if (forms[i].name.compare(name, Qt::CaseInsensitive) == 0)
            return i;
    return -1;
}

// What the file must read as after the update: the entry renamed or added, its one table
// replaced, and the selector's languages, active language and messages in the directory.
Lng::Document expected(Lng::Document doc, const Lng::SectionUpdate &update)
{
    if (update.oldName != update.newName) {
        if (const qsizetype renamed = find(doc.forms, update.oldName); renamed >= 0)
            doc.forms[renamed].name = update.newName;
    }
    qsizetype at = find(doc.forms, update.newName);
    if (at < 0) {
        doc.forms.append({update.newName, {}, {}});
        at = doc.forms.size() - 1;
    }
    (update.kind == Lng::SectionKind::FormStrings ? doc.forms[at].formStrings
                                                  : doc.forms[at].userStrings) = update.table;
    doc.languages = update.languages;
    doc.messages = update.messages;
    doc.defaultIndex = qint32(Tables::indexOfLanguage(update.languages, update.activeLanguage));
    return doc;
}

// The update is drawn from the input's last bytes: which form, which section, renamed or not,
// and the table's size.
Lng::SectionUpdate drawUpdate(const QByteArray &bytes, const Lng::Document &doc)
{
    const auto pick = [&](qsizetype back) {
        return bytes.size() > back ? uchar(bytes[bytes.size() - 1 - back]) : 0;
    };
    const QString name = doc.forms.isEmpty() ? QStringLiteral("NewForm")
                                             : doc.forms[pick(0) % doc.forms.size()].name;
    QStringList table;
    for (int i = 0; i < pick(1) % 5; ++i)
        table << QStringLiteral("[C%1.Caption]").arg(i) << QString(pick(2) % 40, u'\xe9');
    return {name,
            pick(3) & 1 ? QStringLiteral("Renamed") : name,
            pick(3) & 2 ? Lng::SectionKind::UserStrings : Lng::SectionKind::FormStrings,
            table,
            doc.languages,
            doc.languages.value(0, QStringLiteral("English")),
            doc.messages};
}

// Bytes up to the end of the directory; what lies behind it is stale and may differ.
QByteArray meaningful(const QByteArray &file, const Lng::SectionUpdate &update)
{
    const Lng::Image image(file);
    const qint64 end =
        image.directoryOffset() + Lng::ByteWriter::directorySize(update.languages, update.messages,
                                                                 image.directory(false).forms);
    return file.left(end);
}

void checkInPlace(const QByteArray &bytes, const Lng::Document &before)
{
    const Lng::SectionUpdate update = drawUpdate(bytes, before);
    QByteArray file = bytes;
    try {
        if (!Lng::replaceSection(file, update)) {
            require(file == bytes);
            return;
        }
    } catch (const DamageError &) {
        require(file == bytes);
        require(Lng::Image(bytes).problems(Lng::ProblemScope::Damage).isDamaged());
        return;
    }
    require(file.size() >= bytes.size()); // never shortened
    const Lng::Document after = Lng::readDocument(Lng::Image(file));
    // Damage away from the replaced section is left as it was; a sound file stays sound and
    // reads back exactly as expected.
    if (Lng::Image(bytes).problems(Lng::ProblemScope::Damage).isDamaged()) {
        const Lng::Document wanted = expected(before, update);
        const qsizetype at = find(wanted.forms, update.newName);
        require(after.forms.value(at) == wanted.forms[at]);
        return;
    }
    require(after == expected(before, update));
    require(!Lng::Image(file).problems(Lng::ProblemScope::Damage).isDamaged());

    Lng::SectionUpdate repeat = update;
    repeat.oldName = repeat.newName;
    QByteArray again = file;
    require(Lng::replaceSection(again, repeat));
    require(meaningful(again, update) == meaningful(file, update));
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char *>(data), qsizetype(size));
    const Lng::Document before = Lng::readDocument(Lng::Image(bytes));
    checkWholeFileWriter(before);
    checkInPlace(bytes, before);
    return 0;
}
