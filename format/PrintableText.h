// Caller or stream text quoted in a message: every message that shows such
// text passes it through printableText, so that no control byte reaches a
// terminal. Also declared, as part of the parser's interface, in
// quillet/RibParser.h.
#ifndef QUILLET_FORMAT_PRINTABLETEXT_H
#define QUILLET_FORMAT_PRINTABLETEXT_H

#include <cstddef>
#include <string>

#include "quillet/Export.h"

namespace quillet {

// Bytes outside printable ASCII, and the backslash, become \n, \t, \\ or
// \xHH; everything else is kept.
QUILLET_API std::string printableText(const char *text, size_t length);
// The same for a C string; null is shown as empty text.
std::string printableText(const char *text);

}  // namespace quillet

#endif
