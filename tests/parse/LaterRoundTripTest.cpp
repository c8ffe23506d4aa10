// Streams of both interface versions read back (the every-request scene's
// round trip holds the later requests written through the C interface): a
// stream mixing string handles, requests the parser does not know and
// comments is written again byte for byte; a Begin that cannot be read
// takes its End with it.
#include <gtest/gtest.h>

#include <string>

#include "quillet/ForwardingContext.h"
#include "quillet/GlobalNames.h"
#include "tests/parse/ParseSupport.h"

namespace {

const char kHeader[] = "##RenderMan RIB-Structure 1.0\nversion 3.03\n";

// Every request family of both versions, with string and numbered handles,
// unknown requests and comments, in the form the writer writes.
const char kMixedStream[] = R"(##RenderMan RIB-Structure 1.0
version 3.04
##Scene mixed
Option "user" "string pass" ["beauty"]
Declare "density" "varying float"
FrameBegin 1
Format 64 48 1
Projection "perspective" "fov" [40]
Camera "main"
ClippingPlane 0 0 1 0 0 -1
WorldBegin
# an archive, then objects named and numbered
ArchiveBegin "box"
AttributeBegin
Color [1 0.5 0]
Sphere 1 -1 1 360
AttributeEnd
ArchiveEnd
ObjectBegin "tree"
Cylinder 0.5 0 1 360
ObjectEnd
ObjectBegin 1
Disk 0 1 360
ObjectEnd
LightSource "pointlight" "key" "float intensity" [2]
LightSource "distantlight" 1
AreaLightSource "arealight" "panel"
Illuminate "key" 1
Illuminate 1 0
Illuminate "panel" 1
IfBegin "$user:pass == 'beauty'"
ReadArchive "box"
ElseIf "$user:pass == 'shadow'"
ObjectInstance 1
Else
ObjectInstance "tree"
IfEnd
ResourceBegin
Resource "r" "attributes" "string operation" ["save"]
ResourceEnd
TransformBegin
ScopedCoordinateSystem "lamp"
Translate 0 1 0 
TransformEnd
System "echo \"done\""
Volume "box" [-1 1 -1 1 -1 1] [2 1 1 ] "density" [0 0.5]
Procedural2 "DelayedReadArchive2" "SimpleBound" "string filename" ["a.rib"] "float[6] bound" [-1 1 -1 1 -1 1]
Procedural "DelayedReadArchive" ["b.rib"] [-1 1 -1 1 -1 1]
Frobnicate 1 2.5 "x" [1 2 ] [0.5 1] ["a" "b"] "string mode" "fast"
Bake
Polygon "P" [0 0 0 1 0 0 1 1 0]
WorldEnd
FrameEnd

)";

// Found by the binary fuzz target: a binary float of -0 in an unknown
// request was written "-0", which read again as the integer 0.
TEST(LaterRoundTrip, NegativeZeroOfAnUnknownRequestKeepsItsSign) {
    const std::string negativeZero("\xA4\x80\x00\x00\x00", 5);
    const struct {
        const char *what;
        std::string input;
    } cases[] = {
        {"a binary float", "Frobnicate " + negativeZero + " [1 -0]\n"},
        {"text", "Frobnicate -0 [1 -0]\n"},
    };
    for (const auto &c : cases) {
        Reparsed once = reparse(c.input, false);
        EXPECT_EQ(once.stream, std::string(kHeader) + "Frobnicate -0 [1 -0]\n\n") << c.what;
        EXPECT_EQ(once.errors, "") << c.what;
        EXPECT_EQ(reparse(reparse(c.input, true).stream, false).stream, once.stream) << c.what;
    }
}

// A float of an unknown request whose text reads as an integer was written
// "1", which read again as the integer 1: "[1 1.0]" came back "[1 1 ]".
// Such floats are written with a point; arrays with a float written as one,
// and integers, stay as they were.
TEST(LaterRoundTrip, WholeFloatsOfAnUnknownRequestStayFloats) {
    const std::string binaryThree("\xA4\x40\x40\x00\x00", 5);
    const std::string binaryArray("\xC8\x02\x3F\x80\x00\x00\x40\x00\x00\x00", 10);
    const struct {
        const char *what;
        std::string input, written;
    } cases[] = {
        {"an array of whole floats", "Frobnicate [1 1.0]\n", "Frobnicate [1.0 1.0]\n"},
        {"whole floats in exponent form", "Frobnicate [1e2 -20E0]\n", "Frobnicate [100.0 -20.0]\n"},
        {"a loose whole float", "Frobnicate 2.0 \"P\" 3.\n", "Frobnicate 2.0 \"P\" 3.0\n"},
        {"a binary float", "Frobnicate " + binaryThree + "\n", "Frobnicate 3.0\n"},
        {"a binary float array", "Frobnicate " + binaryArray + "\n", "Frobnicate [1.0 2.0]\n"},
        {"an array with one fraction", "Frobnicate [1 2.5]\n", "Frobnicate [1 2.5]\n"},
        {"an array with a negative zero", "Frobnicate [1.0 -0]\n", "Frobnicate [1 -0]\n"},
        {"a float too large for an integer", "Frobnicate [3e9] 1e6\n", "Frobnicate [3e+09] 1e+06\n"},
        {"integers", "Frobnicate [1 2] 3\n", "Frobnicate [1 2 ] 3\n"},
    };
    for (const auto &c : cases) {
        Reparsed once = reparse(c.input, false);
        const std::string written = std::string(kHeader) + c.written + "\n";
        EXPECT_EQ(once.stream, written) << c.what;
        EXPECT_EQ(once.errors, "") << c.what;
        EXPECT_EQ(reparse(once.stream, false).stream, written) << c.what;
        EXPECT_EQ(reparse(reparse(c.input, true).stream, false).stream, written) << c.what;
    }
}

