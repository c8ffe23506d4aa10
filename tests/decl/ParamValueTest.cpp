#include <gtest/gtest.h>

#include <cstdlib>
#include <string>
#include <vector>

#include "tests/decl/TestSupport.h"
#include "quillet/ParamValue.h"
#include "decl/StringPool.h"

using namespace quillet;

namespace {

RtToken const kA = "pvA";
RtToken const kB = "pvB";
RtToken const kC = "pvC";

ParamValue *floats(RtToken token, int words, float first = 0) {
    std::vector<float> values(words);
    for (int i = 0; i < words; ++i) values[i] = first + i;
    return new ParamValue(token, ParamType::Float, ParamClass::Uniform, static_cast<int16_t>(words), values.data(),
                          words);
}

std::string stats() {
    return captureStream(printParamValueStats);
}

std::string statsText(long requested, long outstanding, long peak, long kbRequested, long kbOutstanding, long kbPeak) {
    return "Param/value list stats:\n"
           "    param/value entries: " +
           std::to_string(requested) + " requested, " + std::to_string(outstanding) + " outstanding, " +
           std::to_string(peak) + " peak (" + std::to_string((peak * static_cast<long>(sizeof(ParamValue))) >> 10) +
           " kb)\n" + "    param/value data memory: " + std::to_string(kbRequested) + "k requested, " +
           std::to_string(kbOutstanding) + "k outstanding,  " + std::to_string(kbPeak) + "k peak\n";
}

std::vector<RtToken> tokensOf(const ParamValueList &list) {
    std::vector<RtToken> tokens;
    for (ParamValue *item = list.head; item; item = item->next) tokens.push_back(item->token);
    return tokens;
}

}  // namespace

TEST(ParamValueAccounting, CopyRemoveClear) {
    RUN_IN_FRESH_PROCESS();
    EXPECT_EQ(stats(), statsText(0, 0, 0, 0, 0, 0));

    ParamValueList source, destination;
    source.append(floats(kA, 512));
    source.append(floats(kB, 256));
    for (RtToken token : {kA, kB, kC}) destination.append(floats(token, 256));
    EXPECT_EQ(stats(), statsText(5, 5, 5, 6, 6, 6));

    // The three are freed first, then the two are copied in order.
    source.copyTo(destination);
    EXPECT_EQ(tokensOf(destination), (std::vector<RtToken>{kA, kB}));
    EXPECT_EQ(paramValueCounters().bytesOutstanding, 6144);
    EXPECT_EQ(stats(), statsText(7, 4, 5, 9, 6, 6));

    void *values = destination.remove(kA);
    ASSERT_NE(values, nullptr);
    EXPECT_EQ(static_cast<float *>(values)[511], 511.0f);
    std::free(values);
    EXPECT_EQ(destination.remove(kA), nullptr);
    EXPECT_EQ(paramValueCounters().bytesOutstanding, 4096);

    source.clear();
    EXPECT_EQ(source.head, nullptr);
    destination.clear();
    EXPECT_EQ(stats(), statsText(7, 0, 5, 9, 0, 6));
}

TEST(ParamValuePool, GrowsBy32Slots) {
    RUN_IN_FRESH_PROCESS();
    ASSERT_EQ(paramValueBlockCount(), 0);
    std::vector<ParamValue *> items;
    for (int i = 0; i < 32; ++i)
        items.push_back(new ParamValue(kA, ParamType::Integer, ParamClass::Uniform, 0, nullptr, 0));
    EXPECT_EQ(paramValueBlockCount(), 1);
    // Slots of one block are handed out in address order.
    for (int i = 1; i < 32; ++i)
        EXPECT_EQ(reinterpret_cast<char *>(items[i]) - reinterpret_cast<char *>(items[i - 1]),
                  static_cast<long>(sizeof(ParamValue)));
    items.push_back(new ParamValue(kA, ParamType::Integer, ParamClass::Uniform, 0, nullptr, 0));
    EXPECT_EQ(paramValueBlockCount(), 2);
    for (ParamValue *item : items) delete item;
    EXPECT_EQ(paramValueCounters().entriesOutstanding, 0);
    EXPECT_EQ(paramValueCounters().entriesPeak, 33);

    items.clear();
    for (int i = 0; i < 33; ++i)
        items.push_back(new ParamValue(kA, ParamType::Integer, ParamClass::Uniform, 0, nullptr, 0));
    EXPECT_EQ(paramValueBlockCount(), 2);
    for (ParamValue *item : items) delete item;
    EXPECT_EQ(stats(), statsText(66, 0, 33, 0, 0, 0));
}

TEST(ParamValueList, ItemsMatchedByPointer) {
    ParamValueList list;
    list.append(floats(kA, 2, 1.0f));
    list.append(floats(kB, 1, 5.0f));
    std::string sameText = kA;
    EXPECT_EQ(list.findItem(sameText.c_str()), nullptr);
    EXPECT_EQ(list.remove(sameText.c_str()), nullptr);
    ASSERT_NE(list.findItem(kA), nullptr);
    EXPECT_EQ(list.valueOf(kC), nullptr);
    EXPECT_EQ(static_cast<float *>(list.valueOf(kB))[0], 5.0f);
    EXPECT_EQ(captureStream([&](FILE *stream) { list.dump(stream); }),
              "Param/value list:\n  Item: pvA, size = 8\n  Item: pvB, size = 4\n\n");
}

TEST(ParamValueList, CopiesAreDeepMovesAreNot) {
    ParamValueList list;
    list.append(floats(kA, 3, 1.0f));
    ParamValueList copy;
    copy.append(floats(kC, 1));
    copy = list;
    ASSERT_EQ(tokensOf(copy), (std::vector<RtToken>{kA}));
    EXPECT_NE(copy.valueOf(kA), list.valueOf(kA));
    EXPECT_EQ(static_cast<float *>(copy.valueOf(kA))[2], 3.0f);
    ParamValueList &same = copy;
    copy = same;  // self-assignment keeps the list
    EXPECT_EQ(tokensOf(copy), (std::vector<RtToken>{kA}));

    ParamValue *item = list.head;
    ParamValueList moved;
    moved.append(floats(kB, 1));
    list.moveTo(moved);
    EXPECT_EQ(list.head, nullptr);
    EXPECT_EQ(moved.head, item);
    EXPECT_EQ(tokensOf(moved), (std::vector<RtToken>{kA}));
}

TEST(ParamValueList, StringItemsHoldPoolCopies) {
    std::string first = "pvStringOne", second = "a longer caller string value";
    const char *strings[] = {first.c_str(), second.c_str()};
    ParamValue *item = new ParamValue(kA, ParamType::String, ParamClass::Uniform, 2, strings, 2);
    const char **kept = static_cast<const char **>(item->values);
    EXPECT_EQ(item->byteSize, 8);
    EXPECT_EQ(kept[0], StringPool::intern("pvStringOne"));
    EXPECT_EQ(kept[1], StringPool::intern("a longer caller string value"));
    ParamValue *copy = item->clone();
    EXPECT_EQ(static_cast<const char **>(copy->values)[1], kept[1]);
    EXPECT_EQ(copy->byteSize, 8);
    delete copy;
    delete item;
}
