// The error handlers: report format, repeat folding, exit status. Every case
// runs in its own child process, so each starts with a fresh reporter.
#include <string>

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
     [] {
         RiErrorPrint(RIE_RANGE, RIE_WARNING, "x");
         RiErrorPrint(RIE_RANGE, RIE_WARNING, "x");
         RiErrorPrint(RIE_RANGE, RIE_WARNING, "x");
         RiErrorPrint(RIE_CONSISTENCY, RIE_WARNING, "x");
         return 0;
     },
     "WARNING: Parameter out of range\n    --> x\n"
     "    (last message repeated 2 times)\n"
     "WARNING: Parameters inconsistent\n    --> x\n",
     0},
    {"SingleRepeatStillSaysTimes",
     [] {
         RiErrorPrint(RIE_BADHANDLE, RIE_ERROR, "h");
         RiErrorPrint(RIE_BADHANDLE, RIE_ERROR, "h");
         RiErrorPrint(RIE_BADHANDLE, RIE_ERROR, "other");
         return 0;
     },
     "ERROR: Bad handle\n    --> h\n    (last message repeated 1 times)\nERROR: Bad handle\n    --> other\n", 0},
    {"PendingCountIsLostAtExit",
     [] {
         RiErrorPrint(RIE_RANGE, RIE_WARNING, "x");
         RiErrorPrint(RIE_RANGE, RIE_WARNING, "x");
         return 0;
     },
     "WARNING: Parameter out of range\n    --> x\n", 0},
    {"BadTokenWithMessageNeverFolds",
     [] {
         RiErrorPrint(RIE_BADTOKEN, RIE_WARNING, "x");
         RiErrorPrint(RIE_BADTOKEN, RIE_WARNING, "x");
         return 0;
     },
     "WARNING: Invalid token\n    --> x\nWARNING: Invalid token\n    --> x\n", 0},
    {"NullMessageFoldsLikeEmptyOne",
     [] {
         RiErrorPrint(RIE_BADTOKEN, RIE_WARNING, nullptr);
         RiErrorPrint(RIE_BADTOKEN, RIE_WARNING, nullptr);
         RiErrorPrint(RIE_BADTOKEN, RIE_WARNING, "");
         RiErrorPrint(RIE_SYNTAX, RIE_WARNING, nullptr);
         return 0;
     },
     "WARNING: Invalid token\n    (last message repeated 1 times)\nWARNING: Invalid token\n    --> \n"
     "WARNING: Syntax error\n",
     0},
    {"CodeZeroPrintsNoTextAndNeverFolds",
     [] {
         RiErrorPrint(RIE_NOERROR, RIE_INFO, "x");
         RiErrorPrint(RIE_NOERROR, RIE_INFO, "x");
         return 0;
     },
     "INFO: \n    --> x\nINFO: \n    --> x\n", 0},
    {"CodesWithoutTextPrintTheNumber",
     [] {
         RiErrorPrint(RIE_VERSION, RIE_WARNING, "x");
         RiErrorPrint(RIE_DISKFULL, RIE_INFO, nullptr);
         RiErrorPrint(-7, RIE_ERROR, "y");
         RiErrorPrint(RIE_MATH, RIE_ERROR, "z");
         return 0;
     },
     "WARNING: code 5\n    --> x\nINFO: code 6\nERROR: code -7\n    --> y\nERROR: Math error\n    --> z\n", 0},
    {"MessageOf1023CharactersIsNotRemembered",
     [] {
         RiErrorPrint(RIE_RANGE, RIE_WARNING, kLongMessage.c_str());
         RiErrorPrint(RIE_RANGE, RIE_WARNING, kLongMessage.c_str());
         return 0;
     },
     "WARNING: Parameter out of range\n    --> " + kLongMessage + "\nWARNING: Parameter out of range\n    --> " +
         kLongMessage + "\n",
     0},
    {"MessageOf1022CharactersIsRemembered",
     [] {
         RiErrorPrint(RIE_RANGE, RIE_WARNING, kLongestRemembered.c_str());
         RiErrorPrint(RIE_RANGE, RIE_WARNING, kLongestRemembered.c_str());
         return 0;
     },
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
    {"SevereEndsProcess",
     [] {
         RiErrorPrint(RIE_BUG, RIE_SEVERE, "x");
         return 0;
     },
     "SEVERE ERROR: Probable bug in renderer\n    --> x\n", 255},
    {"SeverityAboveSevereIsNumberedAndEnds",
     [] {
         RiErrorPrint(RIE_BUG, 7, "x");
         return 0;
     },
     "SEVERITY 7: Probable bug in renderer\n    --> x\n", 255},
    {"FoldedSevereRepeatStillEnds",
     [] {
         RiErrorPrint(RIE_NOTSTARTED, RIE_ERROR, "RiSphere");
         RiErrorPrint(RIE_NOTSTARTED, RIE_ERROR, "RiSphere");
         RiErrorPrint(RIE_NOTSTARTED, RIE_SEVERE, "RiSphere");
         return 0;
     },
     "ERROR: RiBegin not called\n    --> RiSphere\n    (last message repeated 2 times)\n", 255},
    {"NegativeSeverityIsNumberedAndReturns",
     [] {
         RiErrorPrint(RIE_BUG, -1, "x");
         return 0;
     },
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
