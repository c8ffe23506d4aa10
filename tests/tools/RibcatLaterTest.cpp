// ribcat with streams of the later interface versions: requests it does not
// know are written as they stand and named once, the version line is kept,
// and the new blocks are indented (RibcatTest checks their nesting).
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
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(run.out, "##RenderMan RIB-Structure 1.0\nversion 3.04\nWorldBegin\nBake \"a\" 1\n"
                       "Frobnicate [1 2 ] \"float w\" [0.5]\nBake \"b\" 2\nWorldEnd\n\n");
    EXPECT_EQ(run.err, "ribcat: unknown request \"Bake\" written as it stands\n"
                       "ribcat: unknown request \"Frobnicate\" written as it stands\n");

    RunResult check = runProgram("ribcat", "--check", input, dir.path());
    EXPECT_EQ(check.status, 1);
    EXPECT_EQ(check.out, "");
    EXPECT_EQ(check.err, "ribcat: <stdin>:3: byte 24: unknown request \"Bake\"\n"
                         "ribcat: <stdin>:4: byte 35: unknown request \"Frobnicate\"\n"
                         "ribcat: <stdin>:5: byte 68: unknown request \"Bake\"\n");
}

TEST_F(RibcatLater, IndentsArchiveResourceAndIfBlocks) {
    RunResult run = runProgram("ribcat", "--indent",
                               "ArchiveBegin \"a\"\nIfBegin \"1\"\nSphere 1 -1 1 360\nElseIf \"2\"\nResourceBegin\n"
                               "ResourceEnd\nElse\nDisk 0 1 360\nIfEnd\nArchiveEnd\n",
                               dir.path());
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(run.err, "");
    EXPECT_EQ(run.out, "##RenderMan RIB-Structure 1.0\nversion 3.03\nArchiveBegin \"a\"\n  IfBegin \"1\"\n"
                       "    Sphere 1 -1 1 360\n  ElseIf \"2\"\n    ResourceBegin\n    ResourceEnd\n  Else\n"
                       "    Disk 0 1 360\n  IfEnd\nArchiveEnd\n\n");
}

}  // namespace
