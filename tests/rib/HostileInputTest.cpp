// Faults found by calling the library with hostile arguments under the
// sanitizers, each pinned by the calls that exposed it. Every array the
// library is given is exactly as long as the call may read, so the sanitizer
// build also catches any read past it.
#include <gtest/gtest.h>

#include <cstdio>
#include <initializer_list>
#include <string>
#include <vector>

#include "quillet/DeclTable.h"
#include "quillet/GlobalNames.h"
#include "tests/rib/GeometryRequestTable.h"

using namespace quillet;
using namespace quillet_test;

namespace {

RtFloat fourPoints[12] = {0, 0, 0, 1, 0, 0, 0, 1, 0, 1, 1, 0};
RtFloat elevenKnots[11] = {0, 0, 0, 0, 0, 1, 1, 1, 1, 1, 1};
RtFloat oneValue[1] = {0.5f};

// Negative counts used to multiply into a positive count: -10 x -10 read
// 100 points from an array of 4 and wrote heap bytes into the stream.
TEST(HostileInput, NegativeCountsReadNothing) {
    expectGeometryErrors({
        {"PatchMesh bilinear -10 x -10",
         [](RibWriter &w) {
             w.PatchMesh("bilinear", -10, "nonperiodic", -10, "nonperiodic", "P", fourPoints, RI_NULL);
         },
         "PatchMesh \"bilinear\" -10 \"nonperiodic\" -10 \"nonperiodic\" \"P\" []\n", ""},
        {"PatchMesh bicubic -10 x -10",
         [](RibWriter &w) {
             w.PatchMesh("bicubic", -10, "nonperiodic", -10, "nonperiodic", "P", fourPoints, "Cs", fourPoints, "Kd",
                         oneValue, RI_NULL);
         },
         "PatchMesh \"bicubic\" -10 \"nonperiodic\" -10 \"nonperiodic\" \"P\" [] \"Cs\" [] \"Kd\" []\n", ""},
        {"NuPatch orders above the control points",
         [](RibWriter &w) {
             w.NuPatch(1, 10, elevenKnots, 0, 1, 1, 10, elevenKnots, 0, 1, "uniform float x", oneValue, "Cs",
                       fourPoints, RI_NULL);
         },
         "NuPatch 1 10 [0 0 0 0 0 1 1 1 1 1 1] 0.000000 1.000000 1 10 [0 0 0 0 0 1 1 1 1 1 1] 0.000000 1.000000  "
         "\"uniform float x\" [] \"Cs\" []\n",
         ""},
    });
}

// Patch used to count any type but "bilinear" as bicubic and read 16 points
// without a word; it now fails as PatchMesh does.
TEST(HostileInput, PatchOfUnknownTypeWritesNoParameters) {
    expectGeometryErrors({
        {"unknown type",
         [](RibWriter &w) {
             w.Patch("Bilinear", "P", fourPoints, RI_NULL);
             w.Sphere(1, -1, 1, 360, RI_NULL);
         },
         "Patch \"Bilinear\"Sphere 1 -1 1 360\n", "quillet: unknown patch type Bilinear\n"},
        {"null type", [](RibWriter &w) { w.PatchV(nullptr, 1, threeClasses(), rampValues()); }, "Patch \"\"",
         "quillet: unknown patch type \n"},
    });
}

// A declared length of 32768 or more was cut to its low 16 bits: float[70000]
// wrote 4464 values, float[40000] and float[65536] none.
TEST(HostileInput, LongDeclaredArraysAreWrittenWhole) {
    for (int length : {32767, 32768, 40000, 65536, 70000}) {
        const std::string name = "hostile_long" + std::to_string(length);
        DeclTable::declare(name.c_str(), ("uniform float[" + std::to_string(length) + "]").c_str(), nullptr, false);
        std::vector<RtFloat> values(static_cast<size_t>(length));
        std::string expected = "Surface \"s\" \"" + name + "\" [";
        for (int i = 0; i < length; ++i) {
            values[size_t(i)] = float(i % 10);
            expected += std::to_string(i % 10) + (i + 1 < length ? " " : "]\n");
        }
        Captured captured =
            captureStreamAndErrors([&](RibWriter &w) { w.Surface("s", name.c_str(), values.data(), RI_NULL); });
        EXPECT_EQ(captured.stream, wholeStream(expected)) << length;
        EXPECT_EQ(captured.diagnostics, "") << length;
    }
}

using NamedListRequest = RtVoid (RibWriter::*)(RtToken, RtInt, RtToken[], RtPointer[]);

// Each request with a null name and no parameters, in turn.
void callWithNullName(RibWriter &w, std::initializer_list<NamedListRequest> requests) {
    for (NamedListRequest request : requests) (w.*request)(nullptr, 0, nullptr, nullptr);
}

// A null name left the argument out ("Surface", "LightSource 1"); every
// request with a name argument now writes "" in its place.
TEST(HostileInput, NullNamesAreWrittenEmpty) {
    expectGeometryErrors({
        {"shaders and lights",
         [](RibWriter &w) {
             callWithNullName(w, {&RibWriter::SurfaceV, &RibWriter::DisplacementV, &RibWriter::AtmosphereV,
                                  &RibWriter::InteriorV, &RibWriter::ExteriorV, &RibWriter::ImagerV});
             w.LightSourceV(nullptr, 0, nullptr, nullptr);
             w.AreaLightSourceV(nullptr, 0, nullptr, nullptr);
         },
         "Surface \"\"\nDisplacement \"\"\nAtmosphere \"\"\nInterior \"\"\nExterior \"\"\nImager \"\"\n"
         "LightSource \"\" 1\nAreaLightSource \"\" 2\n",
         ""},
        {"options, attributes and the rest",
         [](RibWriter &w) {
             callWithNullName(w, {&RibWriter::ProjectionV, &RibWriter::OptionV, &RibWriter::AttributeV,
                                  &RibWriter::HiderV, &RibWriter::GeometryV});
             w.ReadArchiveV(nullptr, nullptr, 0, nullptr, nullptr);
             w.DisplayV(nullptr, nullptr, nullptr, 0, nullptr, nullptr);
         },
         "Projection \"\"\nOption \"\"\nAttribute \"\"\nHider \"\"\nGeometry \"\"\nReadArchive \"\"\n"
         "Display \"\" \"\" \"\"\n",
         ""},
        {"names with parameters",
         [](RibWriter &w) {
             RtToken tokens[] = {"Kd"};
             RtPointer values[] = {oneValue};
             w.SurfaceV(nullptr, 1, tokens, values);
             w.LightSourceV(nullptr, 1, tokens, values);
         },
         "Surface \"\" \"Kd\" [0.5]\nLightSource \"\" 1 \"Kd\" [0.5]\n", ""},
    });
}

// A 100-digit declared length saturated to INT_MAX and the writer read past
// the caller's four values (stack-buffer-overflow under the sanitizers). A
// length that does not fit an int is a bad declaration: reported, its pairs
// dropped, inline or declared.
TEST(HostileInput, DeclaredLengthsPastIntAreBadDeclarations) {
    static const std::string huge(100, '1');
    static const std::string inlineToken = "uniform float[" + huge + "] longname";
    static RtFloat four[4] = {1, 2, 3, 4};
    expectGeometryErrors({
        {"inline", [](RibWriter &w) { w.Surface("s", inlineToken.c_str(), four, "Kd", oneValue, RI_NULL); },
         "Surface \"s\" \"Kd\" [0.5]\n",
         "quillet error: bad declaration \"uniform float[" + huge + "]\" for \"longname\"\n"},
        {"declared",
         [](RibWriter &w) {
             w.Declare("hostile_past_int", "varying point[2147483648]");
             w.Surface("s", "hostile_past_int", four, RI_NULL);
         },
         "Surface \"s\"\n", "quillet error: bad declaration \"varying point[2147483648]\" for \"hostile_past_int\"\n"},
    });
}

// Caller text in the writer's messages reached the terminal raw: every
// message that quotes it shows control bytes escaped.
TEST(HostileInput, MessagesEscapeCallerText) {
    expectGeometryErrors({
        {"bad declarations",
         [](RibWriter &w) {
             w.Declare("\x1b[31mq", "bogus\x1b[31m");
             w.Surface("s", "uniform \x1b[31mq", oneValue, RI_NULL);
         },
         "Surface \"s\"\n",
         "quillet error: bad declaration \"bogus\\x1B[31m\" for \"\\x1B[31mq\"\n"
         "quillet error: bad declaration \"uniform\" for \"\\x1B[31mq\"\n"},
        {"unknown patch type", [](RibWriter &w) { w.Patch("\x1b[31mX\a", "P", fourPoints, RI_NULL); },
         "Patch \"\x1b[31mX\a\"", "quillet: unknown patch type \\x1B[31mX\\x07\n"},
        {"undeclared parameter", [](RibWriter &w) { w.Surface("s", "\x1b]0;t\a\\", oneValue, RI_NULL); },
         "Surface \"s\"\n",
         "quillet error: undeclared parameter \"\\x1B]0;t\\x07\\\\\": declare it, or write its type inline: "
         "\"uniform float \\x1B]0;t\\x07\\\\\"\n"},
        {"no value", [](RibWriter &w) { w.Surface("s", "uniform float \x9b\n", nullptr, RI_NULL); }, "Surface \"s\"\n",
         "quillet error: no value for parameter \"uniform float \\x9B\\n\"\n"},
    });
}

}  // namespace
