// Storage for interned strings: short ones share 1024-byte blocks, longer ones
// get an allocation of their own. Nothing is ever moved or released.
#ifndef QUILLET_STRINGBLOCKS_H
#define QUILLET_STRINGBLOCKS_H

#include <cstddef>
#include <cstdint>

namespace quillet {

struct StringBlock {
    static const int kSize = 1024;
    char data[kSize];
    int32_t used;
    StringBlock *next;  // the block created before this one
};

class StringBlocks {
public:
    // Longest string, terminator included, that is placed in a block.
    static const size_t kLongestShared = 16;

    constexpr StringBlocks() : newest(nullptr), count(0), longStrings(nullptr) {}

    // Storage for n bytes (terminator included): in the first block, newest
    // first, with used + n + 1 < 1024, else in a new block; an allocation of
    // its own when n is over 16 (chained, so that it stays reachable).
    // Nothing is ever released.
    char *allocate(size_t n);

    int blockCount() const { return count; }
    // 0 for the newest block, 1 for the one before, ...; -1 when p is not in a block.
    int blockIndexOf(const char *p) const;
    // Bytes given out of the block with that index (0 = newest), -1 if none.
    int blockUsed(int index) const;

private:
    StringBlock *newest;
    int count;
    void *longStrings;  // each starts with a pointer to the one made before
};

}  // namespace quillet

#endif
