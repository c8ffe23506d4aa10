// The error handlers: report format, repeat folding, exit status. Every case
// runs in its own child process, so each starts with a fresh reporter.
#include <functional>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "tests/support/ChildProcess.h"
#include "quillet/ri.h"

using quillet_test::ChildResult;
using quillet_test::runInChild;

namespace {

struct ReportCase {
    const char *name;
    std::function<int()> body;
    std::string expectedError;
    int expectedStatus;
};

struct PrintCall {
    RtInt code, severity;
    const char *message;
};

// A body that passes each call to RiErrorPrint in turn and returns 0.
std::function<int()> printing(std::vector<PrintCall> calls) {
    return [calls] {
        for (const PrintCall &call : calls) RiErrorPrint(call.code, call.severity, call.message);
        return 0;
    };
}

const std::string kLongMessage(1023, 'm');
const std::string kLongestRemembered(1022, 'm');

void PrintTo(const ReportCase &c, std::ostream *os) {
    *os << c.name;
}

class ReportTest : public ::testing::TestWithParam<ReportCase> {};

TEST_P(ReportTest, WritesWholeReportAndExitStatus) {
    const ReportCase &c = GetParam();
    ChildResult outcome = runInChild(c.body);
    EXPECT_EQ(outcome.standardError, c.expectedError);
    EXPECT_EQ(outcome.status, c.expectedStatus);
}

const ReportCase kReportCases[] = {
    {"RepeatsFoldIntoCount",
     printing({{RIE_RANGE, RIE_WARNING, "x"},
               {RIE_RANGE, RIE_WARNING, "x"},
               {RIE_RANGE, RIE_WARNING, "x"},
               {RIE_CONSISTENCY, RIE_WARNING, "x"}}),
     "WARNING: Parameter out of range\n    --> x\n"
     "    (last message repeated 2 times)\n"
     "WARNING: Parameters inconsistent\n    --> x\n",
     0},
    {"SingleRepeatStillSaysTimes",
     printing({{RIE_BADHANDLE, RIE_ERROR, "h"}, {RIE_BADHANDLE, RIE_ERROR, "h"}, {RIE_BADHANDLE, RIE_ERROR, "other"}}),
     "ERROR: Bad handle\n    --> h\n    (last message repeated 1 times)\nERROR: Bad handle\n    --> other\n", 0},
    {"PendingCountIsLostAtExit", printing({{RIE_RANGE, RIE_WARNING, "x"}, {RIE_RANGE, RIE_WARNING, "x"}}),
     "WARNING: Parameter out of range\n    --> x\n", 0},
    {"BadTokenWithMessageNeverFolds", printing({{RIE_BADTOKEN, RIE_WARNING, "x"}, {RIE_BADTOKEN, RIE_WARNING, "x"}}),
     "WARNING: Invalid token\n    --> x\nWARNING: Invalid token\n    --> x\n", 0},
    {"NullMessageFoldsLikeEmptyOne",
     printing({{RIE_BADTOKEN, RIE_WARNING, nullptr},
               {RIE_BADTOKEN, RIE_WARNING, nullptr},
               {RIE_BADTOKEN, RIE_WARNING, ""},
               {RIE_SYNTAX, RIE_WARNING, nullptr}}),
     "WARNING: Invalid token\n    (last message repeated 1 times)\nWARNING: Invalid token\n    --> \n"
     "WARNING: Syntax error\n",
     0},
    {"CodeZeroPrintsNoTextAndNeverFolds", printing({{RIE_NOERROR, RIE_INFO, "x"}, {RIE_NOERROR, RIE_INFO, "x"}}),
     "INFO: \n    --> x\nINFO: \n    --> x\n", 0},
    {"CodesWithoutTextPrintTheNumber",
     printing({{RIE_VERSION, RIE_WARNING, "x"},
               {RIE_DISKFULL, RIE_INFO, nullptr},
               {-7, RIE_ERROR, "y"},
               {RIE_MATH, RIE_ERROR, "z"}}),
     "WARNING: code 5\n    --> x\nINFO: code 6\nERROR: code -7\n    --> y\nERROR: Math error\n    --> z\n", 0},
    {"MessageOf1023CharactersIsNotRemembered",
     printing({{RIE_RANGE, RIE_WARNING, kLongMessage.c_str()}, {RIE_RANGE, RIE_WARNING, kLongMessage.c_str()}}),
     "WARNING: Parameter out of range\n    --> " + kLongMessage + "\nWARNING: Parameter out of range\n    --> " +
         kLongMessage + "\n",
     0},
    {"MessageOf1022CharactersIsRemembered",
     printing(
         {{RIE_RANGE, RIE_WARNING, kLongestRemembered.c_str()}, {RIE_RANGE, RIE_WARNING, kLongestRemembered.c_str()}}),
     "WARNING: Parameter out of range\n    --> " + kLongestRemembered + "\n", 0},
    {"LocationAndObjectWhenSet",
     [] {
         ErrorSourceFile = "scene.rib";
         ErrorSourceLine = 12;
         ErrorObjectName = "lathe";
         RiErrorPrint(RIE_BADHANDLE, RIE_ERROR, "x");
         RiErrorPrint(RIE_BADHANDLE, RIE_ERROR, "x");
         ErrorSourceLine = 13;
         RiErrorPrint(RIE_BADHANDLE, RIE_ERROR, "x");
         return 0;
     },
     "ERROR: scene.rib (12): Bad handle\n    --> x\n\t(error encountered in object \"lathe\")\n"
     "    (last message repeated 1 times)\n"
     "ERROR: scene.rib (13): Bad handle\n    --> x\n\t(error encountered in object \"lathe\")\n",
     0},
    {"SevereEndsProcess", printing({{RIE_BUG, RIE_SEVERE, "x"}}), "SEVERE ERROR: Probable bug in renderer\n    --> x\n",
     255},
    {"SeverityAboveSevereIsNumberedAndEnds", printing({{RIE_BUG, 7, "x"}}),
     "SEVERITY 7: Probable bug in renderer\n    --> x\n", 255},
    {"FoldedSevereRepeatStillEnds",
     printing({{RIE_NOTSTARTED, RIE_ERROR, "RiSphere"},
               {RIE_NOTSTARTED, RIE_ERROR, "RiSphere"},
               {RIE_NOTSTARTED, RIE_SEVERE, "RiSphere"}}),
     "ERROR: RiBegin not called\n    --> RiSphere\n    (last message repeated 2 times)\n", 255},
    {"NegativeSeverityIsNumberedAndReturns", printing({{RIE_BUG, -1, "x"}}),
     "SEVERITY -1: Probable bug in renderer\n    --> x\n", 0},
    {"AbortReturnsOnWarning",
     [] {
         RiErrorAbort(RIE_RANGE, RIE_WARNING, "x");
         return 3;
     },
     "WARNING: Parameter out of range\n    --> x\n", 3},
    {"AbortEndsOnError",
     [] {
         RiErrorAbort(RIE_RANGE, RIE_ERROR, "x");
         return 3;
     },
     "ERROR: Parameter out of range\n    --> x\n", 255},
    {"PrintRemembersCode",
     [] {
         RiErrorPrint(RIE_NOSHADER, RIE_INFO, "x");
         return RiLastError;
     },
     "INFO: Cannot load requested shader\n    --> x\n", RIE_NOSHADER},
    {"IgnoreOnlySetsLastError",
     [] {
         RiErrorIgnore(RIE_RANGE, RIE_SEVERE, "x");
         return RiLastError;
     },
     "", RIE_RANGE},
};

INSTANTIATE_TEST_SUITE_P(ErrorHandlers, ReportTest, ::testing::ValuesIn(kReportCases),
                         [](const ::testing::TestParamInfo<ReportCase> &info) { return info.param.name; });

}  // namespace
