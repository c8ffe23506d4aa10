// The four value encoders, writef and writeQuoted, byte for byte in both
// encodings.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <random>
#include <string>
#include <vector>

#include "format/IntegerText.h"
#include "quillet/GlobalNames.h"
#include "rib/OutputBuffer.h"
#include "tests/rib/StreamCapture.h"
#include "rib/ValueEncoding.h"

using namespace quillet;

namespace {

using quillet_test::captureStream;
using quillet_test::floatBytes;
using quillet_test::wholeStream;

struct EncoderCase {
    const char *label;
    std::function<void(RibStream &)> call;
    std::string ascii;
    std::string binary;
};

const RtFloat kThree[] = {1.0f, 2.5f, -3.0f};
const RtInt kInts[] = {1, 2, -3};
const RtToken kStrings[] = {"a", "b"};
const char *volatile kNoString = nullptr;  // hidden from the format checker
// Conversions writef does not know, and a '%' that ends the format; they
// consume no argument.
const char *volatile kOddFormat = "U %q %l5 100%";
const RtToken kAwkwardStrings[] = {"say \"hi\"", "back\\slash", "two\nlines", nullptr};

TEST(Encoders, BytesInBothEncodings) {
    const std::vector<EncoderCase> cases = {
        {"float 0.5", [](RibStream &w) { w.writeFloat(0.5f); }, "0.5 ", std::string("\xA4\x3F\x00\x00\x00", 5)},
        {"float 0.1", [](RibStream &w) { w.writeFloat(0.1f); }, "0.1 ", "\xA4" + floatBytes(0.1f)},
        {"float 1e6", [](RibStream &w) { w.writeFloat(1e6f); }, "1e+06 ", "\xA4" + floatBytes(1e6f)},
        {"float -2.5e-05", [](RibStream &w) { w.writeFloat(-2.5e-5f); }, "-2.5e-05 ", "\xA4" + floatBytes(-2.5e-5f)},
        {"float array", [](RibStream &w) { w.writeFloatArray(kThree, 3); }, "[1 2.5 -3]",
         std::string("\xC8\x03\x3F\x80\x00\x00\x40\x20\x00\x00\xC0\x40\x00\x00", 14)},
        {"empty float array", [](RibStream &w) { w.writeFloatArray(kThree, 0); }, "[]", std::string("\xC8\x00", 2)},
        {"negative count", [](RibStream &w) { w.writeFloatArray(kThree, -1); }, "[]", std::string("\xC8\x00", 2)},
        {"int array", [](RibStream &w) { w.writeIntArray(kInts, 3); }, "[1 2 -3 ]", "[1 2 -3 ]"},
        {"empty int array", [](RibStream &w) { w.writeIntArray(kInts, 0); }, "[]", "[]"},
        {"string array", [](RibStream &w) { w.writeStringArray(kStrings, 2); }, "[\"a\" \"b\" ]", "[\"a\" \"b\" ]"},
        {"escaped strings", [](RibStream &w) { w.writeStringArray(kAwkwardStrings, 4); },
         "[\"say \\\"hi\\\"\" \"back\\\\slash\" \"two\\nlines\" \"\" ]",
         "[\"say \\\"hi\\\"\" \"back\\\\slash\" \"two\\nlines\" \"\" ]"},
        {"quoted plain", [](RibStream &w) { w.writeQuoted("plastic"); }, "\"plastic\"", "\"plastic\""},
        {"quoted awkward", [](RibStream &w) { w.writeQuoted("a\"b\\c\nd"); }, "\"a\\\"b\\\\c\\nd\"",
         "\"a\\\"b\\\\c\\nd\""},
        {"quoted null", [](RibStream &w) { w.writeQuoted(nullptr); }, "\"\"", "\"\""},
        {"bytes", [](RibStream &w) { w.writeBytes("ab\0c", 4); }, std::string("ab\0c", 4), std::string("ab\0c", 4)},
        {"writef numbers", [](RibStream &w) { w.writef("X %d %i %ld %g %f %%\n", -7, 8, 1L << 30, 0.25, 1.5); },
         "X -7 8 1073741824 0.25 1.500000 %\n", "X -7 8 1073741824 0.25 1.500000 %\n"},
        {"writef unknown conversions", [](RibStream &w) { w.writef(kOddFormat, 0); }, "U %q %l5 100%", "U %q %l5 100%"},
        {"writef strings unescaped", [](RibStream &w) { w.writef("S %s \"%s\" %s|", "a\"b", "a\"b", kNoString); },
         "S a\"b \"a\"b\" |", "S a\"b \"a\"b\" |"},
        {"quoted list",
         [](RibStream &w) {
             w.writeQuotedList({"a", nullptr, "b\"c"});
         },
         "\"a\" \"\" \"b\\\"c\"", "\"a\" \"\" \"b\\\"c\""},
    };
    for (const EncoderCase &row : cases) {
        EXPECT_EQ(captureStream(row.call, false), wholeStream(row.ascii)) << row.label;
        EXPECT_EQ(captureStream(row.call, true), wholeStream(row.binary)) << row.label << " (binary)";
    }
}

TEST(Encoders, SwitchingEncodingBetweenCalls) {
    const std::string stream = captureStream([](RibStream &w) {
        w.writeFloat(1.0f);
        w.binaryEncoding = 1;
        w.writeFloat(1.0f);
        w.binaryEncoding = 0;
        w.writeFloatArray(kThree, 1);
    });
    EXPECT_EQ(stream, wholeStream("1 \xA4" + floatBytes(1.0f) + "[1]"));
}

TEST(Encoders, ArrayHeaders) {
    const struct {
        uint32_t count;
        std::string header;
    } cases[] = {
        {0, std::string("\xC8\x00", 2)},
        {255, "\xC8\xFF"},
        {256, std::string("\xC9\x01\x00", 3)},
        {65535, "\xC9\xFF\xFF"},
        {65536, std::string("\xCA\x01\x00\x00", 4)},
        {16777215, "\xCA\xFF\xFF\xFF"},
        {16777216, std::string("\xCB\x01\x00\x00\x00", 5)},
        {0xFFFFFFFFu, "\xCB\xFF\xFF\xFF\xFF"},
    };
    for (const auto &row : cases) {
        unsigned char header[kArrayHeaderMax];
        const size_t n = binaryArrayHeader(header, row.count);
        EXPECT_EQ(std::string(reinterpret_cast<char *>(header), n), row.header) << row.count;
    }
}

TEST(Encoders, IntegerTextMatchesPrintf) {
    std::vector<int32_t> values = {0, INT32_MIN, INT32_MAX, -1};
    for (int32_t p = 1; p <= 100000000; p *= 10)
        for (int32_t v : {p - 1, p, p + 1, 10 * p - 1}) {
            values.push_back(v);
            values.push_back(-v);
        }
    std::mt19937 random(5);
    for (int i = 0; i < 100000; ++i) values.push_back(int32_t(random()) >> (random() % 32));
    for (int32_t v : values) {
        char expected[16], text[kInt32TextMax];
        std::snprintf(expected, sizeof expected, "%d", v);
        EXPECT_EQ(std::string(text, formatInt32(text, v)), expected);
    }
}

// The reference: printf per value, one character per byte.
std::string referenceArray(const std::vector<RtFloat> &values, bool binary) {
    std::string bytes;
    if (!binary) {
        bytes = "[";
        char text[32];
        for (size_t i = 0; i < values.size(); ++i) {
            std::snprintf(text, sizeof text, i + 1 < values.size() ? "%g " : "%g", double(values[i]));
            bytes += text;
        }
        return bytes + "]";
    }
    const uint32_t count = uint32_t(values.size());
    const int lengthBytes = count < 256 ? 1 : count < 65536 ? 2 : count < 16777216 ? 3 : 4;
    bytes += char(0xC8 + lengthBytes - 1);
    for (int shift = 8 * (lengthBytes - 1); shift >= 0; shift -= 8) bytes += char((count >> shift) & 0xFF);
    for (RtFloat v : values) bytes += floatBytes(v);
    return bytes;
}

std::vector<RtFloat> randomFloats(size_t count, uint32_t seed) {
    std::mt19937 random(seed);
    std::uniform_real_distribution<float> mantissa(-1.0f, 1.0f);
    std::vector<RtFloat> values(count);
    for (RtFloat &v : values) v = std::ldexp(mantissa(random), int(random() % 60) - 30);
    return values;
}

// Lengths around every header size; the longest fill the stream's buffer
// (OutputBuffer::kSize) once or more in either encoding.
TEST(Encoders, ArraysMatchReference) {
    for (size_t count : {1, 240, 241, 255, 256, 1023, 1024, 1025, 4097, 65535, 65536, 70001}) {
        const std::vector<RtFloat> values = randomFloats(count, uint32_t(count));
        for (bool binary : {false, true}) {
            const std::string stream =
                captureStream([&](RibStream &w) { w.writeFloatArray(values.data(), RtInt(values.size())); }, binary);
            EXPECT_TRUE(stream == wholeStream(referenceArray(values, binary)))
                << count << (binary ? " binary" : " ascii");
        }
    }
}

// Integer text is written in batches of as many values as the buffer has room
// for at kInt32TextMax + 1 bytes each; lengths on both sides of the first
// batch end (after the header and "["), and arrays that fill the buffer twice
// and more, with the longest text (INT32_MIN) every third value.
TEST(Encoders, IntegerArraysAcrossBatchesMatchPrintf) {
    const size_t firstBatch = (OutputBuffer::kSize - quillet_test::kStreamHeader.size() - 1) / (kInt32TextMax + 1);
    for (size_t count : {firstBatch - 1, firstBatch, firstBatch + 1, 2 * firstBatch + 7, 5 * firstBatch}) {
        std::vector<RtInt> values(count);
        std::mt19937 random{uint32_t(count)};
        for (size_t i = 0; i < count; ++i) values[i] = i % 3 == 0 ? INT32_MIN : int32_t(random()) >> (random() % 32);
        std::string expected = "[";
        char text[16];
        for (RtInt v : values) {
            std::snprintf(text, sizeof text, "%d ", v);
            expected += text;
        }
        expected += "]";
        for (bool binary : {false, true}) {
            const std::string stream =
                captureStream([&](RibStream &w) { w.writeIntArray(values.data(), RtInt(count)); }, binary);
            EXPECT_TRUE(stream == wholeStream(expected)) << count << (binary ? " binary" : " ascii");
        }
    }
}

TEST(Encoders, LargestHeaderArrayMatchesReference) {
    const std::vector<RtFloat> values = randomFloats(16777216 + 3, 99);
    const std::string stream =
        captureStream([&](RibStream &w) { w.writeFloatArray(values.data(), RtInt(values.size())); }, true);
    EXPECT_TRUE(stream == wholeStream(referenceArray(values, true)));
}

}  // namespace
