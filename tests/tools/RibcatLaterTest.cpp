// ribcat with streams of the later interface versions: requests it does not
// know are written as they stand and named once, and the version line is
// kept (RibcatTest checks how the new blocks are indented).
#include <gtest/gtest.h>

#include "tests/tools/ToolsSupport.h"

namespace {

class RibcatLater : public ::testing::Test {
protected:
    ScratchDir dir;
};

TEST_F(RibcatLater, UnknownRequestsAreWrittenAndNamedOnce) {
    const std::string input = "version 3.04\nWorldBegin\nBake \"a\" 1\nFrobnicate [1 2] \"float w\" [0.5]\n"
                              "Bake \"b\" 2\nWorldEnd\n";
    RunResult run = runProgram("ribcat", "", input, dir.path());
    EXPECT_EQ(run, (RunResult{0,
                              "##RenderMan RIB-Structure 1.0\nversion 3.04\nWorldBegin\nBake \"a\" 1\n"
                              "Frobnicate [1 2 ] \"float w\" [0.5]\nBake \"b\" 2\nWorldEnd\n\n",
                              "ribcat: unknown request \"Bake\" written as it stands\n"
                              "ribcat: unknown request \"Frobnicate\" written as it stands\n"}));

    RunResult check = runProgram("ribcat", "--check", input, dir.path());
    EXPECT_EQ(check, (RunResult{1, "",
                                "ribcat: <stdin>:3: byte 24: unknown request \"Bake\"\n"
                                "ribcat: <stdin>:4: byte 35: unknown request \"Frobnicate\"\n"
                                "ribcat: <stdin>:5: byte 68: unknown request \"Bake\"\n"}));
}

}  // namespace
