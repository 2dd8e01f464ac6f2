#include <Parlox/format/caselessbytes.h>

#include <Parlox/format/codepage.h>

#include <QString>
#include <array>

namespace Parlox::CodePage {
namespace {

// Each byte maps to the lowest byte whose character folds to the same character. Folding is
// one character to one here (Qt folds ß to itself, µ to a Greek letter no other byte has), so
// comparing mapped bytes is comparing folded texts.
struct FoldTable {
    std::array<unsigned char, 256> byte{};

    FoldTable()
    {
        std::array<char16_t, 256> folded{};
        for (int b = 0; b < 256; ++b) {
            const char raw = char(b);
            folded[size_t(b)] = decode(QByteArrayView(&raw, 1)).toCaseFolded().front().unicode();
        }
        for (int b = 0; b < 256; ++b) {
            int lowest = 0;
            while (folded[size_t(lowest)] != folded[size_t(b)])
                ++lowest;
            byte[size_t(b)] = static_cast<unsigned char>(lowest);
        }
    }
};

const FoldTable &foldTable()
{
    static const FoldTable table;
    return table;
}

unsigned char folded(const FoldTable &table, char c)
{
    return table.byte[static_cast<unsigned char>(c)];
}

} // namespace

bool operator==(CaselessBytes a, CaselessBytes b) noexcept
{
    if (a.bytes.size() != b.bytes.size())
        return false;
    if (a.bytes == b.bytes)
        return true;
    const FoldTable &table = foldTable();
    for (qsizetype i = 0; i < a.bytes.size(); ++i)
        if (folded(table, a.bytes[i]) != folded(table, b.bytes[i]))
            return false;
    return true;
}

// FNV-1a over the folded bytes.
size_t qHash(CaselessBytes text, size_t seed) noexcept
{
    const FoldTable &table = foldTable();
    quint64 hash = 14695981039346656037ULL ^ seed;
    for (const char c : text.bytes)
        hash = (hash ^ folded(table, c)) * 1099511628211ULL;
    return size_t(hash);
}

} // namespace Parlox::CodePage
