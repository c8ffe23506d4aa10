#include <gtest/gtest.h>

#include <string>

#include "decl/StringBlocks.h"
#include "decl/StringPool.h"
#include "quillet/SymbolTable.h"

using namespace quillet;

TEST(StringPool, OneCopyPerText) {
    std::string text = "pool-test-one-copy";
    const char *stored = StringPool::intern(text.c_str());
    ASSERT_NE(stored, nullptr);
    EXPECT_NE(stored, text.c_str());
    EXPECT_STREQ(stored, text.c_str());
    EXPECT_EQ(StringPool::intern(std::string(text).c_str()), stored);
    EXPECT_EQ(StringPool::intern(stored), stored);
    EXPECT_EQ(StringPool::intern(nullptr), nullptr);
}

TEST(StringPool, ShortStringsShareBlocks) {
    // 15 characters and terminator fit a block; 16 characters do not.
    const char *fifteen = StringPool::intern("pooltest15chars");
    const char *sixteen = StringPool::intern("pooltest16chars!");
    EXPECT_GE(StringPool::storage().blockIndexOf(fifteen), 0);
    EXPECT_EQ(StringPool::storage().blockIndexOf(sixteen), -1);
    EXPECT_STREQ(sixteen, "pooltest16chars!");
}

TEST(StringBlocks, PlacementRule) {
    // Static: the blocks are never released and stay reachable.
    static StringBlocks blocks;
    ASSERT_EQ(blocks.blockCount(), 0);

    char *own = blocks.allocate(17);
    EXPECT_EQ(blocks.blockIndexOf(own), -1);
    EXPECT_EQ(blocks.blockCount(), 0);

    for (int i = 0; i < 63; ++i) EXPECT_EQ(blocks.blockIndexOf(blocks.allocate(16)), 0);
    EXPECT_EQ(blocks.blockCount(), 1);
    EXPECT_EQ(blocks.blockUsed(0), 1008);

    // 1008 + 15 + 1 is not below 1024: a new block.
    char *p = blocks.allocate(15);
    EXPECT_EQ(blocks.blockCount(), 2);
    EXPECT_EQ(blocks.blockIndexOf(p), 0);
    EXPECT_EQ(blocks.blockUsed(0), 15);
    EXPECT_EQ(blocks.blockUsed(1), 1008);

    // Fill the newest block to 1009 bytes.
    for (int i = 0; i < 62; ++i) blocks.allocate(16);
    EXPECT_EQ(blocks.blockCount(), 2);
    EXPECT_EQ(blocks.blockUsed(0), 1007);
    blocks.allocate(2);
    EXPECT_EQ(blocks.blockUsed(0), 1009);

    // Too big for the newest block (1009 + 14 + 1 = 1024), just fits the older one.
    p = blocks.allocate(14);
    EXPECT_EQ(blocks.blockIndexOf(p), 1);
    EXPECT_EQ(blocks.blockUsed(1), 1022);
    // The newest block is tried first again.
    p = blocks.allocate(1);
    EXPECT_EQ(blocks.blockIndexOf(p), 0);
    // Fits nowhere: a third block.
    p = blocks.allocate(16);
    EXPECT_EQ(blocks.blockCount(), 3);
    EXPECT_EQ(blocks.blockIndexOf(p), 0);
}

TEST(StringPool, TableHasItsBucketCount) {
    EXPECT_EQ(StringPool::table().bucketCount, 12289u);
}
