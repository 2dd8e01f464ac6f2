#include <Parlox/format/image.h>

#include <Parlox/format/directorywalk.h>
#include <Parlox/format/problemfinder.h>

namespace Parlox::Lng {

HeaderState Image::header() const
{
    if (m_data.size() < Magic.size())
        return HeaderState::TooShort;
    if (m_data.first(Magic.size()) != Magic)
        return HeaderState::WrongMagic;
    if (m_data.size() < HeaderSize)
        return HeaderState::NoOffset;
    return directoryOffset() < 1 ? HeaderState::NoDirectory : HeaderState::Valid;
}

qint32 Image::directoryOffset() const
{
    qint32 offset = 0;
    Cursor(m_data, DirectoryOffsetAt).readInt(offset);
    return offset;
}

Directory Image::directory(bool withTables, PackedLines *packedMessages) const
{
    Directory dir;
    if (header() != HeaderState::Valid)
        return dir;
    DirectoryWalk walk(m_data, directoryOffset(), nullptr, m_codec);
    walk.languages(withTables ? &dir.languages : nullptr);
    dir.defaultIndex = walk.defaultIndex();
    if (packedMessages) {
        // The directory is the file's last part: its messages take no more than the rest.
        packedMessages->reserve(0, m_data.size() - directoryOffset());
        walk.messages(packedMessages);
        packedMessages->squeeze();
    } else
        walk.messages(withTables ? &dir.messages : nullptr);
    walk.forms(dir.forms, nullptr);
    return dir;
}

QStringList Image::section(qint32 offset) const
{
    QStringList lines;
    if (offset > 0)
        DirectoryWalk(m_data, offset, nullptr, m_codec).section(&lines, {});
    return lines;
}

PackedLines Image::packedSection(qint32 offset) const
{
    PackedLines lines;
    if (offset > 0) {
        // Room for the file's bytes: an ASCII or Latin-1 table takes no more.
        lines.reserve(0, sectionLength(offset));
        DirectoryWalk(m_data, offset, nullptr, m_codec).packedSection(&lines);
    }
    return lines;
}

qint64 Image::sectionLength(qint32 offset) const
{
    if (offset <= 0 || offset >= m_data.size())
        return 0;
    DirectoryWalk walk(m_data, offset, nullptr);
    walk.section(nullptr, {});
    return walk.pos() - offset;
}

ProblemReport Image::problems(ProblemScope scope) const
{
    return ProblemFinder(m_data, scope, {}, m_codec).run();
}

ProblemReport Image::damageAround(qint32 offset) const
{
    return ProblemFinder(m_data, ProblemScope::Damage, offset, m_codec).run();
}

} // namespace Parlox::Lng
