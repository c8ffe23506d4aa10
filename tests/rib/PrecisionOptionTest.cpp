// The "precision" stream option: every float written as text follows it, in
// both encodings, and the entry points hand it to the next stream; NaN and
// infinity written as text are reported once per request.
#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "format/FloatFormat.h"
#include "tests/rib/RequestCase.h"
#include "tests/support/ChildProcess.h"
#include "tests/rib/StreamCapture.h"
#include "rib/StreamOptions.h"

using namespace quillet;
using namespace quillet_test;

namespace {

RtFloat knots[] = {0, 0, 1, 1};
RtFloat color[] = {123456.789f, 0.1f, 1e-7f};
RtFloat width = 2.0f / 3.0f;

// One stream through a writer opened with the given precision option.
Captured capturePrecise(const std::function<void(RibWriter &)> &body, RtInt precision, bool binary) {
    const std::string path = makeTempPath();
    RtInt encoding = binary ? 1 : 0;
    ::testing::internal::CaptureStderr();
    auto *writer = new RibWriter(path.c_str(), "binary", &encoding, "precision", &precision, RI_NULL);
    body(*writer);
    delete writer;
    Captured result{readFile(path), ::testing::internal::GetCapturedStderr()};
    std::remove(path.c_str());
    return result;
}

// Fixed text arguments, arrays, single floats, NuPatch's ranges and a
// parameter list.
void fidelityScene(RibWriter &w) {
    w.SphereV(123456.789f, -0.1f, 1e-7f, 360, 0, nullptr, nullptr);
    w.Color(color);
    w.Translate(width, 0, 1e6f);
    RtToken tokens[] = {"width"};
    RtPointer values[] = {&width};
    w.NuPatchV(2, 2, knots, 0.1f, width, 2, 2, knots, 0, 1, 0, nullptr, nullptr);
    w.PointsV(1, 1, tokens, values);
}

struct PrecisionCase {
    RtInt precision;
    const char *expected;
};

TEST(PrecisionOption, TextOfEveryFloat) {
    const PrecisionCase cases[] = {
        {kDefaultPrecision, "Sphere 123457 -0.1 1e-07 360\n"
                            "Color [123457 0.1 1e-07]\n"
                            "Translate 0.666667 0 1e+06 \n"
                            "NuPatch 2 2 [0 0 1 1] 0.100000 0.666667 2 2 [0 0 1 1] 0.000000 1.000000 \n"
                            "Points  \"width\" [0.666667]\n"},
        {0, "Sphere 123456.79 -0.1 1e-07 360\n"
            "Color [123456.79 0.1 1e-07]\n"
            "Translate 0.6666667 0 1e+06 \n"
            "NuPatch 2 2 [0 0 1 1] 0.1 0.6666667 2 2 [0 0 1 1] 0 1 \n"
            "Points  \"width\" [0.6666667]\n"},
        {3, "Sphere 1.23e+05 -0.1 1e-07 360\n"
            "Color [1.23e+05 0.1 1e-07]\n"
            "Translate 0.667 0 1e+06 \n"
            "NuPatch 2 2 [0 0 1 1] 0.1 0.667 2 2 [0 0 1 1] 0 1 \n"
            "Points  \"width\" [0.667]\n"},
        {9, "Sphere 123456.789 -0.100000001 1.00000001e-07 360\n"
            "Color [123456.789 0.100000001 1.00000001e-07]\n"
            "Translate 0.666666687 0 1000000 \n"
            "NuPatch 2 2 [0 0 1 1] 0.100000001 0.666666687 2 2 [0 0 1 1] 0 1 \n"
            "Points  \"width\" [0.666666687]\n"},
    };
    for (const PrecisionCase &c : cases) {
        const Captured captured = capturePrecise(fidelityScene, c.precision, false);
        EXPECT_EQ(captured.stream, wholeStream(c.expected)) << "precision " << c.precision;
        EXPECT_EQ(captured.diagnostics, "");
    }
}

TEST(PrecisionOption, BinaryKeepsTextArgumentsAtPrecision) {
    const Captured captured = capturePrecise(
        [](RibWriter &w) {
            w.SphereV(123456.789f, -1, 1, 360, 0, nullptr, nullptr);
            w.Color(color);
        },
        0, true);
    EXPECT_EQ(captured.stream,
              wholeStream("Sphere 123456.79 -1 1 360\nColor " + binaryFloatArray({123456.789f, 0.1f, 1e-7f}) + "\n"));
}

// -1 is the default; other values are reported and ignored.
TEST(PrecisionOption, OtherValuesAreIgnored) {
    const struct {
        RtInt precision;
        const char *report;
    } cases[] = {
        {-1, ""},
        {10, "ERROR: Parameter out of range\n"
             "    --> \"rib\" option \"precision\": expected -1 (the default) or 0 to 9, got 10\n"},
        {-2, "ERROR: Parameter out of range\n"
             "    --> \"rib\" option \"precision\": expected -1 (the default) or 0 to 9, got -2\n"},
    };
    for (const auto &c : cases) {
        const Captured captured = capturePrecise([](RibWriter &w) { w.Translate(width, 0, 0); }, c.precision, false);
        EXPECT_EQ(captured.stream, wholeStream("Translate 0.666667 0 0 \n")) << c.precision;
        EXPECT_EQ(captured.diagnostics, c.report) << c.precision;
    }
}

// Given before RiBegin it holds for that stream and the ones after; given
// while a stream is open it applies to the next one. A value out of range is
// reported and changes nothing.
TEST(PrecisionOption, EntryPointsSetTheNextStream) {
    const std::string first = makeTempPath();
    const std::string second = makeTempPath();
    const std::string third = makeTempPath();
    ChildResult child = runChild([&] {
        RtInt shortest = 0, three = 3, ignored = 12;
        RiOption("rib", "precision", &shortest, RI_NULL);
        RiBegin(first.c_str());
        RiOption("rib", "precision", &three, RI_NULL);
        RiTranslate(width, 0, 0);
        RiEnd();
        RiBegin(second.c_str());
        RiTranslate(width, 0, 0);
        RiEnd();
        RiOption("RIB", "precision", &ignored, RI_NULL);
        RiBegin(third.c_str());
        RiTranslate(width, 0, 0);
        RiEnd();
    });
    EXPECT_EQ(child.status, 0);
    EXPECT_EQ(child.standardError,
              "ERROR: Parameter out of range\n"
              "    --> \"rib\" option \"precision\": expected -1 (the default) or 0 to 9, got 12\n");
    EXPECT_EQ(readFile(first), wholeStream("Translate 0.6666667 0 0 \n"));
    EXPECT_EQ(readFile(second), wholeStream("Translate 0.667 0 0 \n"));
    EXPECT_EQ(readFile(third), wholeStream("Translate 0.667 0 0 \n"));
    for (const std::string &path : {first, second, third}) std::remove(path.c_str());
}

const float kNaN = std::numeric_limits<float>::quiet_NaN();
const float kInfinity = std::numeric_limits<float>::infinity();

TEST(PrecisionOption, NonFiniteTextReportedOncePerRequest) {
    static RtFloat bad[] = {kNaN, 1, -kInfinity};
    auto scene = [](RibWriter &w) {
        w.SphereV(kInfinity, -1, kNaN, 360, 0, nullptr, nullptr);
        w.Color(bad);
        RtToken tokens[] = {"Cs", "Os"};
        RtPointer values[] = {bad, bad};
        w.PolygonV(1, 2, tokens, values);
        w.Translate(kNaN, kNaN, 0);
        w.NuPatchV(2, 2, knots, kNaN, 1, 2, 2, knots, 0, 1, 0, nullptr, nullptr);
        w.Color(color);
    };
    const Captured ascii = capturePrecise(scene, kDefaultPrecision, false);
    EXPECT_EQ(ascii.stream, wholeStream("Sphere inf -1 nan 360\n"
                                        "Color [nan 1 -inf]\n"
                                        "Polygon \"Cs\" [nan 1 -inf] \"Os\" [nan 1 -inf]\n"
                                        "Translate nan nan 0 \n"
                                        "NuPatch 2 2 [0 0 1 1] nan 1.000000 2 2 [0 0 1 1] 0.000000 1.000000 \n"
                                        "Color [123457 0.1 1e-07]\n"));
    const char *const textReports = "quillet error: non-finite value in Sphere\n"
                                    "quillet error: non-finite value in Color\n"
                                    "quillet error: non-finite value in Polygon\n"
                                    "quillet error: non-finite value in Translate\n"
                                    "quillet error: non-finite value in NuPatch\n";
    EXPECT_EQ(ascii.diagnostics, textReports);
    // Float arrays at the other precisions go through other paths.
    for (int precision : {0, 3}) EXPECT_EQ(capturePrecise(scene, precision, false).diagnostics, textReports);
    // Binary float tokens carry the values exactly; only text is reported.
    const Captured binary = capturePrecise(scene, 0, true);
    EXPECT_EQ(binary.diagnostics, "quillet error: non-finite value in Sphere\n"
                                  "quillet error: non-finite value in NuPatch\n");
}

}  // namespace
