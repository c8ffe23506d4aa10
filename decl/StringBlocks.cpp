// Block storage of the string pool.
#include "decl/StringBlocks.h"

#include <cstring>
#include <functional>

namespace quillet {

char *StringBlocks::allocate(size_t n) {
    if (n > kLongestShared) {
        char *allocation = new char[sizeof longStrings + n];
        std::memcpy(allocation, &longStrings, sizeof longStrings);
        longStrings = allocation;
        return allocation + sizeof longStrings;
    }
    StringBlock *block = newest;
    while (block && !(block->used + n + 1 < StringBlock::kSize)) block = block->next;
    if (!block) {
        block = new StringBlock;
        block->used = 0;
        block->next = newest;
        newest = block;
        ++count;
    }
    char *storage = block->data + block->used;
    block->used += static_cast<int32_t>(n);
    return storage;
}

int StringBlocks::blockIndexOf(const char *p) const {
    int index = 0;
    std::less_equal<const char *> notAfter;
    for (const StringBlock *block = newest; block; block = block->next, ++index)
        if (notAfter(block->data, p) && !notAfter(block->data + StringBlock::kSize, p)) return index;
    return -1;
}

int StringBlocks::blockUsed(int index) const {
    const StringBlock *block = newest;
    for (; block && index > 0; --index) block = block->next;
    return block && index == 0 ? block->used : -1;
}

}  // namespace quillet
