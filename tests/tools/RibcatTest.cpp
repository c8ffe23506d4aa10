// ribcat: printing streams as ASCII RIB and checking them against the
// library's declarations and count rules.
#include <gtest/gtest.h>

#include "ri/ri.h"
#include "ToolsSupport.h"

namespace {

void sphereScene() {
    RtFloat cs[12] = {1, 0, 0, 0, 1, 0, 0, 0, 1, 1, 1, 1};
    RiWorldBegin();
    RiTranslate(0, 0.5f, 1e-5f);
    RiSphere(1, -1, 1, 360, "Cs", cs, RI_NULL);
    RiWorldEnd();
}

class Ribcat : public ::testing::Test {
protected:
    ScratchDir dir;
};

TEST_F(Ribcat, PrintsBinaryStreamsAsAsciiOneRequestALine) {
    RunResult ascii = runProgram("ribcat", "", libraryStream(sphereScene, false), dir.path());
    RunResult binary = runProgram("ribcat", "", libraryStream(sphereScene, true), dir.path());
    EXPECT_EQ(binary.status, 0);
    EXPECT_EQ(binary.err, "");
    EXPECT_EQ(binary.out, "##RenderMan RIB-Structure 1.0\n"
                          "version 3.03\n"
                          "WorldBegin\n"
                          "Translate 0 0.5 1e-05\n"
                          "Sphere 1 -1 1 360 \"Cs\" [1 0 0 0 1 0 0 0 1 1 1 1]\n"
                          "WorldEnd\n");
    EXPECT_EQ(ascii.out, binary.out);

    RunResult every = runProgram("ribcat", "", libraryStream(everyRequestScene, true), dir.path());
    RunResult everyAscii = runProgram("ribcat", "", libraryStream(everyRequestScene, false), dir.path());
    EXPECT_EQ(every.out, everyAscii.out);
}

TEST_F(Ribcat, CheckPassesOnEveryRequestFamilyTheLibraryWrites) {
    for (bool binary : {false, true}) {
        RunResult run = runProgram("ribcat", "--check", libraryStream(everyRequestScene, binary), dir.path());
        EXPECT_EQ(run.status, 0) << binary;
        EXPECT_EQ(run.out, "");
        EXPECT_EQ(run.err, "");
    }
}

TEST_F(Ribcat, CheckFlagsOneValueTooFew) {
    std::string stream = libraryStream(sphereScene, false);
    size_t last = stream.find(" 1 1 1]");
    ASSERT_NE(last, std::string::npos);
    stream.replace(last, 7, " 1 1]");
    RunResult run = runProgram("ribcat", "--check", stream, dir.path());
    EXPECT_EQ(run.status, 1);
    EXPECT_EQ(run.out, "");
    EXPECT_EQ(run.err, "ribcat: <stdin>:5: Sphere: parameter \"Cs\" has 11 values, its declaration calls for 12\n");
}

TEST_F(Ribcat, CheckFindsEachKindOfProblem) {
    const struct {
        const char *stream;
        const char *errors;
    } cases[] = {
        {"Spheer 1 -1 1 360\n", "ribcat: <stdin>:1: unknown request \"Spheer\"\n"},
        {"Sphere 1 -1 1\n", "ribcat: <stdin>:1: Sphere: too few arguments\n"},
        {"Color [1 0]\n", "ribcat: <stdin>:1: Color: argument 1 should be an array of 3 numbers\n"},
        {"WorldEnd 3\n", "ribcat: <stdin>:1: WorldEnd: too many arguments\n"},
        {"Surface \"plastic\" \"Kq\" [1]\n", "ribcat: <stdin>:1: Surface: undeclared parameter \"Kq\"\n"},
        {"Declare \"Kq\" \"varying color\"\nDisk 0 1 360 \"Kq\" [1 2 3]\n",
         "ribcat: <stdin>:2: Disk: parameter \"Kq\" has 3 values, its declaration calls for 12\n"},
        {"Disk 0 1 360 \"uniform float[2] w\" [1]\n",
         "ribcat: <stdin>:1: Disk: parameter \"uniform float[2] w\" has 1 values, its declaration calls for 2\n"},
        {"Polygon \"P\" [0 0 0 1 0 0 1 1 0] \"Cs\" [1 0 0 0 1 0]\n",
         "ribcat: <stdin>:1: Polygon: parameter \"Cs\" has 6 values, its declaration calls for 9\n"},
        {"PointsPolygons [3 3] [0 1 2 2 1] \"P\" [0 0 0]\n",
         "ribcat: <stdin>:1: PointsPolygons: vertices has 5 entries, the request's counts call for 6\n"},
        // Steps of 1 give 4 x 1 patches: 5 x 2 varying colours (3 x 2 with the default steps).
        {"Basis \"bezier\" 1 \"bezier\" 1\nPatchMesh \"bicubic\" 7 \"nonperiodic\" 4 \"nonperiodic\" \"Cs\" [1 1 1]\n",
         "ribcat: <stdin>:2: PatchMesh: parameter \"Cs\" has 3 values, its declaration calls for 30\n"},
        // (2-1) x (-3-1) uniform values of a negative array length: none,
        // as the writer counts them, not the product of the two.
        {"Declare \"q\" \"uniform float[-2]\"\n"
         "PatchMesh \"bilinear\" 2 \"nonperiodic\" -3 \"nonperiodic\" \"P\" [] \"q\" []\n"
         "PatchMesh \"bilinear\" 2 \"nonperiodic\" -3 \"nonperiodic\" \"P\" [] \"q\" [1 2 3 4 5 6 7 8]\n",
         "ribcat: <stdin>:3: PatchMesh: parameter \"q\" has 8 values, its declaration calls for 0\n"},
        {"PatchMesh \"trilinear\" 4 \"nonperiodic\" 4 \"nonperiodic\"\n",
         "ribcat: <stdin>:1: PatchMesh: unknown patch type \"trilinear\"\n"},
        {"Attribute \"identifier\" \"name\" [1]\n",
         "ribcat: <stdin>:1: Attribute: parameter \"name\" needs string values\n"},
        {"Color [1 0 0\nSphere 1 -1 1 360\n", "ribcat: <stdin>:1: byte 6: unterminated array\n"},
    };
    for (const auto &c : cases) {
        RunResult run = runProgram("ribcat", "--check", c.stream, dir.path());
        EXPECT_EQ(run.status, 1) << c.stream;
        EXPECT_EQ(run.err, c.errors) << c.stream;
    }
}

TEST_F(Ribcat, VersionAndUsage) {
    RunResult run = runProgram("ribcat", "--version", "", dir.path());
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(run.out, std::string("ribcat ") + QUILLET_VERSION + "\n");
    run = runProgram("ribcat", "--bogus", "", dir.path());
    EXPECT_EQ(run.status, 2);
    EXPECT_EQ(run.err, "usage: ribcat [--check] [FILE...]\n");
}

}  // namespace
