// Faults found by the fuzz targets and the sanitizer build in the tools,
// each pinned by the input that exposed it.
#include <gtest/gtest.h>

#include <string>

#include "ToolsSupport.h"

namespace {

// Counts far outside RtInt were converted to it directly, which is undefined
// (the sanitizer build stopped ribcat); they now saturate at its limits.
TEST(HardeningRegression, RibcatCheckSaturatesCountsOutsideRtInt) {
    ScratchDir dir;
    RunResult run = runProgram("ribcat", "--check",
                               "Blobby 1 [100010000000000000] [] []\n"
                               "PatchMesh \"bilinear\" 10000000000 \"nonperiodic\" -3000000000 \"nonperiodic\""
                               " \"P\" [0 0 0]\n",
                               dir.path());
    EXPECT_EQ(run.status, 1);
    EXPECT_EQ(run.out, "");
    EXPECT_EQ(run.err, "ribcat: <stdin>:1: Blobby: the code's leaves has 1 entries, the request's counts call for 0\n"
                       "ribcat: <stdin>:2: PatchMesh: parameter \"P\" has 3 values, its declaration calls for 0\n");
}

// The lengths that SubdivisionMesh tags ask for were summed through an
// undefined conversion of any number to long; they are now limited.
TEST(HardeningRegression, SubdivisionTagSizesOutsideTheIntRangeAreLimited) {
    ScratchDir dir;
    RunResult run = runProgram("ribcat", "--check",
                               "SubdivisionMesh \"catmull-clark\" [4] [0 1 2 3] [\"crease\"]"
                               " [2 111111111111111111111111111111111111111111111] [0 1] []"
                               " \"P\" [0 0 0 1 0 0 1 1 0 0 1 0]\n"
                               "SubdivisionMesh \"catmull-clark\" [4] [0 1 2 3] [\"crease\" \"corner\"]"
                               " [99999999999 0 99999999999 0] [0 1] [] \"P\" [0 0 0 1 0 0 1 1 0 0 1 0]\n",
                               dir.path());
    EXPECT_EQ(run.status, 1);
    EXPECT_EQ(run.out, "");
    EXPECT_EQ(run.err, "ribcat: <stdin>:1: SubdivisionMesh: argument 7 should be the tags' float arguments\n"
                       "ribcat: <stdin>:2: SubdivisionMesh: argument 6 should be the tags' integer arguments\n");
}

// An integer of 9e15 or more was printed with "%g", so it read back as a
// fraction and the rest of its array lost digits when printed again.
TEST(HardeningRegression, RibcatPrintsLargeIntegersWholeSoThatItsOutputReadsBackTheSame) {
    ScratchDir dir;
    const std::string printed = "Polygon \"P\" [0 0 0 11111111111111111265969018843793443478568960 825307441 1]\n";
    RunResult first = runProgram("ribcat", "",
                                 "Polygon \"P\" [0 0 0 11111111111111111111111111111111111111111111"
                                 " 825307441 1]\n",
                                 dir.path());
    EXPECT_EQ(first.status, 0);
    EXPECT_EQ(first.err, "");
    EXPECT_EQ(first.out, printed);
    RunResult again = runProgram("ribcat", "", first.out, dir.path());
    EXPECT_EQ(again.status, 0);
    EXPECT_EQ(again.out, printed);
}

// The leaf count of a Blobby was checked by building an array of that many
// numbers: "Blobby 2000000000" made ribcat allocate 16 GB.
TEST(HardeningRegression, RibcatChecksTheBlobbyLeafCountWithoutAnArrayOfThatSize) {
    ScratchDir dir;
    RunResult run = runProgram("ribcat", "--check", "Blobby 2000000000 [1001 0] [1 0 0 0 0 1 0 0 0 0 1 0 0 0 0 1] []\n",
                               dir.path());
    EXPECT_EQ(run.status, 1);
    EXPECT_EQ(run.out, "");
    EXPECT_EQ(run.err, "ribcat: <stdin>:1: Blobby: the code's leaves has 2000000000 entries, the request's counts"
                       " call for 1\n");
}

// ribcat --check shares the writer's count rules, so it passed what the
// writer got wrong: negative counts multiplied into a positive count, a
// Patch of unknown type counted as bicubic, and declared lengths of 32768 or
// more cut to 16 bits.
TEST(HardeningRegression, RibcatCheckCountsAsTheSoundWriterDoes) {
    ScratchDir dir;
    std::string fourPoints = " \"P\" [0 0 0 1 0 0 0 1 0 1 1 0]\n";
    std::string longArray = "Declare \"long\" \"uniform float[70000]\"\nSurface \"s\" \"long\" [";
    for (int i = 0; i < 4464; ++i) longArray += i ? " 0" : "0";
    longArray += "]\nDeclare \"longer\" \"uniform float[65536]\"\nSurface \"s\" \"longer\" []\n";
    RunResult run = runProgram("ribcat", "--check",
                               "PatchMesh \"bilinear\" -10 \"nonperiodic\" -10 \"nonperiodic\"" + fourPoints +
                                   "NuPatch 1 10 [0 0 0 0 0 1 1 1 1 1 1] 0 1 1 10 [0 0 0 0 0 1 1 1 1 1 1] 0 1"
                                   " \"uniform float x\" [1 2]\n"
                                   "Patch \"Bilinear\"" +
                                   fourPoints + longArray,
                               dir.path());
    EXPECT_EQ(run.status, 1);
    EXPECT_EQ(run.out, "");
    EXPECT_EQ(run.err, "ribcat: <stdin>:1: PatchMesh: parameter \"P\" has 12 values, its declaration calls for 0\n"
                       "ribcat: <stdin>:2: NuPatch: parameter \"uniform float x\" has 2 values, its declaration"
                       " calls for 0\n"
                       "ribcat: <stdin>:3: Patch: unknown patch type \"Bilinear\"\n"
                       "ribcat: <stdin>:5: Surface: parameter \"long\" has 4464 values, its declaration calls for"
                       " 70000\n"
                       "ribcat: <stdin>:7: Surface: parameter \"longer\" has 0 values, its declaration calls for"
                       " 65536\n");
}

// Light and object handles were converted to int directly, which is
// undefined outside its range; they now saturate at its limits, so handles
// beyond them name the same light or object.
TEST(HardeningRegression, GlimpseSaturatesHandlesOutsideTheIntRange) {
    if (!programExists("glimpse")) GTEST_SKIP() << "glimpse was not built (no libpng)";
    ScratchDir dir;
    RunResult run = runProgram("glimpse", "-o out.png",
                               "WorldBegin\n"
                               "LightSource \"pointlight\" 10000000000\n"
                               "Illuminate 3000000000 0\n"
                               "Illuminate -100000000000000000000000 1\n"
                               "ObjectBegin -500000000000000000000\n"
                               "ObjectEnd\n"
                               "ObjectInstance -3000000000000\n"
                               "ObjectInstance 3000000000000\n"
                               "WorldEnd\n",
                               dir.path());
    EXPECT_EQ(run.status, 1);
    EXPECT_EQ(run.out, "glimpse: 640x480, drawn: none; skipped: none; wrote out.png\n");
    EXPECT_EQ(run.err, "glimpse: <stdin>:4: Illuminate: no light -2147483648\n"
                       "glimpse: <stdin>:8: ObjectInstance: no object 2147483647\n");
}

}  // namespace
