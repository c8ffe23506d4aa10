#include <gtest/gtest.h>

#include <cstdio>
#include <functional>
#include <string>

#include "app/Lathe.h"
#include "tests/rib/StreamCapture.h"

using namespace quillet;

using namespace quillet_test;

namespace {

// Runs calls between RiBegin on a temporary file and RiEnd; returns the file.
std::string runIntoFile(const std::function<void()> &calls) {
    std::string path = makeTempPath();
    RiBegin(path.c_str());
    calls();
    RiEnd();
    std::string bytes = readFile(path);
    std::remove(path.c_str());
    return bytes;
}

void selectFormat(RtToken format) {
    RiOption("rib", "format", &format, RI_NULL);
}

// Lines 11 to 28 of the scene's stream: the lathe inside its solid, the world end.
const std::string kLatheBody = "SolidBegin \"primitive\"\n"
                               "Hyperboloid 0 0 1.5 0.09 0 1.46 360\n"
                               "Hyperboloid 0.09 0 1.46 0.1273 0 1.35 360\n"
                               "Hyperboloid 0.1273 0 1.35 0.1203 0 1.2625 360\n"
                               "Hyperboloid 0.1203 0 1.2625 0.1047 0 1.175 360\n"
                               "Hyperboloid 0.1047 0 1.175 0.0935 0 1.0875 360\n"
                               "Hyperboloid 0.0935 0 1.0875 0.0899 0 1 360\n"
                               "Hyperboloid 0.0899 0 1 0.0982 0 0.9375 360\n"
                               "Hyperboloid 0.0982 0 0.9375 0.1236 0 0.8625 360\n"
                               "Hyperboloid 0.1236 0 0.8625 0.1851 0 0.725 360\n"
                               "Hyperboloid 0.1851 0 0.725 0.2281 0 0.5875 360\n"
                               "Hyperboloid 0.2281 0 0.5875 0.2383 0 0.45 360\n"
                               "Hyperboloid 0.2383 0 0.45 0.2255 0 0.3375 360\n"
                               "Hyperboloid 0.2255 0 0.3375 0.1953 0 0.225 360\n"
                               "Hyperboloid 0.1953 0 0.225 0.1414 0 0.075 360\n"
                               "Hyperboloid 0.1414 0 0.075 0.1125 0 0 360\n"
                               "Disk 0 0.1125 360\n"
                               "SolidEnd\n"
                               "WorldEnd\n";

TEST(LatheScene, WholeStreamInAscii) {
    std::string expected = "##RenderMan RIB-Structure 1.0\n"
                           "version 3.03\n"
                           "Projection \"perspective\"\n"
                           "LightSource \"distantlight\" 1\n"
                           "Translate 0 -0.7 1.2 \n"
                           "WorldBegin\n"
                           "Rotate 90 -1 0 0 \n"
                           "Surface \"constant\"\n"
                           "Color [0.9 0.9 0.5]\n" +
                           kLatheBody + "\n";
    EXPECT_EQ(runIntoFile(describeLatheScene), expected);
}

TEST(LatheScene, WholeStreamInBinary) {
    selectFormat("binary");
    std::string stream = runIntoFile(describeLatheScene);
    selectFormat("ascii");

    std::string expected = "##RenderMan RIB-Structure 1.0\n"
                           "version 3.03\n"
                           "Projection \"perspective\"\n"
                           "LightSource \"distantlight\" 1\n"
                           "Translate " +
                           binaryFloat(0) + binaryFloat(-0.7f) + binaryFloat(1.2f) +
                           "\n"
                           "WorldBegin\n"
                           "Rotate " +
                           binaryFloat(90) + binaryFloat(-1) + binaryFloat(0) + binaryFloat(0) +
                           "\n"
                           "Surface \"constant\"\n"
                           "Color " +
                           binaryFloatArray({0.9f, 0.9f, 0.5f}) + "\n" + kLatheBody + "\n";
    EXPECT_EQ(stream, expected);
}

// Each end of the profile gets a disk when its radius is not 0, the first
// point's before the last point's; one point gives no band and two disks.
TEST(LatheScene, CapsFollowTheProfileEnds) {
    static const ProfilePoint openBoth[] = {{2, 0.5f}, {1, 0.25f}, {0, 0.75f}};
    static const ProfilePoint closedBase[] = {{1, 0.5f}, {0, 0}};
    static const ProfilePoint single[] = {{1, 0.5f}};
    struct Case {
        const char *label;
        const ProfilePoint *profile;
        int count;
        std::string requests;
    } cases[] = {
        {"open at both ends", openBoth, 3,
         "Hyperboloid 0.5 0 2 0.25 0 1 360\n"
         "Hyperboloid 0.25 0 1 0.75 0 0 360\n"
         "Disk 2 0.5 360\n"
         "Disk 0 0.75 360\n"},
        {"closed base", closedBase, 2, "Hyperboloid 0.5 0 1 0 0 0 360\nDisk 1 0.5 360\n"},
        {"one point", single, 1, "Disk 1 0.5 360\nDisk 1 0.5 360\n"},
    };
    for (const Case &row : cases) {
        std::string stream = runIntoFile([&] { LatheSolid(row.profile, row.count); });
        EXPECT_EQ(stream, wholeStream("SolidBegin \"primitive\"\n" + row.requests + "SolidEnd\n")) << row.label;
    }
}

}  // namespace
