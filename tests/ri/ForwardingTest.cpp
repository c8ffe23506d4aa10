// What reaches the current context: collected lists, motion times, archive
// records, stream options kept away from the context, returned handles.
#include <cstdarg>

#include <gtest/gtest.h>

#include "quillet/GlobalNames.h"
#include "tests/support/ChildProcess.h"
#include "tests/ri/RecordingContext.h"
#include "tests/ri/Repeat.h"
#include "quillet/ri.h"
#include "rib/StreamOptions.h"

using quillet_test::ChildResult;
using quillet_test::runInChild;

using namespace quillet;

namespace {

class ForwardingTest : public ::testing::Test {
protected:
    void SetUp() override {
        saved = RiGetContext();
        RiContext(&recorder);
    }
    void TearDown() override { RiContext(saved); }

    const RecordingContext::Call &onlyCall() {
        EXPECT_EQ(recorder.calls.size(), 1u);
        static const RecordingContext::Call none{};
        return recorder.calls.empty() ? none : recorder.calls.front();
    }

    RecordingContext recorder;
    RtContextHandle saved = nullptr;
    RtFloat color[3] = {1, 0.5f, 0.25f};
    RtFloat opacity[3] = {1, 1, 1};
    RtFloat kd = 0.5f;
};

TEST_F(ForwardingTest, ContextIsTheOneSet) {
    EXPECT_EQ(RiGetContext(), static_cast<RenderContext *>(&recorder));
}

TEST_F(ForwardingTest, EmptyListArrivesWithNoPairs) {
    RiSphere(1, -1, 1, 360, RI_NULL);
    const RecordingContext::Call &call = onlyCall();
    EXPECT_EQ(call.operation, "SphereV");
    EXPECT_EQ(call.numbers, (std::vector<RtFloat>{1, -1, 1, 360}));
    EXPECT_TRUE(call.tokens.empty());
}

#define CS_PAIR() "Cs", color
#define OS_PAIR() "Os", opacity

TEST_F(ForwardingTest, ListOf512PairsArrivesWhole) {
    RiSphere(0.5f, -0.5f, 0.5f, 180, REPEAT511(CS_PAIR), OS_PAIR(), RI_NULL);
    const RecordingContext::Call &call = onlyCall();
    ASSERT_EQ(call.tokens.size(), 512u);
    for (size_t i = 0; i < 511; ++i) {
        ASSERT_STREQ(call.tokens[i], "Cs") << i;
        ASSERT_EQ(call.values[i], color) << i;
    }
    EXPECT_STREQ(call.tokens[511], "Os");
    EXPECT_EQ(call.values[511], opacity);
}

TEST_F(ForwardingTest, PairsBeyond512AreDropped) {
    RiSphere(0.5f, -0.5f, 0.5f, 180, REPEAT511(CS_PAIR), OS_PAIR(), "Kd", &kd, RI_NULL);
    const RecordingContext::Call &call = onlyCall();
    ASSERT_EQ(call.tokens.size(), 512u);
    EXPECT_STREQ(call.tokens[511], "Os");
    EXPECT_EQ(call.values[511], opacity);
}

TEST_F(ForwardingTest, MotionTimesNarrowedToFloats) {
    RiMotionBegin(2, 0.0, 1.0);
    EXPECT_EQ(onlyCall().numbers, (std::vector<RtFloat>{0.0f, 1.0f}));
}

#define HALF() 0.5

TEST_F(ForwardingTest, MotionBeyondLocalArrayKeepsEveryTime) {
    RiMotionBegin(150, 0.0, REPEAT128(HALF), REPEAT16(HALF), REPEAT4(HALF), 1.0);
    std::vector<RtFloat> expected(150, 0.5f);
    expected.front() = 0.0f;
    expected.back() = 1.0f;
    EXPECT_EQ(onlyCall().numbers, expected);
}

TEST_F(ForwardingTest, NoMotionTimesReadForZero) {
    RiMotionBegin(0);
    EXPECT_TRUE(onlyCall().numbers.empty());
}

void archiveThroughList(RtToken type, const char *format, ...) {
    va_list args;
    va_start(args, format);
    RiVArchiveRecord(type, format, args);
    va_end(args);
}

TEST_F(ForwardingTest, ArchiveRecordsPassTheirArguments) {
    RiArchiveRecord("comment", "frame %d of %s", 7, "lathe");
    archiveThroughList("structure", "%s %g", "Scene", 2.5);
    ASSERT_EQ(recorder.calls.size(), 2u);
    EXPECT_EQ(recorder.calls[0].name, "comment:frame 7 of lathe");
    EXPECT_EQ(recorder.calls[1].name, "structure:Scene 2.5");
}

TEST_F(ForwardingTest, LightHandleComesBack) {
    EXPECT_EQ(RiLightSource("distantlight", "intensity", &kd, RI_NULL), RecordingContext::lightHandle());
    const RecordingContext::Call &call = onlyCall();
    EXPECT_EQ(call.name, "distantlight");
    ASSERT_EQ(call.tokens.size(), 1u);
    EXPECT_STREQ(call.tokens[0], "intensity");
    EXPECT_EQ(call.values[0], &kd);
}

TEST_F(ForwardingTest, StreamOptionsNeverReachTheContext) {
    const StreamOptions saved = nextStreamOptions();
    RtInt zero = 0;
    RiOption("rib", "binary", &zero, RI_NULL);
    RiOption("RIB", "binary", &zero, RI_NULL);
    RtToken token[1] = {"binary"};
    RtPointer value[1] = {&zero};
    RiOptionV("rib", 1, token, value);
    setNextStreamOptions(saved);
    EXPECT_TRUE(recorder.calls.empty());
}

TEST_F(ForwardingTest, OtherOptionNamesReachTheContext) {
    RtInt one = 1;
    RiOption("Rib", "binary", &one, RI_NULL);
    RtToken token[1] = {"bucketsize"};
    RtPointer value[1] = {&one};
    RiOptionV("limits", 1, token, value);
    ASSERT_EQ(recorder.calls.size(), 2u);
    EXPECT_EQ(recorder.calls[0].name, "Rib");
    ASSERT_EQ(recorder.calls[0].tokens.size(), 1u);
    EXPECT_STREQ(recorder.calls[0].tokens[0], "binary");
    EXPECT_EQ(recorder.calls[1].name, "limits");
    EXPECT_EQ(recorder.calls[1].values, (std::vector<RtPointer>{&one}));
}

TEST(StreamOptions, AcceptedWithoutContext) {
    ChildResult outcome = runInChild([] {
        RtToken binary = "binary";
        RiOption("rib", "format", &binary, RI_NULL);
        int afterFormat = nextStreamOptions().binary;
        RtInt zero = 0;
        RtToken token[1] = {"binary"};
        RtPointer value[1] = {&zero};
        RiOptionV("RIB", 1, token, value);
        return afterFormat * 10 + int(nextStreamOptions().binary);
    });
    EXPECT_EQ(outcome.standardError, "");
    EXPECT_EQ(outcome.status, 10);
}

}  // namespace
