// ribcat with streams of the later interface versions: requests it does not
// know are written as they stand and named once, the version line is kept,
// and --check nests the new blocks.
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

TEST_F(RibcatLater, CheckNestsTheNewBlocks) {
    const struct {
        const char *stream, *errors;
    } cases[] = {
        {"ArchiveEnd\n", "ribcat: <stdin>:1: byte 0: ArchiveEnd without ArchiveBegin\n"},
        {"ArchiveBegin \"a\"\nAttributeBegin\nArchiveEnd\n",
         "ribcat: <stdin>:3: byte 32: ArchiveEnd closes the AttributeBegin opened at line 2\n"
         "ribcat: <stdin>: ArchiveBegin opened at line 1 is not closed\n"},
        {"ResourceBegin\n", "ribcat: <stdin>: ResourceBegin opened at line 1 is not closed\n"},
        {"Else\nElseIf \"a\"\n", "ribcat: <stdin>:1: byte 0: Else outside an IfBegin block\n"
                                 "ribcat: <stdin>:2: byte 5: ElseIf outside an IfBegin block\n"},
        {"IfBegin \"a\"\nElse\nElseIf \"b\"\nElse\nIfEnd\n", "ribcat: <stdin>:3: byte 17: ElseIf after Else\n"
                                                             "ribcat: <stdin>:4: byte 28: Else after Else\n"},
        {"IfBegin \"a\"\nAttributeBegin\nElse\nAttributeEnd\nIfEnd\n",
         "ribcat: <stdin>:3: byte 27: Else outside an IfBegin block\n"},
    };
    for (const auto &c : cases) {
        RunResult run = runProgram("ribcat", "--check", c.stream, dir.path());
        EXPECT_EQ(run.status, 1) << c.stream;
        EXPECT_EQ(run.out, "");
        EXPECT_EQ(run.err, c.errors) << c.stream;
    }
}

}  // namespace
