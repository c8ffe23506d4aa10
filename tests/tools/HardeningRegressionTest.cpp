// Hostile streams against glimpse, each pinned by the input that exposed the
// fault: where it may write, how far objects replay, how much memory lights
// take, and what reaches the terminal.
#include <gtest/gtest.h>
#include <sys/resource.h>

#include <string>

#include "tests/tools/ToolsSupport.h"

namespace {

class GlimpseHardening : public ::testing::Test {
protected:
    void SetUp() override {
        if (!programExists("glimpse")) GTEST_SKIP() << "glimpse was not built (no libpng)";
    }
    ScratchDir dir;
};

std::string displayStream(const std::string &name) {
    return "Format 8 8 1\nDisplay \"" + name + "\" \"file\" \"rgb\"\nWorldBegin\nWorldEnd\n";
}

// Display wrote wherever the stream said: an absolute path replaced the
// file there, "../x.png" wrote outside the working directory. Only a PNG
// name in the working directory is taken now; -o stays free.
TEST_F(GlimpseHardening, DisplayNamesOnlyAPictureInTheWorkingDirectory) {
    writeFile(dir.file("victim.txt"), "keep");
    const struct {
        std::string name, arguments, written;
    } cases[] = {
        {dir.file("victim.txt"), "", "glimpse.png"},
        {dir.file("victim.png"), "", "glimpse.png"},
        {"../up.png", "", "glimpse.png"},
        {"sub/in.png", "", "glimpse.png"},
        {"picture.txt", "", "glimpse.png"},
        {"..png", "", "glimpse.png"},
        {"picture.png", "", "picture.png"},
        {"picture.png", "-o " + dir.file("chosen.png"), dir.file("chosen.png")},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        RunResult run = runProgram("glimpse", c.arguments, displayStream(c.name), dir.path());
        EXPECT_EQ(run, (RunResult{0, "glimpse: 8x8, drawn: none; skipped: none; wrote " + c.written + "\n", ""}));
        std::remove((c.written[0] == '/' ? c.written : dir.file(c.written)).c_str());
    }
    EXPECT_EQ(readFile(dir.file("victim.txt")), "keep");
}

// A WorldEnd inside an object wrote a picture on every replay, and an
// object that instanced itself, or a chain that doubled at each step,
// replayed without end. Objects now never end a frame, and the parts that
// instances place are capped.
TEST_F(GlimpseHardening, ObjectsNeitherEndFramesNorReplayWithoutBound) {
    std::string stream = "Format 8 8 1\nWorldBegin\nObjectBegin 1\nSphere 1 -1 1 360\nWorldEnd\nObjectInstance 1\n"
                         "ObjectEnd\n";
    for (int k = 2; k <= 40; ++k)
        stream += "ObjectBegin " + std::to_string(k) + "\nObjectInstance " + std::to_string(k - 1) +
                  "\nObjectInstance " + std::to_string(k - 1) + "\nObjectEnd\n";
    stream += "ObjectInstance 40\nObjectInstance 40\nWorldEnd\n";
    RunResult run = runProgram("glimpse", "", stream, dir.path());
    EXPECT_EQ(run,
              (RunResult{1, "glimpse: 8x8, drawn: none; skipped: none; wrote glimpse.png\n",
                         "glimpse: <stdin>: WorldEnd inside an object definition: ignored\n"
                         "glimpse: <stdin>: ObjectInstance: an object cannot instance itself\n"
                         "glimpse: <stdin>: the stream exceeds the previewer's limit of 100000 instanced parts: the "
                         "rest of its geometry is not drawn\n"}));
}

// Every AttributeBegin copied the light list: 40,000 lights and 40,000
// blocks took 5.8 GB. Blocks now share the list, and a frame keeps at most
// 256 lights.
TEST_F(GlimpseHardening, AttributeBlocksShareTheirLights) {
    std::string stream = "Format 8 8 1\nWorldBegin\n";
    for (int k = 1; k <= 40000; ++k) stream += "LightSource \"pointlight\" " + std::to_string(k) + "\n";
    for (int k = 0; k < 40000; ++k) stream += "AttributeBegin\nIlluminate 1 1\n";
    stream += "Surface \"matte\"\nSphere 1 -1 1 360\nWorldEnd\n";
    RunResult run = runProgram("glimpse", "", stream, dir.path());
    EXPECT_EQ(run.out, "glimpse: 8x8, drawn: 1 Sphere; skipped: none; wrote glimpse.png\n");
    EXPECT_EQ(run.err, "glimpse: <stdin>: LightSource: more than 256 lights in a frame: the rest are off\n");
    struct rusage usage {};
    getrusage(RUSAGE_CHILDREN, &usage);
    EXPECT_LT(usage.ru_maxrss, 200 * 1024);  // kilobytes, the largest child of this test program so far
}

// Display and Projection names carried escape sequences to the terminal.
TEST_F(GlimpseHardening, StreamTextReachesTheTerminalEscaped) {
    RunResult run = runProgram("glimpse", "",
                               "Format 8 8 1\nDisplay \"\x1b[2J.png\" \"file\" \"rgb\"\n"
                               "Projection \"\x1b]0;owned\x07\"\nWorldBegin\nWorldEnd\n",
                               dir.path());
    EXPECT_EQ(run, (RunResult{1, "glimpse: 8x8, drawn: none; skipped: none; wrote glimpse.png\n",
                              "glimpse: <stdin>: Projection: \"\\x1B]0;owned\\x07\" is not drawn\n"}));
}

}  // namespace
