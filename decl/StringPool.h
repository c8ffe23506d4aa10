// The one stored copy of every string handed to it; nothing is ever released.
#ifndef QUILLET_STRINGPOOL_H
#define QUILLET_STRINGPOOL_H

#include "quillet/Export.h"

namespace quillet {

class SymbolTable;
class StringBlocks;

class QUILLET_API StringPool {
public:
    static const int kBlockSize = 1024;
    static const unsigned kBucketCount = 12289;

    // The pool's copy of text (created on first use); null for null.
    static const char *intern(const char *text);
    static SymbolTable &table();
    // Where the pool's strings are stored.
    static const StringBlocks &storage();
};

}  // namespace quillet

#endif
