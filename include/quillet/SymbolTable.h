// A chained hash table with a fixed number of buckets, nested scopes, levels
// and lookup statistics. Keys are strings that the table does not own.
//
// Finds may run on any number of threads while one thread inserts: an entry
// is linked in whole, and inserted entries are never moved. Inserts must be
// serialised by their callers; removing levels and scopes, and releasing the
// table, must not overlap any other use.
#ifndef QUILLET_SYMBOLTABLE_H
#define QUILLET_SYMBOLTABLE_H

#include <atomic>
#include <cstdint>
#include <cstdio>
#include <limits>

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

// A statistics counter that finds on several threads may bump at once: exact
// on one thread, it may miss counts while threads race. It stops at the
// largest int32_t instead of overflowing.
class StatCounter {
public:
    StatCounter(int32_t value = 0) : count(value) {}
    StatCounter(const StatCounter &other) : count(int32_t(other)) {}
    StatCounter &operator=(const StatCounter &other) { return *this = int32_t(other); }
    StatCounter &operator=(int32_t value) {
        count.store(value, std::memory_order_relaxed);
        return *this;
    }
    operator int32_t() const { return count.load(std::memory_order_relaxed); }
    void bump() {
        const int32_t value = *this;
        if (value < std::numeric_limits<int32_t>::max()) *this = value + 1;
    }

private:
    std::atomic<int32_t> count;
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

    std::atomic<SymbolEntry *> *buckets;
    uint32_t bucketCount;
    int32_t currentLevel;
    int32_t currentScope;
    int32_t nextScope;
    int32_t scopeStack[kScopeDepth];
    int32_t scopeTop;
    StatCounter lookups, found, misses, chainSteps, entriesAdded, distinctBuckets;
    // Character-by-character key comparisons actually made (keys that are the
    // same pointer, or whose hashes differ, need none). Not in the report.
    StatCounter stringCompares;
    // Pushes refused because the scope stack was full; the matching pops are
    // refused too, so pushes and pops stay paired.
    StatCounter refusedPushes;

private:
    bool keysEqual(const char *a, const char *b);
    bool visible(const SymbolEntry *entry, int32_t scope) const;
};

}  // namespace quillet

#endif
