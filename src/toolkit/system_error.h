// The system's description of an error code, as the program's error texts quote it.
#pragma once

#include <string>

namespace toolkit {

// FormatMessageW's text for `error`, without its closing line break and full stop; empty when
// the system has none.
std::u16string SystemErrorText(unsigned long error);

} // namespace toolkit
