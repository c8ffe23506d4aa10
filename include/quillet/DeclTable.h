// The process-wide table of parameter declarations and its grammar.
#ifndef QUILLET_DECLTABLE_H
#define QUILLET_DECLTABLE_H

#include <cstdint>

#include "quillet/ParamDecl.h"
#include "quillet/ri.h"

namespace quillet {

struct ParsedDeclaration {
    ParamClass paramClass;
    ParamType type;
    int arrayLength;
};

// The declaration grammar: class word, type word, optional "[n]".
QUILLET_API ParsedDeclaration parseDeclaration(const char *declaration);
// True when a Declare request with this declaration declares a type, or
// only the name (null or empty text); false when its text names no type, so
// that the request is reported and its parameters never written.
QUILLET_API bool isReadableDeclaration(const char *declaration);
// Length of the class/type keyword prefix of an inline token, 0 for none.
QUILLET_API int inlinePrefixLength(const char *token);

// What a Declare request records: the declaration when it has any text,
// otherwise only the name, interned. Returns the token.
QUILLET_API RtToken declareRequest(const char *name, const char *declaration);

class QUILLET_API DeclTable {
public:
    static constexpr unsigned kBucketCount = 5003;

    static RtToken declare(const char *name, const char *declaration, const char *key, bool inlineDeclaration);
    static ParamDecl *lookup(RtToken token);
    static int declaredValueBytes(RtToken token);
    // How many times a named (not inline) declaration has been added or
    // changed in this process.
    static uint64_t changes();
    static SymbolTable &table();
};

}  // namespace quillet

#endif
