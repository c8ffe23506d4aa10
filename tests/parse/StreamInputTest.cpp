// Hand-made streams: one for each kind of binary token, gzip-compressed
// input, and malformed input, each with the whole stream written again and
// the whole text of its errors.
#include <gtest/gtest.h>

#include <clocale>
#include <string>

#ifdef QUILLET_HAVE_ZLIB
#include <zlib.h>
#endif

#include "tests/parse/ParseSupport.h"

namespace {

const std::string kHeader = "##RenderMan RIB-Structure 1.0\nversion 3.03\n";

std::string bytes(std::initializer_list<int> values) {
    std::string out;
    for (int value : values) out += static_cast<char>(value);
    return out;
}

struct StreamCase {
    const char *what;
    std::string input;
    std::string written;  // after the header, before the final newline
    std::string errors;
};

void expectCases(const std::vector<StreamCase> &cases) {
    for (const StreamCase &c : cases) {
        Reparsed out = reparse(c.input, false);
        EXPECT_EQ(out.stream, kHeader + c.written + "\n") << c.what;
        EXPECT_EQ(out.errors, c.errors) << c.what;
    }
}

TEST(StreamInput, EveryBinaryTokenKind) {
    const std::string sphere = "Sphere";
    expectCases({
        {"integers of 1 to 4 bytes",
         "Format " + bytes({0x80, 0x40, 0x81, 0x01, 0xE0, 0x82, 0, 0, 1}) + "\nFrameBegin " +
             bytes({0x83, 0xFF, 0xFF, 0xFF, 0xFE}),
         "Format 64 480 1\nFrameBegin -2\n", ""},
        {"fixed point",
         "ShadingRate " + bytes({0x85, 0x01, 0x80}) + " PixelVariance " + bytes({0x88, 0x40}) + " RelativeDetail " +
             bytes({0x8F, 0, 0x80, 0, 0}),
         "ShadingRate 1.5\nPixelVariance 0.000976562\nRelativeDetail 0.5\n", ""},
        {"short and long strings",
         "Surface " + bytes({0x97}) + "plastic" + " Interior " + bytes({0xA0, 3}) + "ice" + " Exterior " +
             bytes({0xA1, 0, 3}) + "air" + " Atmosphere " + bytes({0xA2, 0, 0, 3}) + "fog" + " Imager " +
             bytes({0xA3, 0, 0, 0, 2}) + "bg" + " Attribute " + bytes({0x90}),
         "Surface \"plastic\"\nInterior \"ice\"\nExterior \"air\"\nAtmosphere \"fog\"\nImager \"bg\"\nAttribute \"\"\n",
         ""},
        {"float and double",
         "Perspective " + bytes({0xA4, 0x42, 0x34, 0, 0}) + " Clipping " +
             bytes({0xA5, 0x3F, 0xB9, 0x99, 0x99, 0x99, 0x99, 0x99, 0x9A}) + " 100",
         "Perspective 45\nClipping 0.1 100\n", ""},
        {"float arrays with 1 to 4 length bytes",
         "Color " + bytes({0xC8, 3, 0x3F, 0x80, 0, 0, 0, 0, 0, 0, 0x3F, 0, 0, 0}) + " Opacity " +
             bytes({0xC9, 0, 3, 0x3F, 0x80, 0, 0, 0x3F, 0x80, 0, 0, 0x3F, 0x80, 0, 0}) + " MotionBegin " +
             bytes({0xCA, 0, 0, 1, 0, 0, 0, 0}) + " MotionEnd Bound " +
             bytes({0xCB, 0, 0,    0,    6, 0xBF, 0x80, 0, 0, 0x3F, 0x80, 0, 0, 0xBF, 0x80,
                    0,    0, 0x3F, 0x80, 0, 0,    0,    0, 0, 0,    0x40, 0, 0, 0}),
         "Color [1 0 0.5]\nOpacity [1 1 1]\nMotionBegin [0]\nMotionEnd\nBound [-1 1 -1 1 0 2]\n", ""},
        {"encoded requests",
         bytes({0xCC, 1, 0x96}) + sphere + bytes({0xCC, 2}) + "\"WorldEnd\"" + " " + bytes({0xA6, 1}) + " 1 -1 1 360 " +
             bytes({0xA6, 2}),
         "Sphere 1 -1 1 360\nWorldEnd\n", ""},
        {"string definitions and references",
         bytes({0xCD, 7, 0x97}) + "plastic" + bytes({0xCE, 1, 0}) + "\"Kd\"" + "Surface " + bytes({0xCF, 7}) + " " +
             bytes({0xD0, 1, 0}) + " [0.5] Displacement " + bytes({0xCF, 7}),
         "Surface \"plastic\" \"Kd\" [0.5]\nDisplacement \"plastic\"\n", ""},
    });
}

TEST(StreamInput, MalformedInputIsReportedAndReadingGoesOn) {
    expectCases({
        {"a truncated binary token", "WorldBegin\nPerspective " + bytes({0xA4, 0x42, 0x34}), "WorldBegin\n",
         "in:2: byte 23: binary token 0xA4 truncated at the end of the stream\n"},
        {"a float array longer than the rest of the stream", "Color " + bytes({0xC9, 0x03, 0xE8, 0, 0, 0, 0, 0, 0}), "",
         "in:1: byte 6: float array of 1000 values runs past the end of the stream (6 bytes left)\n"},
        {"a claimed length of 2^31", "Surface " + bytes({0xA3, 0x80, 0, 0, 0}) + "abc", "",
         "in:1: byte 8: binary token 0xA3 claims 2147483648 bytes; the stream ends after 3\n"},
        {"an unterminated string", "Surface \"plastic\nSphere 1 -1 1 360\n", "", "in:1: byte 8: unterminated string\n"},
        {"an unterminated array", "Color [1 0 0\nSphere 1 -1 1 360\n", "Sphere 1 -1 1 360\n",
         "in:1: byte 6: unterminated array\n"},
        {"a byte that cannot start a token", "WorldBegin\n" + bytes({0xD1}) + "WorldEnd\n", "WorldBegin\n",
         "in:2: byte 11: byte 0xD1 cannot start a token; reading stops here\n"},
        {"zero bytes", bytes({0, 0, 0, 0}), "", "in:1: byte 0: byte 0x00 cannot start a token; reading stops here\n"},
        {"an encoded request that names no request", bytes({0xCC, 1, 0x9F}) + "Sphere 1 -1 1 9" + bytes({0xA6, 1}), "",
         "in:1: byte 0: encoded request 1 names \"Sphere 1 -1 1 9\", which is not a request\n"},
        {"an empty encoded request name", bytes({0xCC, 0x5D, 0x90, 0xA6, 0x5D}), "",
         "in:1: byte 0: encoded request 93 names \"\", which is not a request\n"},
        {"an undefined string reference", "Surface " + bytes({0xCF, 9}) + "\nWorldBegin\n", "WorldBegin\n",
         "in:1: byte 8: undefined encoded string 9\n"},
        {"non-printing bytes in a message", "Surface \"s\" \"\x1B[31m\" [1]\nSpheer\n", "Surface \"s\"\nSpheer\n",
         "in:1: byte 12: Surface: undeclared parameter \"\\x1B[31m\": declare it, or write its type inline: "
         "\"uniform float \\x1B[31m\"\n"},
        // The FrameEnd of a FrameBegin that was dropped is dropped too.
        {"a value outside a request, and an integer out of range", "1 2 ]\nFrameBegin 4294967296\nFrameEnd\n", "",
         "in:1: byte 0: value outside a request\nin:2: byte 17: FrameBegin: argument 1 should be an integer\n"},
    });
}

TEST(StreamInput, IntegerArraysInEveryForm) {
    expectCases({
        {"spacing, signs, leading zeros and the widest values",
         "Declare \"big\" \"uniform integer[8]\"\nAttribute \"user\" \"big\" [123456789  1234567890\t2147483647\n"
         "-2147483648 007 12 \n 3456789012 9]\nSpheer\n",
         "Declare \"big\" \"uniform integer[8]\"\nSpheer\n",
         "in:4: byte 113: Attribute: parameter \"big\" needs integer values\n"},
        {"numbers ending at a bracket, a tab or a newline",
         "Declare \"six\" \"uniform integer[6]\"\nAttribute \"user\" \"six\" [999999999 1000000000\t5\n0 +4 -12]\n",
         "Declare \"six\" \"uniform integer[6]\"\nAttribute \"user\" \"six\" [999999999 1000000000 5 0 4 -12 ]\n", ""},
    });
}

// A comma-decimal locale changes neither how numbers are read nor how the
// messages that carry them are written.
TEST(StreamInput, ACommaLocaleKeepsThePoint) {
    const std::string saved = std::setlocale(LC_ALL, nullptr);
    if (!std::setlocale(LC_ALL, "de_DE.UTF-8")) GTEST_SKIP() << "de_DE.UTF-8 is not installed";
    expectCases({
        {"decimal and exponent numbers", "Sphere 1.5 -1.5 1.5 360\nClipping 0.1 1e3\nColor [0.5 0.25 .75]\n",
         "Sphere 1.5 -1.5 1.5 360\nClipping 0.1 1000\nColor [0.5 0.25 0.75]\n", ""},
        {"messages about numbers", "Color [0.5 0.25]\nShadingRate 1,5\nOpacity [0.5,0.5 1 1]\n", "",
         "in:1: byte 6: Color: argument 1 should be an array of 3 numbers, has 2\n"
         "in:2: byte 29: bad number \"1,5\"\n"
         "in:3: byte 42: bad number \"0.5,0.5\"\n"},
    });
    std::setlocale(LC_ALL, saved.c_str());
}

// Found by the fuzz target: a comment inside a request was passed on before
// the request, so the written stream read back in another order.
TEST(StreamInput, CommentsInsideARequestFollowIt) {
    expectCases({
        {"comments between arguments", "Sphere 1 -1 # one\n1 360 ## two\n\"Cs\" [1 0 0 0 1 0 0 0 1 1 1 1]\nWorldEnd\n",
         "Sphere 1 -1 1 360 \"Cs\" [1 0 0 0 1 0 0 0 1 1 1 1]\n# one\n## two\nWorldEnd\n", ""},
        {"a comment before a request that fails", "Color [1 # one\n0]\nWorldEnd\n", "# one\nWorldEnd\n",
         "in:1: byte 6: Color: argument 1 should be an array of 3 numbers, has 2\n"},
    });
}

// Found by the gzip fuzz target: a byte that stops the reading, met where a
// value belongs, was taken as the value and the parse said it had read the
// whole stream.
TEST(StreamInput, AByteThatStopsReadingLeavesTheParseIncomplete) {
    struct Case {
        const char *what;
        std::string input, written, errors;
    } cases[] = {
        {"the value of an undeclared parameter", "Surface \"s\" \"nokd\" \x01\nWorldBegin\n", "Surface \"s\"\n",
         "in:1: byte 12: Surface: undeclared parameter \"nokd\": declare it, or write its type inline: "
         "\"uniform float nokd\"\nin:1: byte 19: byte 0x01 cannot start a token; "
         "reading stops here\n"},
        {"the value of a declared parameter", "Surface \"s\" \"Kd\" \x01\nWorldBegin\n", "",
         "in:1: byte 17: byte 0x01 cannot start a token; reading stops here\n"},
        {"an argument", "Sphere 1 \x01\nWorldBegin\n", "",
         "in:1: byte 9: byte 0x01 cannot start a token; reading stops here\n"},
        {"between requests", "WorldBegin\n\x01\nWorldEnd\n", "WorldBegin\n",
         "in:2: byte 11: byte 0x01 cannot start a token; reading stops here\n"},
    };
    for (const Case &c : cases) {
        Reparsed out = reparse(c.input, false);
        EXPECT_EQ(out.stream, kHeader + c.written + "\n") << c.what;
        EXPECT_EQ(out.errors, c.errors) << c.what;
        EXPECT_FALSE(out.result.complete) << c.what;
    }
}

TEST(StreamInput, ZeroBytesStopTheParseWithOneError) {
    const std::string zeros(1 << 20, '\0');
    Reparsed out = reparse(zeros, false);
    EXPECT_EQ(out.errors, "in:1: byte 0: byte 0x00 cannot start a token; reading stops here\n");
    EXPECT_FALSE(out.result.complete);
    EXPECT_EQ(out.result.errors, 1u);
}

#ifdef QUILLET_HAVE_ZLIB
std::string gzipped(const std::string &data) {
    std::string out(compressBound(static_cast<uLong>(data.size())) + 32, '\0');
    z_stream z{};
    deflateInit2(&z, Z_DEFAULT_COMPRESSION, Z_DEFLATED, 16 + MAX_WBITS, 8, Z_DEFAULT_STRATEGY);
    z.next_in = reinterpret_cast<Bytef *>(const_cast<char *>(data.data()));
    z.avail_in = static_cast<uInt>(data.size());
    z.next_out = reinterpret_cast<Bytef *>(&out[0]);
    z.avail_out = static_cast<uInt>(out.size());
    deflate(&z, Z_FINISH);
    out.resize(z.total_out);
    deflateEnd(&z);
    return out;
}

TEST(StreamInput, GzipInputIsReadLikeThePlainStream) {
    const std::string plain = "WorldBegin\nSphere 1 -1 1 360\nWorldEnd\n";
    const std::string written = kHeader + plain + "\n";
    expectCases({
        {"one member", gzipped(plain), plain, ""},
        {"two members", gzipped("WorldBegin\n") + gzipped("Sphere 1 -1 1 360\nWorldEnd\n"), plain, ""},
        {"a member cut short", gzipped(plain).substr(0, 12), "", "in:1: byte 1: gzip data ends early\n"},
    });
}
#endif

// Stream text in the parser's messages reached the terminal raw: every
// message that quotes it shows control bytes escaped.
TEST(StreamInput, ControlBytesAreEscapedInEveryMessage) {
    expectCases({
        {"names and values",
         "WorldBegin\nSphere 1\x01x -1 1 360\nSurface \"s\" \"\x1b[31mq\" 1\n"
         "Surface \"s\" \"uniform float \x1b[31mz\" \"str\"\nPatch \"\x1b[31mX\x07\" \"P\" [0 0 0]\n"
         "PixelFilter \"\x1b]0;t\x07\" 1 1\nBasis \"\x1b[1m\" 3 \"bezier\" 3\nErrorHandler \"\x9b"
         "1m\"\n"
         "Procedural \"\x1b[5m\" [\"a\"] [0 1 0 1 0 1]\nSurface \"s\" \"uniform float[2] \x1b[31mk\" [1]\n"
         "Polygon \"P\" [0 0 0 1 0 0 0 1 0] \"varying float \x1b[7mv\" [1 2]\n"
         "Polygon \"vertex point \x1b[0mQ\" [0 0 0 1]\n"
         "WorldEnd\n" +
             bytes({0xCC, 1}) + "\"\x1b[31m\"",
         "WorldBegin\nSurface \"s\"\nSurface \"s\"\nPatch \"\x1b[31mX\x07\"Surface \"s\"\n"
         "Polygon \"P\" [0 0 0 1 0 0 0 1 0]\nWorldEnd\n",
         "in:2: byte 18: bad number \"1\\x01x\"\n"
         "in:3: byte 43: Surface: undeclared parameter \"\\x1B[31mq\": declare it, or write its type inline: "
         "\"uniform float \\x1B[31mq\"\n"
         "in:4: byte 66: Surface: parameter \"uniform float \\x1B[31mz\" needs numeric values\n"
         "in:5: byte 95: Patch: unknown patch type \"\\x1B[31mX\\x07\"\n"
         "in:6: byte 123: PixelFilter: unknown filter \"\\x1B]0;t\\x07\"\n"
         "in:7: byte 148: Basis: unknown basis \"\\x1B[1m\"\n"
         "in:8: byte 174: ErrorHandler: unknown error handler \"\\x9B1m\"\n"
         "in:9: byte 193: Procedural: unknown procedural \"\\x1B[5m\"\n"
         "in:10: byte 231: Surface: parameter \"uniform float[2] \\x1B[31mk\" has 1 values, its declaration calls "
         "for 2\n"
         "in:11: byte 273: Polygon: parameter \"varying float \\x1B[7mv\" has 2 values, its declaration calls for 3\n"
         "in:12: byte 333: Polygon: parameter \"vertex point \\x1B[0mQ\" has 4 values, not a whole number of "
         "vertices\n"
         "in:14: byte 381: encoded request 1 names \"\\x1B[31m\", which is not a request\n"},
    });
}

// The escapes of ASCII strings, each as its own case: an octal escape takes
// at most three digits ("\1014" is "A4"; a fourth digit read as part of it
// turned it into "\f"), the letter escapes, and a backslash before a newline
// that continues the string on the next line.
TEST(StreamInput, StringEscapes) {
    expectCases({
        {"octal followed by a digit", "Surface \"x\\1014\"", "Surface \"xA4\"\n", ""},
        {"three octal escapes in a row", "Surface \"\\101\\102C\"", "Surface \"ABC\"\n", ""},
        {"one, two and three octal digits", "Surface \"\\7\\07\\007\\0077\"", "Surface \"\a\a\a\a7\"\n", ""},
        {"octal past a byte keeps its low bits", "Surface \"\\777\"", "Surface \"\xFF\"\n", ""},
        {"letter escapes", "Surface \"a\\rb\\tc\\bd\\fe\\nf\"", "Surface \"a\rb\tc\bd\fe\\nf\"\n", ""},
        {"line continuation", "Surface \"line\\\ncontinued\"\nWorldBegin", "Surface \"linecontinued\"\nWorldBegin\n",
         ""},
        {"quote, backslash and other characters", "Surface \"q\\\"\\\\z\\8\\q\"", "Surface \"q\\\"\\\\z8q\"\n", ""},
    });
}

// A declaration whose array length does not fit an int saturated to INT_MAX;
// one whose type cannot be read made the parser take its value for the next
// parameter name and drop the request. Each is reported, its value skipped
// and its pair left out; the rest of the request is written.
TEST(StreamInput, ParametersWithBadDeclarationsAreLeftOut) {
    const std::string huge(100, '1');
    expectCases({
        {"inline, a length past int", "Surface \"s\" \"uniform float[" + huge + "] longname\" [1 2 3 4] \"Kd\" 1",
         "Surface \"s\" \"Kd\" [1]\n",
         "in:1: byte 12: Surface: parameter \"uniform float[" + huge + "] longname\" has a bad declaration\n"},
        {"declared, a length past int",
         "Declare \"big\" \"uniform float[2147483648]\"\nSurface \"s\" \"big\" [1 2] \"Kd\" 1",
         "Surface \"s\" \"Kd\" [1]\n", "in:2: byte 54: Surface: parameter \"big\" has a bad declaration\n"},
        {"inline, no type", "Surface \"s\" \"uniform uniform float q\" 1 \"Kd\" 1", "Surface \"s\" \"Kd\" [1]\n",
         "in:1: byte 12: Surface: parameter \"uniform uniform float q\" has a bad declaration\n"},
    });
}

}  // namespace
