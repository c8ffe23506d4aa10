// Interning: one stored copy of every distinct string.
#include "decl/StringPool.h"

#include <cstring>
#include <mutex>

#include "decl/StringBlocks.h"
#include "quillet/SymbolTable.h"

namespace quillet {

namespace {
// Constant-initialised, so it is usable at any time, even during static
// initialisation and at exit.
StringBlocks blocks;
// Serialises the additions; finds of strings already there take no lock.
std::mutex additionLock;
}  // namespace

const StringBlocks &StringPool::storage() {
    return blocks;
}

const char *StringPool::intern(const char *text) {
    if (!text) return nullptr;
    SymbolTable &pool = table();
    if (SymbolEntry *entry = pool.find(text)) return entry->key;
    std::lock_guard<std::mutex> hold(additionLock);
    // Another thread may have added it meanwhile.
    if (SymbolEntry *entry = pool.find(text)) return entry->key;
    size_t n = std::strlen(text) + 1;
    char *copy = blocks.allocate(n);
    std::memcpy(copy, text, n);
    SymbolEntry *entry = new SymbolEntry(copy);
    // Refused once the table is released at exit: the copy is still valid.
    if (pool.insert(entry, false) != 0) delete entry;
    return copy;
}

}  // namespace quillet
