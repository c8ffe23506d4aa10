// The caps on one comment, string and array and the parse's memory budget,
// with small limits: each token at its cap and one byte or value past it,
// the whole stream written again and the whole text of the errors.
#include <gtest/gtest.h>

#include <new>
#include <string>
#include <vector>

#include "quillet/RibWriter.h"
#include "tests/parse/ParseSupport.h"

using namespace quillet;

namespace {

const std::string kHeader = "##RenderMan RIB-Structure 1.0\nversion 3.03\n";

RibParseLimits smallLimits() {
    RibParseLimits limits;
    limits.commentBytes = 8;
    limits.stringBytes = 16;
    limits.arrayValues = 6;
    return limits;
}

std::string bytes(std::initializer_list<int> values) {
    std::string out;
    for (int value : values) out += static_cast<char>(value);
    return out;
}

struct LimitCase {
    const char *what;
    std::string input;
    std::string written;  // after the header, before the final newline
    std::string errors;
};

void expectCases(const std::vector<LimitCase> &cases, const RibParseLimits &limits) {
    for (const LimitCase &c : cases) {
        Reparsed out = reparse(c.input, false, limits);
        EXPECT_EQ(out.stream, kHeader + c.written + "\n") << c.what;
        EXPECT_EQ(out.errors, c.errors) << c.what;
        EXPECT_TRUE(out.result.complete) << c.what;
    }
}

TEST(ParseLimits, TokensAtAndPastTheirCaps) {
    expectCases(
        {
            {"comment at the cap", "#12345678\nWorldBegin", "# 12345678\nWorldBegin\n", ""},
            {"comment past the cap", "#123456789\nWorldBegin", "WorldBegin\n",
             "in:1: byte 0: comment longer than 8 bytes\n"},
            {"string at the cap", "Surface \"123456789abcdef\\n\"", "Surface \"123456789abcdef\\n\"\n", ""},
            {"string past the cap, skipped to its quote", "Surface \"123456789abcdef\\n\\\"x\" \"Kd\" 1\nWorldBegin",
             "WorldBegin\n", "in:1: byte 8: string longer than 16 bytes\n"},
            {"unterminated string past the cap", "WorldBegin Surface \"123456789abcdefgh", "WorldBegin\n",
             "in:1: byte 19: string longer than 16 bytes\n"},
            {"binary string past the cap", "Surface " + bytes({0xA0, 17}) + "123456789abcdefgh WorldBegin",
             "WorldBegin\n", "in:1: byte 8: string longer than 16 bytes\n"},
            {"defined string past the cap", bytes({0xCD, 1, 0xA0, 17}) + "123456789abcdefgh WorldBegin", "WorldBegin\n",
             "in:1: byte 0: string longer than 16 bytes\n"},
            {"float array at the cap", "Bound [1 2 3 4 5 6]", "Bound [1 2 3 4 5 6]\n", ""},
            {"float array past the cap", "Polygon \"P\" [1 2 3 4 5 6 7 8 9] WorldBegin", "WorldBegin\n",
             "in:1: byte 12: array longer than 6 values\n"},
            {"integer array past the cap", "WorldBegin PointsPolygons [1 1 1 1 1 1 1] [0] \"P\" [0 0 0]",
             "WorldBegin\n", "in:1: byte 26: array longer than 6 values\n"},
            {"string array past the cap",
             "WorldBegin Surface \"s\" \"string[7] t\" [\"a\" \"b\" \"c\" \"d\" \"e\" \"f\" \"g\"]", "WorldBegin\n",
             "in:1: byte 37: array longer than 6 values\n"},
            {"binary float array past the cap, before its values",
             "Polygon \"P\" " + bytes({0xC8, 9}) + std::string(36, '\0') + " WorldBegin", "WorldBegin\n",
             "in:1: byte 12: array longer than 6 values\n"},
            {"array of an unknown request past the cap", "Frobnicate [1 2 3 4 5 6 7] WorldBegin", "WorldBegin\n",
             "in:1: byte 11: array longer than 6 values\n"},
            {"numbers of loose arguments past the cap", "Sphere [1 -1 1 360 0 0 0] WorldBegin", "WorldBegin\n",
             "in:1: byte 7: array longer than 6 values\n"},
        },
        smallLimits());
}

// A memory budget smaller than one request's values: the request is
// reported and dropped, the next one is read as usual, and inflated blanks
// cost nothing.
TEST(ParseLimits, MemoryBudget) {
    RibParseLimits limits;
    limits.memoryBytes = 100000;
    std::string manyValues = "Polygon \"P\" [";
    for (int i = 0; i < 30000; ++i) manyValues += "1 ";
    std::string manyLoose = "Frobnicate";
    for (int i = 0; i < 3000; ++i) manyLoose += " 1";
    std::string manyComments = "Polygon\n";
    for (int i = 0; i < 3000; ++i) manyComments += "# comment\n";
    // The comments past the point where the budget ran out are passed on,
    // as after any dropped request. Held comments are charged their text and
    // a string object each, whose size follows the pointer size.
    const int passedOnCount = sizeof(void *) == 8 ? 2138 : 1922;
    std::string passedOn;
    for (int i = 0; i < passedOnCount; ++i) passedOn += "# comment\n";
    expectCases(
        {
            {"values", "WorldBegin\n" + manyValues + "]\nWorldEnd", "WorldBegin\nWorldEnd\n",
             "in:2: byte 11: the parse's memory budget of 100000 bytes is spent: request dropped\n"},
            {"loose values of an unknown request", "WorldBegin\n" + manyLoose + "\nWorldEnd", "WorldBegin\nWorldEnd\n",
             "in:2: byte 11: the parse's memory budget of 100000 bytes is spent: request dropped\n"},
            {"comments inside a request", "WorldBegin\n" + manyComments + "WorldEnd",
             "WorldBegin\n" + passedOn + "WorldEnd\n",
             "in:2: byte 11: the parse's memory budget of 100000 bytes is spent: request dropped\n"},
            {"blanks", "WorldBegin" + std::string(size_t(1) << 22, ' ') + "WorldEnd", "WorldBegin\nWorldEnd\n", ""},
        },
        limits);
}

// A target that runs out of memory: one report, and no exception leaves
// the parse.
class ExhaustedWriter : public RibWriter {
public:
    explicit ExhaustedWriter(FILE *sink) : RibWriter(RibWriter::OpenStream{sink, "sink"}, RI_NULL) {}
    RtVoid SphereV(RtFloat, RtFloat, RtFloat, RtFloat, RtInt, RtToken[], RtPointer[]) override {
        throw std::bad_alloc();
    }
};

TEST(ParseLimits, OutOfMemoryEndsTheParseWithOneReport) {
    const std::string input = "WorldBegin\nSphere 1 -1 1 360\nWorldEnd\n";
    FILE *sink = std::tmpfile();
    ASSERT_NE(sink, nullptr);
    CollectedErrors errors;
    RibParseResult result;
    {
        ExhaustedWriter writer(sink);
        result = parseRib(input.data(), input.size(), "in", writer, errors);
    }
    std::fclose(sink);
    EXPECT_EQ(errors.text, "in:2: byte 11: out of memory: reading stops here\n");
    EXPECT_EQ(result.requests, 1u);
    EXPECT_EQ(result.errors, 1u);
    EXPECT_FALSE(result.complete);
}

}  // namespace
