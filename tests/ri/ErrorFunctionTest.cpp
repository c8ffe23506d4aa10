// A host's error function: every kind of diagnostic reaches it whole, nothing
// is printed and nothing ends the process; without one, the process prints
// and ends as it always has. Each case runs in a child process of its own.
#include <signal.h>

#include <cmath>
#include <cstdio>
#include <string>

#include <gtest/gtest.h>

#include "quillet/ErrorFunction.h"
#include "quillet/RibParser.h"
#include "quillet/RibWriter.h"
#include "quillet/ri.h"
#include "tests/support/ChildProcess.h"

using quillet_test::ChildResult;
using quillet_test::runInChild;

namespace {

// What the recording function received, one line per report.
std::string received;

void record(void *user, RtInt code, RtInt severity, const char *message) {
    received += static_cast<const char *>(user);
    received += std::to_string(code) + " " + std::to_string(severity) + " " + (message ? message : "(null)") + "\n";
}

std::string report(RtInt code, RtInt severity, const std::string &message) {
    return std::to_string(code) + " " + std::to_string(severity) + " " + message + "\n";
}

// Runs body with the recording function installed; the child prints what it
// received.
ChildResult runRecorded(const std::function<void()> &body) {
    return runInChild([&body] {
        received.clear();
        static char tag[] = "";
        QuilletSetErrorFunc(record, tag);
        body();
        std::fputs(received.c_str(), stdout);
        return 0;
    });
}

struct HostCase {
    const char *name;
    std::function<void()> body;
    std::string expectedReports;
};

void PrintTo(const HostCase &c, std::ostream *os) {
    *os << c.name;
}

RtFloat kUnit = 1;
RtPoint kPoints[16] = {};

const HostCase kHostCases[] = {
    {"TargetThatCannotBeOpened",
     [] {
         RiBegin("/nonexistent/dir/x.rib");
         std::printf("context %s\n", RiGetContext() ? "current" : "none");
         RiWorldBegin();
         RiErrorHandler(RiErrorIgnore);
         RiEnd();
     },
     "context none\n" +
         report(RIE_BADFILE, RIE_SEVERE,
                "Error making RIB file: bad filename\n\"/nonexistent/dir/x.rib\": No such file or directory") +
         report(RIE_NOTSTARTED, RIE_SEVERE, "RiWorldBegin") + report(RIE_NOTSTARTED, RIE_SEVERE, "RiErrorHandler") +
         report(RIE_NESTING, RIE_SEVERE, "RiEnd called at inappropriate level")},
    {"ParameterLists",
     [] {
         RiBegin("/dev/null");
         RiDeclare("oddity", "bogus");
         RiSphere(1, -1, 1, 360, "undeclared", &kUnit, RI_NULL);
         RtToken tokens[] = {nullptr, "Ka"};
         RtPointer values[] = {&kUnit, nullptr};
         RiSurfaceV("plastic", 2, tokens, values);
         RiEnd();
     },
     report(RIE_SYNTAX, RIE_ERROR, "quillet error: bad declaration \"bogus\" for \"oddity\"") +
         report(RIE_BADTOKEN, RIE_ERROR,
                "quillet error: undeclared parameter \"undeclared\": declare it, or write its type inline: "
                "\"uniform float undeclared\"") +
         report(RIE_BADTOKEN, RIE_ERROR, "quillet error: null parameter token") +
         report(RIE_MISSINGDATA, RIE_ERROR, "quillet error: no value for parameter \"Ka\"")},
    {"Geometry",
     [] {
         RiBegin("/dev/null");
         RiPatchMesh("tricubic", 4, RI_NONPERIODIC, 4, RI_NONPERIODIC, RI_P, kPoints, RI_NULL);
         RiBasis(RiBezierBasis, 0, RiBezierBasis, 3);
         RiPatchMesh(RI_BICUBIC, 4, RI_NONPERIODIC, 4, RI_NONPERIODIC, RI_P, kPoints, RI_NULL);
         RtInt code[] = {1001, 0};
         RtFloat floats[16] = {};
         RiBlobby(2, 2, code, 12, floats, 0, nullptr, RI_NULL);
         RiSphere(std::nanf(""), -1, 1, 360, RI_NULL);
         RiEnd();
     },
     report(RIE_BADTOKEN, RIE_ERROR, "quillet: unknown patch type tricubic") +
         report(RIE_RANGE, RIE_ERROR, "quillet: bad basis step 0") +
         report(RIE_CONSISTENCY, RIE_WARNING, "quillet error: RiBlobby nleaf [2] !=  leaf count [1]") +
         report(RIE_CONSISTENCY, RIE_WARNING, "quillet error: RiBlobby nflt [12] != float count [16]") +
         report(RIE_MATH, RIE_WARNING, "quillet error: non-finite value in Sphere")},
    {"Parser",
     [] {
         quillet::RibWriter writer("/dev/null", RI_NULL);
         quillet::RibDiagnostics diagnostics;
         const char text[] = "Sphere 1 -1 1 360\nSphere 1 -1 \"x\" 360\n";
         quillet::parseRib(text, sizeof text - 1, "scene.rib", writer, diagnostics);
         quillet::parseRib("/nonexistent/dir/scene.rib", writer, diagnostics);
     },
     report(RIE_SYNTAX, RIE_ERROR, "scene.rib:2: byte 30: Sphere: argument 3 should be a number") +
         report(RIE_NOFILE, RIE_ERROR, "/nonexistent/dir/scene.rib: cannot open: No such file or directory")},
    // The reader is gone before the stream is written: the write fails, the
    // loss is reported when the stream ends, and SIGPIPE neither ends the
    // process nor stays pending, and its disposition and mask are untouched.
    {"PipeWhoseReaderHasGone",
     [] {
         RiBegin("|exec true");
         std::vector<RtFloat> many(3 * 1000 * 1000, 0.5f);
         RiPoints(1000 * 1000, RI_P, many.data(), RI_NULL);
         RiEnd();
         struct sigaction disposition;
         sigaction(SIGPIPE, nullptr, &disposition);
         sigset_t mask, pending;
         pthread_sigmask(SIG_BLOCK, nullptr, &mask);
         sigpending(&pending);
         std::printf("default %d, blocked %d, pending %d\n", disposition.sa_handler == SIG_DFL,
                     sigismember(&mask, SIGPIPE), sigismember(&pending, SIGPIPE));
     },
     "default 1, blocked 0, pending 0\n" +
         report(RIE_SYSTEM, RIE_ERROR, "RIB stream to \"exec true\" was not written whole: write error (Broken pipe)")},
    {"FunctionFromCpp",
     [] {
         quillet::setErrorFunction([](RtInt code, RtInt severity, const char *message) {
             received += "C++ " + report(code, severity, message);
         });
         RiWorldBegin();
         QuilletSetErrorFunc(record, const_cast<char *>("C "));
         RiWorldEnd();
     },
     "C++ " + report(RIE_NOTSTARTED, RIE_SEVERE, "RiWorldBegin") + "C " +
         report(RIE_NOTSTARTED, RIE_SEVERE, "RiWorldEnd")},
};

class HostFunctionTest : public ::testing::TestWithParam<HostCase> {};

TEST_P(HostFunctionTest, ReceivesEveryReportAndNothingIsPrinted) {
    const HostCase &c = GetParam();
    ChildResult outcome = runRecorded(c.body);
    EXPECT_EQ(outcome.standardOutput, c.expectedReports);
    EXPECT_EQ(outcome.standardError, "");
    EXPECT_EQ(outcome.status, 0);
}

INSTANTIATE_TEST_SUITE_P(ErrorFunction, HostFunctionTest, ::testing::ValuesIn(kHostCases),
                         [](const ::testing::TestParamInfo<HostCase> &info) { return std::string(info.param.name); });

// Without a function, and after a null one put the default back, the
// process ends as it always has.
TEST(ErrorFunction, DefaultPrintsAndEnds) {
    const struct {
        const char *name;
        std::function<int()> body;
        std::string expectedError;
        int expectedStatus;
    } cases[] = {
        {"null restores the default",
         [] {
             QuilletSetErrorFunc(record, nullptr);
             QuilletSetErrorFunc(nullptr, nullptr);
             RiBegin("/nonexistent/dir/x.rib");
             return 0;
         },
         "Error making RIB file: bad filename\n", 1},
        {"a pipe whose reader has gone ends the process",
         [] {
             RiBegin("|exec true");
             std::vector<RtFloat> many(3 * 1000 * 1000, 0.5f);
             RiPoints(1000 * 1000, RI_P, many.data(), RI_NULL);
             RiEnd();
             return 0;
         },
         "", 128 + SIGPIPE},
    };
    for (const auto &c : cases) {
        ChildResult outcome = runInChild(c.body);
        EXPECT_EQ(outcome.standardError, c.expectedError) << c.name;
        EXPECT_EQ(outcome.status, c.expectedStatus) << c.name;
    }
}

}  // namespace
