#pragma once

#include <QByteArrayView>

namespace Parlox::CodePage {

// Encoded text compared and hashed without regard to case, straight from its bytes: two are
// equal exactly when their decoded texts are equal after toCaseFolded(). Lets a check compare
// a whole file's keys without decoding any of them.
struct CaselessBytes {
    QByteArrayView bytes;
    friend bool operator==(CaselessBytes a, CaselessBytes b) noexcept;
};

size_t qHash(CaselessBytes text, size_t seed = 0) noexcept;

} // namespace Parlox::CodePage
