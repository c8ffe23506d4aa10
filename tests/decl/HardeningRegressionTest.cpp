// Faults found by the sanitizer build and the fuzz targets in the
// declarations subsystem, each pinned by the case that exposed it.
#include <gtest/gtest.h>

#include "decl/SymbolTable.h"

namespace {

struct CountedEntry : SymbolEntry {
    CountedEntry(const char *key, int *deleted) : SymbolEntry(key), deleted(deleted) {}
    ~CountedEntry() override { ++*deleted; }
    int *deleted;
};

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

}  // namespace
