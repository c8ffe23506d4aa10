// Faults found by the sanitizer build and the fuzz targets in the
// declarations subsystem, each pinned by the case that exposed it.
#include <cstdint>
#include <limits>

#include <gtest/gtest.h>

#include "tests/decl/TestSupport.h"
#include "quillet/SymbolTable.h"

using namespace quillet;

namespace {

// A released table (as at exit) used to report a refused insert as done, so
// the string pool and the declaration table leaked every late entry.
TEST(HardeningRegression, ReleasedTableRefusesInsertAndLeavesTheEntryToTheCaller) {
    int deleted = 0;
    SymbolTable table(7);
    table.insert(new CountedEntry("early", &deleted), false);
    table.release();
    EXPECT_EQ(deleted, 1);
    CountedEntry *late = new CountedEntry("late", &deleted);
    EXPECT_EQ(table.insert(late, false), -1);
    EXPECT_EQ(table.find("late"), nullptr);
    EXPECT_EQ(deleted, 1);
    delete late;
}

// A long-lived process overflowed the lookup statistics (found by the
// declaration fuzz target after some 2 billion chain steps).
TEST(HardeningRegression, SymbolTableStatisticsStopAtTheirLimit) {
    const int32_t top = std::numeric_limits<int32_t>::max();
    SymbolTable table(1);  // one bucket: every lookup walks the chain
    SymbolEntry a("a"), b("b"), again("a");
    table.insert(&a, false);
    table.lookups = table.found = table.misses = table.chainSteps = top;
    table.entriesAdded = table.distinctBuckets = table.stringCompares = table.refusedPushes = top;
    table.insert(&b, false);
    EXPECT_EQ(table.find("a"), &a);
    EXPECT_EQ(table.find("missing"), nullptr);
    EXPECT_EQ(table.insert(&again, false), 1);
    for (int i = 0; i < SymbolTable::kScopeDepth; ++i) table.pushScope();
    for (int32_t counter : {table.lookups, table.found, table.misses, table.chainSteps, table.entriesAdded,
                            table.distinctBuckets, table.stringCompares, table.refusedPushes})
        EXPECT_EQ(counter, top);
    table.buckets[0] = nullptr;  // the entries live on this stack
}

}  // namespace
