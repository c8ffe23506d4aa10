// Comparing a token with a word of the interface.
#ifndef QUILLET_TOKENWORDS_H
#define QUILLET_TOKENWORDS_H

#include <cstring>

#include "quillet/ri.h"

namespace quillet {

// Exact, case-sensitive comparison; a null token matches nothing.
inline bool isToken(RtToken token, const char *word) {
    return token != nullptr && std::strcmp(token, word) == 0;
}

}  // namespace quillet

#endif
