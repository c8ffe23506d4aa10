// The chained hash table behind the string pool and the declaration table.
#include "quillet/SymbolTable.h"

#include <cstring>
#include <limits>

#include "format/FloatFormat.h"

namespace quillet {

namespace {

// The statistics count for the life of the process.
void tally(StatCounter &counter) {
    counter.bump();
}

}  // namespace

SymbolEntry::SymbolEntry(const char *key) : key(key), hash(SymbolTable::hash(key)), level(0), scope(0), next(nullptr) {}

SymbolEntry::~SymbolEntry() = default;

SymbolTable::SymbolTable(uint32_t bucketCount)
    : buckets(new std::atomic<SymbolEntry *>[bucketCount]()), bucketCount(bucketCount), currentLevel(0),
      currentScope(0), nextScope(1), scopeStack(), scopeTop(0), lookups(0), found(0), misses(0), chainSteps(0),
      entriesAdded(0), distinctBuckets(0), stringCompares(0), refusedPushes(0) {}

SymbolTable::~SymbolTable() {
    release();
}

void SymbolTable::release() {
    if (!buckets) return;
    for (uint32_t b = 0; b < bucketCount; ++b) {
        while (SymbolEntry *entry = buckets[b].load(std::memory_order_relaxed)) {
            buckets[b].store(entry->next, std::memory_order_relaxed);
            delete entry;
        }
    }
    delete[] buckets;
    buckets = nullptr;
    bucketCount = 0;
}

uint32_t SymbolTable::hash(const char *key) {
    uint32_t h = 0;
    if (!key) return h;
    for (const unsigned char *c = reinterpret_cast<const unsigned char *>(key); *c; ++c) {
        h = (h << 4) + *c;
        uint32_t g = h & 0xF0000000u;
        if (g) {
            h ^= g >> 24;
            h ^= g;
        }
    }
    return h;
}

bool SymbolTable::keysEqual(const char *a, const char *b) {
    if (a == b) return true;
    if (!a || !b) return false;
    tally(stringCompares);
    return std::strcmp(a, b) == 0;
}

bool SymbolTable::visible(const SymbolEntry *entry, int32_t scope) const {
    if (scopeTop < 0) return false;
    if (entry->scope == scope) return true;
    for (int32_t i = scopeTop; i >= 0; --i)
        if (entry->scope == scopeStack[i]) return true;
    return false;
}

// The entry is complete before it is linked in, so that a find on another
// thread sees it whole or not at all.
int SymbolTable::insert(SymbolEntry *entry, bool allowDuplicate) {
    if (!buckets) return -1;
    std::atomic<SymbolEntry *> &head = buckets[entry->hash % bucketCount];
    SymbolEntry *const first = head.load(std::memory_order_relaxed);
    bool duplicate = false;
    for (SymbolEntry *e = first; e; e = e->next) {
        if (e->hash == entry->hash && keysEqual(e->key, entry->key)) {
            if (!allowDuplicate) return 1;
            duplicate = true;
        }
    }
    if (!first) tally(distinctBuckets);
    entry->next = first;
    entry->level = currentLevel;
    entry->scope = currentScope;
    head.store(entry, std::memory_order_release);
    tally(entriesAdded);
    return duplicate ? 1 : 0;
}

SymbolEntry *SymbolTable::find(const char *key) {
    uint32_t h = hash(key);
    tally(lookups);
    if (buckets) {
        for (SymbolEntry *e = buckets[h % bucketCount].load(std::memory_order_acquire); e; e = e->next) {
            if (e->hash == h && keysEqual(e->key, key) && visible(e, currentScope)) {
                tally(found);
                return e;
            }
            tally(chainSteps);
        }
    }
    tally(misses);
    return nullptr;
}

SymbolEntry *SymbolTable::findNext(SymbolEntry *entry) {
    for (SymbolEntry *e = entry->next; e; e = e->next)
        if (keysEqual(e->key, entry->key) && visible(e, entry->scope)) return e;
    return nullptr;
}

void SymbolTable::removeLevel(int32_t level) {
    for (uint32_t b = 0; b < bucketCount; ++b) {
        SymbolEntry *kept = nullptr;
        SymbolEntry **link = &kept;
        for (SymbolEntry *e = buckets[b].load(std::memory_order_relaxed), *next; e; e = next) {
            next = e->next;
            if (e->level == level) {
                delete e;
            } else {
                *link = e;
                link = &e->next;
            }
        }
        *link = nullptr;
        buckets[b].store(kept, std::memory_order_relaxed);
    }
    currentLevel = level - 1;
}

void SymbolTable::pushScope() {
    if (scopeTop + 1 >= kScopeDepth) {
        tally(refusedPushes);
        return;
    }
    scopeStack[++scopeTop] = currentScope;
    currentScope = nextScope++;
}

void SymbolTable::popScope(int discard) {
    if (refusedPushes > 0) {
        refusedPushes = refusedPushes - 1;
        return;
    }
    if (scopeTop <= 0) return;
    if (discard) {
        for (uint32_t b = 0; b < bucketCount; ++b) {
            SymbolEntry *kept = nullptr;
            SymbolEntry **link = &kept;
            for (SymbolEntry *e = buckets[b].load(std::memory_order_relaxed), *next; e; e = next) {
                next = e->next;
                if (e->scope == currentScope) {
                    e->next = nullptr;
                } else {
                    *link = e;
                    link = &e->next;
                }
            }
            *link = nullptr;
            buckets[b].store(kept, std::memory_order_relaxed);
        }
    }
    currentScope = scopeStack[scopeTop--];
}

void SymbolTable::forEach(void (*function)(SymbolEntry *entry, void *context), void *context) {
    for (uint32_t b = 0; b < bucketCount; ++b)
        for (SymbolEntry *e = buckets[b].load(std::memory_order_acquire); e; e = e->next) function(e, context);
}

namespace {

// a / b, or 0 when there is nothing to divide by.
double ratio(double a, double b) {
    return b != 0 ? a / b : 0.0;
}

// "%g" text of a figure, with '.' whatever the locale.
struct Figure {
    explicit Figure(double value) { text[formatGeneral(text, value)] = '\0'; }
    char text[kGeneralTextMax + 1];
};

}  // namespace

void SymbolTable::printStatistics(FILE *stream) const {
    std::fprintf(stream, "Symbol table statistics:\n");
    std::fprintf(stream, "  %d entries added to table in %d distinct buckets\n", int32_t(entriesAdded),
                 int32_t(distinctBuckets));
    std::fprintf(stream, "  %s%% of buckets used, avg. %s entries per bucket.\n",
                 Figure(ratio(distinctBuckets * 100.0, bucketCount)).text,
                 Figure(ratio(entriesAdded, distinctBuckets)).text);
    std::fprintf(stream, "  %d total lookups, %d found, %d misses.\n", int32_t(lookups), int32_t(found),
                 int32_t(misses));
    std::fprintf(stream, "  %d extra chain walking steps (%s probes per lookup)\n", int32_t(chainSteps),
                 Figure(lookups != 0 ? ratio(chainSteps, lookups) + 1.0 : 0.0).text);
    std::fflush(stream);
}

}  // namespace quillet
