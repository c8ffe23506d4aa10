#include <gtest/gtest.h>

#include "tests/decl/TestSupport.h"
#include "quillet/DeclTable.h"
#include "decl/StringPool.h"

using namespace quillet;

TEST(ProcessTables, BuiltBeforeMainWithTheirSizes) {
    RUN_IN_FRESH_PROCESS();
    // Nothing in this process has used the tables yet, but they exist.
    EXPECT_EQ(StringPool::table().bucketCount, 12289u);
    EXPECT_EQ(DeclTable::table().bucketCount, 5003u);
    EXPECT_EQ(StringPool::table().lookups, 0);
    EXPECT_EQ(DeclTable::table().lookups, 0);
}

TEST(ProcessTables, UsableAfterTeardown) {
    RUN_IN_FRESH_PROCESS();
    RtToken before = DeclTable::declare("lateKept", "float", nullptr, false);
    // What exit does to the tables; a late caller must not crash.
    DeclTable::table().release();
    StringPool::table().release();
    const char *late = StringPool::intern("late use");
    EXPECT_STREQ(late, "late use");
    EXPECT_STREQ(DeclTable::declare("lateName", "float", nullptr, false), "lateName");
    EXPECT_EQ(DeclTable::lookup("lateKept"), nullptr);
    EXPECT_EQ(DeclTable::lookup("uniform float lateInline"), nullptr);
    EXPECT_STREQ(before, "lateKept");  // interned storage outlives the tables
}
