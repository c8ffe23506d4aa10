// ribcat with streams of the later interface versions: requests it does not
// know are written as they stand and named once, and the version line is
// kept, only the one that comes first (RibcatTest checks how the new blocks
// are indented).
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

const char kStructure[] = "##RenderMan RIB-Structure 1.0\n";

// A version line before every other request is the header; any other is
// reported and dropped. The output written again, directly or through a
// binary stream, is the same bytes: a second version line, or one inside a
// request, made the header differ from one writing to the next.
TEST_F(RibcatLater, OnlyTheFirstVersionLineIsTheHeader) {
    const std::string misplaced = "version: should come once, before every other request\n";
    const struct {
        const char *label, *input, *output;
        std::string err;
        int status;
    } cases[] = {
        {"later", "version 3.04\nSphere 1 -1 1 360\n", "version 3.04\nSphere 1 -1 1 360\n", "", 0},
        {"earlier", "version 2\nSphere 1 -1 1 360\n", "version 3.03\nSphere 1 -1 1 360\n", "", 0},
        {"after comments", "##RenderMan RIB\n# exported\nversion 3.04\nSphere 1 -1 1 360\n",
         "version 3.04\n##RenderMan RIB\n# exported\nSphere 1 -1 1 360\n", "", 0},
        {"two", "version 31.0\nversion 6.03\nSphere 1 -1 1 360\n", "version 31\nSphere 1 -1 1 360\n",
         "ribcat: <stdin>:2: byte 13: " + misplaced, 1},
        {"two around a comment", "version 31.0\n# c\nversion 6.03\nSphere 1 -1 1 360\n",
         "version 31\n# c\nSphere 1 -1 1 360\n", "ribcat: <stdin>:3: byte 17: " + misplaced, 1},
        {"lower then higher", "version 3.0\nversion 3.04\n", "version 3.03\n",
         "ribcat: <stdin>:2: byte 12: " + misplaced, 1},
        {"after a request", "Sphere 1 -1 1 360\nversion 4\n", "version 3.03\nSphere 1 -1 1 360\n",
         "ribcat: <stdin>:2: byte 18: " + misplaced, 1},
        {"after an unknown request", "Bake 1\nversion 4\n", "version 3.03\nBake 1\n",
         "ribcat: unknown request \"Bake\" written as it stands\nribcat: <stdin>:2: byte 7: " + misplaced, 1},
        {"inside a request's values", "GeneralPolygon [4 3] \"P\" [0 0 0 4 0 0 version 4 0 0]\nDisk 0 1 360\n",
         "version 3.03\nDisk 0 1 360\n",
         "ribcat: <stdin>:1: byte 25: unterminated array\nribcat: <stdin>:1: byte 38: " + misplaced +
             "ribcat: <stdin>:1: byte 48: value outside a request\n",
         1},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.label);
        const std::string output = kStructure + std::string(c.output) + "\n";
        RunResult run = runProgram("ribcat", "", c.input, dir.path());
        EXPECT_EQ(run, (RunResult{c.status, output, c.err}));

        RunResult again = runProgram("ribcat", "", run.out, dir.path());
        RunResult binary = runProgram("ribcat", "--binary", c.input, dir.path());
        RunResult throughBinary = runProgram("ribcat", "", binary.out, dir.path());
        for (const RunResult *rewritten : {&again, &throughBinary}) {
            EXPECT_EQ(rewritten->status, 0);
            EXPECT_EQ(rewritten->out, output);
        }
    }
}

// Streams read one after another into one output: the header carries the
// highest version that the streams name before anything leaves the buffer,
// whatever the lengths of the numbers' text.
TEST_F(RibcatLater, VersionsOfSeveralStreamsRaiseOneHeader) {
    const struct {
        const char *first, *second, *output;
    } cases[] = {
        {"version 31.0\n# c\n", "version 6.03\nSphere 1 -1 1 360\n", "version 31\n# c\nSphere 1 -1 1 360\n"},
        {"version 3.5\n# c\n", "version 10.25\nSphere 1 -1 1 360\n", "version 10.25\n# c\nSphere 1 -1 1 360\n"},
        {"version 10.25\n# c\n", "version 12\n# d\n", "version 12\n# c\n# d\n"},
        {"# c\n", "version 3.04\n", "version 3.04\n# c\n"},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.first);
        writeFile(dir.file("first.rib"), c.first);
        writeFile(dir.file("second.rib"), c.second);
        EXPECT_EQ(runProgram("ribcat", "first.rib second.rib", "", dir.path()),
                  (RunResult{0, kStructure + std::string(c.output) + "\n", ""}));
    }
}

}  // namespace
