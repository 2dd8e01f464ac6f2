#pragma once

#include <QByteArrayView>
#include <QStringList>

// A structural check of a translations file, independent of the readers: they quietly
// tolerate damage (a count past the end of the file reads as missing lines), the check
// reports it.
namespace Parlox::LngCheck {

// One line per problem, in file order; empty for a sound file. Every read is bounded by the
// data, and nothing is allocated for lines a count claims but the file does not hold.
QStringList check(QByteArrayView file);

} // namespace Parlox::LngCheck
