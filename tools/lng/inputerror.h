#pragma once

#include <Parlox/format/errors.h>

namespace Parlox {

// Input that a tool cannot use: a file that is not a translations file, or JSON that does not
// have the shape the tool expects. The message names what is wrong and where.
class InputError : public Error {
public:
    using Error::Error;
};

} // namespace Parlox