TEST(LaterRoundTrip, MixedStreamIsWrittenAgainByteForByte) {
    Reparsed ascii = reparse(kMixedStream, false);
    EXPECT_EQ(ascii.stream, kMixedStream);
    EXPECT_EQ(ascii.errors, "");
    Reparsed binary = reparse(kMixedStream, true);
    EXPECT_EQ(binary.errors, "");
    EXPECT_EQ(reparse(binary.stream, false).stream, kMixedStream);
}

// What an unknown request brings: its arguments, then its parameter list.
class UnknownRecorder : public quillet::ForwardingContext {
public:
    RtVoid UnknownRequestV(RtToken name, RtInt nargs, const quillet::RequestValue[], RtInt n, RtToken tokens[],
                           const quillet::RequestValue values[]) override {
        seen += std::string(name) + ": " + std::to_string(nargs) + " arguments";
        for (RtInt i = 0; i < n; ++i)
            seen += std::string(", \"") + tokens[i] + "\" (" + std::to_string(values[i].count) + ")";
        seen += "\n";
    }
    std::string seen;
};

TEST(LaterRoundTrip, UnknownRequestsSplitArgumentsFromTheParameterList) {
    const struct {
        const char *input, *seen;
    } rows[] = {
        {"Bake\n", "Bake: 0 arguments\n"},
        {"Bake \"r\" \"attributes\" \"string operation\" [\"save\"]\n",
         "Bake: 2 arguments, \"string operation\" (1)\n"},
        {"Bake 1 [2 3] \"P\" [0 0 0] \"float w\" 1\n", "Bake: 2 arguments, \"P\" (3), \"float w\" (1)\n"},
        // A declared name whose values do not pair up is an argument.
        {"Bake \"P\" [0 0 0] \"x\"\n", "Bake: 3 arguments\n"},
        {"Bake \"x\" \"float w\"\n", "Bake: 2 arguments\n"},
    };
    for (const auto &row : rows) {
        UnknownRecorder recorder;
        CollectedErrors errors;
        std::string input = row.input;
        quillet::parseRib(input.data(), input.size(), "in", recorder, errors);
        EXPECT_EQ(recorder.seen, row.seen) << row.input;
        EXPECT_EQ(errors.text, "") << row.input;
    }
}

TEST(LaterRoundTrip, UnreadableRequestsAreReportedAndTheirEndsDropped) {
    const struct {
        const char *label, *input, *written, *errors;
    } rows[] = {
        {"an archive without a name", "ArchiveBegin 5\nSphere 1 -1 1 360\nArchiveEnd\nWorldEnd\n",
         "Sphere 1 -1 1 360\nWorldEnd\n", "in:1: byte 13: ArchiveBegin: argument 1 should be a string\n"},
        {"an object handle that is an array", "ObjectBegin [1]\nObjectEnd\n", "",
         "in:1: byte 12: ObjectBegin: argument 1 should be an integer or a string\n"},
        {"a nested block closes with its own End", "IfBegin\nAttributeBegin\nAttributeEnd\nIfEnd\nIfEnd\n",
         "AttributeBegin\nAttributeEnd\nIfEnd\n", "in:1: byte 0: IfBegin: argument 1 should be a string\n"},
        {"a named object that was never defined", "ObjectInstance \"nope\"\nIlluminate \"key\" 1\n", "",
         "in:1: byte 0: ObjectInstance: object \"nope\" is not defined\n"
         "in:2: byte 22: Illuminate: light \"key\" is not defined\n"},
        {"an unknown request with an unterminated array", "Bake [1 2\nWorldEnd\n", "WorldEnd\n",
         "in:1: byte 5: unterminated array\n"},
        {"an unknown request with numbers and strings in one array", "Bake [1 \"a\"]\nWorldEnd\n", "WorldEnd\n",
         "in:1: byte 8: Bake: array of numbers and strings\n"},
        {"a Procedural2 kind that is not a standard one", "Procedural2 \"Mine\" \"SimpleBound\"\n", "",
         "in:1: byte 0: Procedural2: unknown procedural \"Mine\"\n"},
        {"a Volume with two dimensions", "Volume \"box\" [-1 1 -1 1 -1 1] [2 2]\n", "",
         "in:1: byte 0: Volume: dimensions has 2 entries, the request's counts call for 3\n"},
    };
    for (const auto &row : rows) {
        Reparsed out = reparse(row.input, false);
        EXPECT_EQ(out.stream, std::string(kHeader) + row.written + "\n") << row.label;
        EXPECT_EQ(out.errors, row.errors) << row.label;
    }
}

}  // namespace
