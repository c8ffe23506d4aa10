// Faults found by the fuzz targets and the sanitizer build in the tools,
// each pinned by the input that exposed it.
#include <gtest/gtest.h>

#include <string>

#include "ToolsSupport.h"

namespace {

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
