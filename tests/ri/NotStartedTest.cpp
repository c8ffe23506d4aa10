// Entry points without a current context: the severe report naming the entry
// point (no message line for the value-returning ones) and exit status 255.
#include <cstdarg>
#include <string>
#include <thread>

#include <gtest/gtest.h>

#include "quillet/GlobalNames.h"
#include "tests/support/ChildProcess.h"
#include "quillet/ri.h"
#include "quillet/RibWriter.h"

using quillet_test::ChildResult;
using quillet_test::runInChild;

namespace {

struct NotStartedCase {
    const char *reportedName;  // null: the report has no message line
    std::function<void()> call;
};

void PrintTo(const NotStartedCase &c, std::ostream *os) {
    *os << (c.reportedName ? c.reportedName : "(unnamed)");
}

std::string notStartedReport(const char *name) {
    std::string report = "SEVERE ERROR: RiBegin not called\n";
    if (name) report += std::string("    --> ") + name + "\n";
    return report;
}

void archiveThroughList(const char *format, ...) {
    va_list args;
    va_start(args, format);
    RiVArchiveRecord("comment", format, args);
    va_end(args);
}

RtFloat color[3] = {1, 0, 0};
RtMatrix matrix = {{1, 0, 0, 0}, {0, 1, 0, 0}, {0, 0, 1, 0}, {0, 0, 0, 1}};
RtInt counts[1] = {3};
RtToken tokens[1] = {"Cs"};
RtPointer values[1] = {color};

const NotStartedCase kCases[] = {
    {"RiWorldBegin", [] { RiWorldBegin(); }},
    {"RiFrameBegin", [] { RiFrameBegin(1); }},
    {"RiFormat", [] { RiFormat(640, 480, 1); }},
    {"RiColor", [] { RiColor(color); }},
    {"RiConcatTransform", [] { RiConcatTransform(matrix); }},
    {"RiMotionBeginV", [] { RiMotionBeginV(1, color); }},
    {"RiPixelFilter", [] { RiPixelFilter(RiGaussianFilter, 2, 2); }},
    {"RiErrorHandler", [] { RiErrorHandler(RiErrorIgnore); }},
    {"RiSolidEnd", [] { RiSolidEnd(); }},
    {"RiSphere", [] { RiSphere(1, -1, 1, 360, "Cs", color, RI_NULL); }},
    {"RiSurface", [] { RiSurface("plastic", RI_NULL); }},
    {"RiReadArchive", [] { RiReadArchive("a.rib", nullptr, RI_NULL); }},
    {"RiSphereV", [] { RiSphereV(1, -1, 1, 360, 1, tokens, values); }},
    {"RiPointsGeneralPolygonsV", [] { RiPointsGeneralPolygonsV(1, counts, counts, counts, 0, nullptr, nullptr); }},
    {"RiOption", [] { RiOption("limits", RI_NULL); }},
    {"RiOption", [] { RiOption("Rib", "format", values, RI_NULL); }},
    {"RiOptionV", [] { RiOptionV("rIB", 0, nullptr, nullptr); }},
    {"RiMotionBegin", [] { RiMotionBegin(2, 0.0, 1.0); }},
    {"RiArchiveRecord", [] { RiArchiveRecord("comment", "frame %d", 7); }},
    {"RiVArchiveRecord", [] { archiveThroughList("frame %d", 7); }},
    {"RiMakeTexture", [] { RiMakeTexture("a.tif", "a.tx", "clamp", "clamp", RiBoxFilter, 1, 1, RI_NULL); }},
    {"RiMakeTextureV",
     [] { RiMakeTextureV("a.tif", "a.tx", "clamp", "clamp", RiBoxFilter, 1, 1, 0, nullptr, nullptr); }},
    {"RiMakeLatLongEnvironment", [] { RiMakeLatLongEnvironment("a.tif", "a.env", RiBoxFilter, 1, 1, RI_NULL); }},
    {"RiMakeLatLongEnvironmentV",
     [] { RiMakeLatLongEnvironmentV("a.tif", "a.env", RiBoxFilter, 1, 1, 0, nullptr, nullptr); }},
    {"RiMakeCubeFaceEnvironment",
     [] { RiMakeCubeFaceEnvironment("a", "b", "c", "d", "e", "f", "g.env", 90, RiBoxFilter, 1, 1, RI_NULL); }},
    {"RiMakeCubeFaceEnvironmentV",
     [] {
         RiMakeCubeFaceEnvironmentV("a", "b", "c", "d", "e", "f", "g.env", 90, RiBoxFilter, 1, 1, 0, nullptr, nullptr);
     }},
    {"RiMakeShadow", [] { RiMakeShadow("a.z", "a.shd", RI_NULL); }},
    {"RiMakeShadowV", [] { RiMakeShadowV("a.z", "a.shd", 0, nullptr, nullptr); }},
    {nullptr, [] { RiDeclare("Kd2", "uniform float"); }},
    {nullptr, [] { RiLightSource("distantlight", RI_NULL); }},
    {nullptr, [] { RiLightSourceV("distantlight", 0, nullptr, nullptr); }},
    {nullptr, [] { RiAreaLightSource("arealight", RI_NULL); }},
    {nullptr, [] { RiAreaLightSourceV("arealight", 0, nullptr, nullptr); }},
    {nullptr, [] { RiObjectBegin(); }},
    {nullptr, [] { RiTransformPoints("object", "world", 0, nullptr); }},
};

class NotStartedTest : public ::testing::TestWithParam<NotStartedCase> {};

TEST_P(NotStartedTest, ReportsAndEndsProcess) {
    const NotStartedCase &c = GetParam();
    ChildResult outcome = runInChild([&] {
        c.call();
        return 0;  // never reached
    });
    EXPECT_EQ(outcome.standardError, notStartedReport(c.reportedName));
    EXPECT_EQ(outcome.status, 255);
}

INSTANTIATE_TEST_SUITE_P(EntryPoints, NotStartedTest, ::testing::ValuesIn(kCases));

TEST(ContextManagement, NoContextBeforeBegin) {
    ChildResult outcome = runInChild([] { return RiGetContext() == nullptr ? 0 : 1; });
    EXPECT_EQ(outcome.standardError, "");
    EXPECT_EQ(outcome.status, 0);
}

TEST(ContextManagement, NullContextIsNotStarted) {
    ChildResult outcome = runInChild([] {
        RiContext(nullptr);
        RiWorldBegin();
        return 0;
    });
    EXPECT_EQ(outcome.standardError, notStartedReport("RiWorldBegin"));
    EXPECT_EQ(outcome.status, 255);
}

const std::string kBadContextReport = "ERROR: Bad handle\n    --> RiContext\n";

TEST(ContextManagement, EndedContextIsBadHandle) {
    ChildResult outcome = runInChild([] {
        RiBegin("/dev/null");
        RtContextHandle ended = RiGetContext();
        RiEnd();
        RiContext(ended);
        RiWorldBegin();
        return 0;
    });
    EXPECT_EQ(outcome.standardError, kBadContextReport + notStartedReport("RiWorldBegin"));
    EXPECT_EQ(outcome.status, 255);
}

TEST(ContextManagement, BadHandleLeavesCurrentContext) {
    ChildResult outcome = runInChild([] {
        RiBegin("/dev/null");
        RtContextHandle open = RiGetContext();
        int notAContext = 0;
        RiContext(&notAContext);
        RiWorldBegin();
        RiWorldEnd();
        const bool unchanged = RiGetContext() == open;
        RiEnd();
        return unchanged ? 7 : 1;
    });
    EXPECT_EQ(outcome.standardError, kBadContextReport);
    EXPECT_EQ(outcome.status, 7);
}

TEST(ContextManagement, DestroyedCurrentContextLeavesNone) {
    ChildResult outcome = runInChild([] {
        {
            RibWriter scoped("/dev/null", RI_NULL);
            RiContext(&scoped);
        }
        const bool none = RiGetContext() == nullptr;
        RiWorldBegin();
        return none ? 0 : 1;
    });
    EXPECT_EQ(outcome.standardError, notStartedReport("RiWorldBegin"));
    EXPECT_EQ(outcome.status, 255);
}

// The thread that began a stream finds it gone once another thread that
// chose it has ended it: its next request is not started.
TEST(ContextManagement, ContextEndedByAnotherThreadLeavesNone) {
    ChildResult outcome = runInChild([] {
        RiBegin("/dev/null");
        RiWorldBegin();
        RtContextHandle shared = RiGetContext();
        std::thread([shared] {
            RiContext(shared);
            RiEnd();
        }).join();
        RiWorldEnd();
        return 0;
    });
    EXPECT_EQ(outcome.standardError, notStartedReport("RiWorldEnd"));
    EXPECT_EQ(outcome.status, 255);
}

TEST(ContextManagement, EndWithoutContextIsNestingError) {
    ChildResult outcome = runInChild([] {
        RiEnd();
        return 0;
    });
    EXPECT_EQ(outcome.standardError, "SEVERE ERROR: Nesting error\n    --> RiEnd called at inappropriate level\n");
    EXPECT_EQ(outcome.status, 255);
}

TEST(ContextManagement, SecondEndIsNestingError) {
    ChildResult outcome = runInChild([] {
        RiBegin("second_end.rib");
        RiEnd();
        RiEnd();
        return 0;
    });
    EXPECT_EQ(outcome.standardError, "SEVERE ERROR: Nesting error\n    --> RiEnd called at inappropriate level\n");
    EXPECT_EQ(outcome.status, 255);
}

}  // namespace
