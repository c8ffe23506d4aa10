#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tests/decl/TestSupport.h"
#include "quillet/SymbolTable.h"

using namespace quillet;

namespace {

std::string statistics(const SymbolTable &table) {
    return captureStream([&](FILE *stream) { table.printStatistics(stream); });
}

}  // namespace

TEST(SymbolTableHash, ElfHashAndBuckets) {
    EXPECT_EQ(SymbolTable::hash(nullptr), 0u);
    EXPECT_EQ(SymbolTable::hash(""), 0u);
    EXPECT_EQ(SymbolTable::hash("abc"), 26499u);
    EXPECT_EQ(SymbolTable::hash("abc") % 5003, 1484u);
    EXPECT_EQ(SymbolTable::hash("abc") % 12289, 1921u);
    // Long enough for the top four bits to fold back in.
    EXPECT_EQ(SymbolTable::hash("abcdefghij"), 180004458u);
    EXPECT_EQ(SymbolTable::hash("enable gaussian"), 257459694u);
}

TEST(SymbolTableStatistics, KnownSequence) {
    // 7 buckets: "a", "h" and "o" share bucket 6, "abc" and "f" bucket 4.
    SymbolTable table(7);
    std::vector<SymbolEntry *> entries;
    for (const char *key : {"a", "h", "b", "abc", "f"}) {
        entries.push_back(new SymbolEntry(key));
        EXPECT_EQ(table.insert(entries.back(), false), 0) << key;
    }
    SymbolEntry again("a");
    EXPECT_EQ(table.insert(&again, false), 1);

    EXPECT_EQ(table.find("a"), entries[0]);  // one step past "h"
    EXPECT_EQ(table.find("h"), entries[1]);
    EXPECT_EQ(table.find("abc"), entries[3]);  // one step past "f"
    EXPECT_EQ(table.find("c"), nullptr);       // empty bucket
    EXPECT_EQ(table.find("o"), nullptr);       // two steps, then the end

    EXPECT_EQ(statistics(table), "Symbol table statistics:\n"
                                 "  5 entries added to table in 3 distinct buckets\n"
                                 "  42.8571% of buckets used, avg. 1.66667 entries per bucket.\n"
                                 "  5 total lookups, 3 found, 2 misses.\n"
                                 "  4 extra chain walking steps (1.8 probes per lookup)\n");
}

TEST(SymbolTableStatistics, ZeroDivisorsPrintZero) {
    SymbolTable table(11);
    EXPECT_EQ(statistics(table), "Symbol table statistics:\n"
                                 "  0 entries added to table in 0 distinct buckets\n"
                                 "  0% of buckets used, avg. 0 entries per bucket.\n"
                                 "  0 total lookups, 0 found, 0 misses.\n"
                                 "  0 extra chain walking steps (0 probes per lookup)\n");
}

TEST(SymbolTableKeys, SamePointerNeedsNoStringComparison) {
    SymbolTable table(13);
    static const char key[] = "Cs";
    table.insert(new SymbolEntry(key), false);
    EXPECT_NE(table.find(key), nullptr);
    EXPECT_EQ(table.stringCompares, 0);
    std::string copy = key;
    EXPECT_NE(table.find(copy.c_str()), nullptr);
    EXPECT_EQ(table.stringCompares, 1);
    // Different hash in the same bucket: no comparison either.
    EXPECT_EQ(table.find("P"), nullptr);
    EXPECT_EQ(table.stringCompares, 1);
}

TEST(SymbolTableDuplicates, ShadowingAndFindNext) {
    SymbolTable table(7);
    SymbolEntry *first = new SymbolEntry("key");
    SymbolEntry *second = new SymbolEntry("key");
    SymbolEntry *refused = new SymbolEntry("key");
    EXPECT_EQ(table.insert(first, false), 0);
    EXPECT_EQ(table.insert(refused, false), 1);
    EXPECT_EQ(table.entriesAdded, 1);
    delete refused;
    EXPECT_EQ(table.insert(second, true), 1);
    EXPECT_EQ(table.entriesAdded, 2);
    EXPECT_EQ(table.distinctBuckets, 1);
    EXPECT_EQ(table.find("key"), second);
    EXPECT_EQ(table.findNext(second), first);
    EXPECT_EQ(table.findNext(first), nullptr);
}

TEST(SymbolTableScopes, InnerEntriesDiscardedOnPop) {
    SymbolTable table(7);
    SymbolEntry *outer = new SymbolEntry("outer");
    table.insert(outer, false);
    table.pushScope();
    SymbolEntry inner("inner");  // popScope unlinks without deleting
    table.insert(&inner, false);
    EXPECT_EQ(inner.scope, 1);
    EXPECT_EQ(table.find("inner"), &inner);
    EXPECT_EQ(table.find("outer"), outer);
    table.popScope(1);
    EXPECT_EQ(table.find("inner"), nullptr);
    EXPECT_EQ(inner.next, nullptr);
    EXPECT_EQ(table.find("outer"), outer);
    EXPECT_EQ(table.currentScope, 0);
    EXPECT_EQ(table.scopeTop, 0);
}

TEST(SymbolTableScopes, OverflowAndUnderflowStayInsideTheStack) {
    SymbolTable table(7);
    table.popScope(1);  // none open: ignored
    EXPECT_EQ(table.scopeTop, 0);
    EXPECT_EQ(table.currentScope, 0);
    SymbolEntry *entry = new SymbolEntry("kept");
    table.insert(entry, false);

    const int pushes = SymbolTable::kScopeDepth + 50;
    for (int i = 0; i < pushes; ++i) table.pushScope();
    EXPECT_EQ(table.scopeTop, SymbolTable::kScopeDepth - 1);
    EXPECT_EQ(table.find("kept"), entry);
    for (int i = 0; i < pushes; ++i) table.popScope(0);
    EXPECT_EQ(table.scopeTop, 0);
    EXPECT_EQ(table.currentScope, 0);
    table.popScope(1);
    EXPECT_EQ(table.find("kept"), entry);
}

TEST(SymbolTableLevels, RemoveLevelDeletesItsEntries) {
    int deleted = 0;
    SymbolTable table(3);
    for (const char *key : {"a", "b", "c", "d", "e"}) table.insert(new CountedEntry(key, &deleted), false);
    table.removeLevel(0);
    EXPECT_EQ(deleted, 5);
    EXPECT_EQ(table.currentLevel, -1);
    EXPECT_EQ(table.find("a"), nullptr);
    table.insert(new CountedEntry("f", &deleted), false);
    table.removeLevel(0);  // "f" is at level -1
    EXPECT_EQ(deleted, 5);
    EXPECT_NE(table.find("f"), nullptr);
}

TEST(SymbolTableWalk, ForEachInBucketOrderNewestFirst) {
    SymbolTable table(7);
    for (const char *key : {"a", "b", "h", "c"})  // buckets 6, 0, 6, 1
        table.insert(new SymbolEntry(key), false);
    std::string order;
    table.forEach([](SymbolEntry *entry, void *context) { *static_cast<std::string *>(context) += entry->key; },
                  &order);
    EXPECT_EQ(order, "bcha");
}

TEST(SymbolTableRelease, EmptyTableStaysUsable) {
    SymbolTable table(7);
    table.insert(new SymbolEntry("a"), false);
    table.release();
    EXPECT_EQ(table.find("a"), nullptr);
    SymbolEntry late("late");
    EXPECT_EQ(table.insert(&late, false), -1);
    EXPECT_EQ(table.find("late"), nullptr);
}
