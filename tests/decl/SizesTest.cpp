// The sizes that the declarations and the kept-parameter pool are built on:
// in the 32-bit build they are exactly those of the interface's data layout
// (4-byte strings, 20-byte item slots, 640-byte pool blocks); a 64-bit build
// has its own pointer-sized values.
#include <climits>

#include <gtest/gtest.h>

#include "quillet/DeclTable.h"
#include "quillet/ParamValue.h"
#include "quillet/ri.h"

using namespace quillet;

namespace {

const bool kThirtyTwoBit = sizeof(void *) == 4;

TEST(SizesTest, StandardTypesHaveTheirWidths) {
    EXPECT_EQ(sizeof(RtBoolean) * CHAR_BIT, 16u);
    EXPECT_EQ(sizeof(RtInt) * CHAR_BIT, 32u);
    EXPECT_EQ(sizeof(RtFloat) * CHAR_BIT, 32u);
}

TEST(SizesTest, StringValueIsOnePointer) {
    RtToken token = DeclTable::declare("sizesTestString", "uniform string", nullptr, false);
    const ParamDecl *record = DeclTable::lookup(token);
    ASSERT_NE(record, nullptr);
    EXPECT_EQ(record->valueBytes(), kThirtyTwoBit ? 4 : 8);
    DeclTable::declare("sizesTestStrings", "uniform string[3]", nullptr, false);
    EXPECT_EQ(DeclTable::declaredValueBytes("sizesTestStrings"), kThirtyTwoBit ? 12 : 24);
}

TEST(SizesTest, PoolSlotsAndBlocks) {
    EXPECT_EQ(sizeof(ParamValue), kThirtyTwoBit ? 20u : 32u);
    EXPECT_EQ(ParamValue::kSlotsPerBlock * sizeof(ParamValue), kThirtyTwoBit ? 640u : 1024u);
}

}  // namespace
