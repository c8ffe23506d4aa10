// A chained hash table with a fixed number of buckets, nested scopes, levels
// and lookup statistics. Keys are strings that the table does not own.
#ifndef QUILLET_SYMBOLTABLE_H
#define QUILLET_SYMBOLTABLE_H

#include <cstdint>
#include <cstdio>

#include "quillet/Export.h"

namespace quillet {

class QUILLET_API SymbolEntry {
public:
    explicit SymbolEntry(const char *key);
    virtual ~SymbolEntry();

    const char *key;
    uint32_t hash;
    int32_t level;
    int32_t scope;
    SymbolEntry *next;
};

class QUILLET_API SymbolTable {
public:
    static const int kScopeDepth = 256;

    explicit SymbolTable(uint32_t bucketCount);
    ~SymbolTable();
    SymbolTable(const SymbolTable &) = delete;
    SymbolTable &operator=(const SymbolTable &) = delete;

    // The ELF (PJW) hash; a null key hashes to 0.
    static uint32_t hash(const char *key);

    // Adds the entry, which the table then owns: 0, or 1 when the key was
    // there already (a refused duplicate stays the caller's). -1 when the
    // table has been released: nothing is added and the caller keeps it.
    int insert(SymbolEntry *entry, bool allowDuplicate);
    SymbolEntry *find(const char *key);
    SymbolEntry *findNext(SymbolEntry *entry);
    void removeLevel(int32_t level);
    void pushScope();
    void popScope(int discard);
    void forEach(void (*function)(SymbolEntry *entry, void *context), void *context);
    void printStatistics(FILE *stream) const;
    // Deletes every entry and frees the buckets; the table stays usable as an
    // empty table without buckets (finds miss, inserts are refused with -1).
    void release();

    SymbolEntry **buckets;
    uint32_t bucketCount;
    int32_t currentLevel;
    int32_t currentScope;
    int32_t nextScope;
    int32_t scopeStack[kScopeDepth];
    int32_t scopeTop;
    int32_t lookups, found, misses, chainSteps, entriesAdded, distinctBuckets;
    // Character-by-character key comparisons actually made (keys that are the
    // same pointer, or whose hashes differ, need none). Not in the report.
    int32_t stringCompares;
    // Pushes refused because the scope stack was full; the matching pops are
    // refused too, so pushes and pops stay paired.
    int32_t refusedPushes;

private:
    bool keysEqual(const char *a, const char *b);
    bool visible(const SymbolEntry *entry, int32_t scope) const;
};

}  // namespace quillet

#endif
