// The previewer: the lathe through RiBegin("glimpse"), checked against the
// silhouette projected here, a sphere head-on, and what it reports.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <fstream>

#include "tests/support/ChildProcess.h"
#include "tests/tools/ToolsSupport.h"

namespace {

const double kProfile[16][2] = {{1.5, 0},         {1.46, 0.09},     {1.35, 0.1273},   {1.2625, 0.1203},
                                {1.175, 0.1047},  {1.0875, 0.0935}, {1, 0.0899},      {0.9375, 0.0982},
                                {0.8625, 0.1236}, {0.725, 0.1851},  {0.5875, 0.2281}, {0.45, 0.2383},
                                {0.3375, 0.2255}, {0.225, 0.1953},  {0.075, 0.1414},  {0, 0.1125}};

struct Box {
    double left = 1e9, right = -1e9, top = 1e9, bottom = -1e9;
};

// The lathe's outline in pixel coordinates: each band's points turned
// about the axis, rotated 90 degrees about -x (height becomes +y, the
// profile's y becomes -z), moved by (0, -0.7, 1.2), projected with fov 90
// onto the screen window -4/3..4/3 x -1..1 of a 640x480 frame.
Box latheOutline() {
    Box box;
    for (int band = 0; band + 1 < 16; ++band)
        for (int s = 0; s <= 40; ++s) {
            double v = s / 40.0;
            double h = kProfile[band][0] + v * (kProfile[band + 1][0] - kProfile[band][0]);
            double r = kProfile[band][1] + v * (kProfile[band + 1][1] - kProfile[band][1]);
            for (int a = 0; a < 720; ++a) {
                double theta = a * M_PI / 360;
                double x = r * std::cos(theta), y = r * std::sin(theta);
                double cx = x, cy = h - 0.7, cz = 1.2 - y;
                double col = (cx / cz + 4.0 / 3) * 240, row = (1 - cy / cz) * 240;
                box.left = std::min(box.left, col);
                box.right = std::max(box.right, col);
                box.top = std::min(box.top, row);
                box.bottom = std::max(box.bottom, row);
            }
        }
    return box;
}

class Glimpse : public ::testing::Test {
protected:
    void SetUp() override {
        if (!programExists("glimpse")) GTEST_SKIP() << "glimpse was not built (no libpng)";
    }
    ScratchDir dir;
};

TEST_F(Glimpse, LatheFromTheSampleProgramMatchesItsProjectedSilhouette) {
    RunResult run = runProgram("lathe", "", "", dir.path());
    EXPECT_EQ(run.err, "");
    EXPECT_EQ(run.out, "glimpse: 640x480, drawn: 15 Hyperboloid, 1 Disk; skipped: none; wrote glimpse.png\n");

    Picture picture;
    ASSERT_TRUE(readPicture(dir.file("glimpse.png"), picture));
    ASSERT_EQ(picture.width, 640);
    ASSERT_EQ(picture.height, 480);
    // Inside, every sample gives the constant colour 0.9 0.9 0.5; at the
    // edges a pixel blends it with the black background.
    int left = 640, right = -1, top = 480, bottom = -1, odd = 0;
    for (int y = 0; y < 480; ++y)
        for (int x = 0; x < 640; ++x) {
            const unsigned char *p = picture.at(x, y);
            bool black = p[0] == 0 && p[1] == 0 && p[2] == 0;
            bool blend = p[0] == p[1] && std::abs(p[2] * 230 - p[0] * 128) <= 230;
            if (!black && !blend) ++odd;
            if (p[0] >= 115) {  // at least half covered
                left = std::min(left, x);
                right = std::max(right, x);
                top = std::min(top, y);
                bottom = std::max(bottom, y);
            }
        }
    EXPECT_EQ(odd, 0);
    Box expected = latheOutline();
    EXPECT_NEAR(left, expected.left, 2);
    EXPECT_NEAR(right + 1, expected.right, 2);
    EXPECT_NEAR(top, expected.top, 2);
    EXPECT_NEAR(bottom + 1, expected.bottom, 2);
    // The figures of the scene: top edge near row 76, base near row 394,
    // half-width about 49 pixels around column 320.
    EXPECT_NEAR(expected.top, 76, 1);
    EXPECT_NEAR(expected.bottom, 394, 1);
    EXPECT_NEAR((expected.right - expected.left) / 2, 49, 1);
}

TEST_F(Glimpse, SphereSeenHeadOnCoversItsDisk) {
    const struct {
        const char *projection;
        double radius;  // in pixels of the 200x200 frame
    } cases[] = {
        // radius 1 at distance 5: tan(asin(1/5)) screen units, 100 pixels each
        {"Projection \"perspective\" \"fov\" [90]\n", 100 * 0.2 / std::sqrt(0.96)},
        {"Projection \"orthographic\"\nScale 0.5 0.5 0.5\n", 50},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.projection);
        std::string stream = std::string("Format 200 200 1\nDisplay \"sphere.png\" \"file\" \"rgb\"\n") + c.projection +
                             "Translate 0 0 5\nWorldBegin\nSurface \"constant\"\nColor [1 0 0]\n"
                             "Sphere 1 -1 1 360\nWorldEnd\n";
        RunResult run = runProgram("glimpse", "", stream, dir.path());
        EXPECT_EQ(run, (RunResult{0, "glimpse: 200x200, drawn: 1 Sphere; skipped: none; wrote sphere.png\n", ""}));
        Picture picture;
        ASSERT_TRUE(readPicture(dir.file("sphere.png"), picture));
        int wrong = 0;
        for (int y = 0; y < 200; ++y)
            for (int x = 0; x < 200; ++x) {
                double d = std::hypot(x + 0.5 - 100, y + 0.5 - 100);
                const unsigned char *p = picture.at(x, y);
                if (d < c.radius - 1 && !(p[0] == 255 && p[1] == 0 && p[2] == 0)) ++wrong;
                if (d > c.radius + 1 && !(p[0] == 0 && p[1] == 0 && p[2] == 0)) ++wrong;
            }
        EXPECT_EQ(wrong, 0);
    }
}

TEST_F(Glimpse, ReportsWhatItCannotDrawAndBadRequests) {
    const struct {
        const char *stream;
        RunResult expected;
    } cases[] = {
        {"Format 32 24 1\nWorldBegin\nShadingRate 1\nSphere 1 -1 1 \"x\"\n"
         "Geometry \"teapot\"\nSphere 1 -1 1 360\nWorldEnd\n",
         {1, "glimpse: 32x24, drawn: 1 Sphere; skipped: 1 ShadingRate, 1 Geometry; wrote out.png\n",
          "glimpse: <stdin>:4: byte 54: Sphere: argument 4 should be a number\n"}},
        {"Format 32 24 1\nWorldBegin\nSurface \"matte\"\nColor [1 \"a\"]\nDisk 0 1 360\n",
         {1, "glimpse: 32x24, drawn: 1 Disk; skipped: none; wrote out.png\n",
          "glimpse: <stdin>:4: byte 51: Color: argument 1 should be an array of numbers\n"}},
        {"Format 32 24 1\nSphere 1 -1 1 360\n",
         {1, "glimpse: <stdin> has no world block: nothing drawn\n",
          "glimpse: <stdin>: Sphere: geometry outside the world block\n"}},
        {"Format 32 24 1\nWorldBegin\nSubdivisionMesh \"loop\" [3] [0 1 2] \"P\" [0 0 0 1 0 0 0 1 0]\n"
         "Patch \"trilinear\" \"P\" [0 0 0]\nWorldEnd\n",
         {1, "glimpse: 32x24, drawn: none; skipped: 1 SubdivisionMesh, 1 Patch; wrote out.png\n",
          "glimpse: <stdin>:4: byte 85: Patch: unknown patch type \"trilinear\"\n"}},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.stream);
        RunResult run = runProgram("glimpse", "-o out.png", c.stream, dir.path());
        EXPECT_EQ(run, c.expected);
    }
}

TEST_F(Glimpse, EachFrameWritesItsOwnPicture) {
    const char stream[] = "Format 16 8 1\nFrameBegin 1\nDisplay \"one.png\" \"file\" \"rgb\"\nWorldBegin\nWorldEnd\n"
                          "FrameEnd\nFrameBegin 2\nFormat 8 4 1\nWorldBegin\nWorldEnd\nFrameEnd\n"
                          "FrameBegin 3\nWorldBegin\nWorldEnd\nFrameEnd\n";
    RunResult run = runProgram("glimpse", "", stream, dir.path());
    EXPECT_EQ(run, (RunResult{0,
                              "glimpse: 16x8, drawn: none; skipped: none; wrote one.png\n"
                              "glimpse: 8x4, drawn: none; skipped: none; wrote glimpse.png\n"
                              "glimpse: 16x8, drawn: none; skipped: none; wrote glimpse-3.png\n",
                              ""}));
}

// The picture never replaces the stream: -o naming it is refused before
// reading, a Display name naming it is not written; an older picture is
// replaced whole and nothing else is left behind.
TEST_F(Glimpse, PicturesNeverReplaceTheStreamAndReplaceOlderPicturesWhole) {
    const std::string stream = "Format 8 8 1\nDisplay \"scene.png\" \"file\" \"rgb\"\nWorldBegin\nWorldEnd\n";
    writeFile(dir.file("scene.rib"), stream);
    RunResult refused = runProgram("glimpse", "-o scene.rib scene.rib", "", dir.path());
    EXPECT_EQ(refused, (RunResult{2, "", "glimpse: scene.rib is the input: not overwritten\n"}));
    EXPECT_EQ(readFile(dir.file("scene.rib")), stream);

    writeFile(dir.file("scene.png"), stream);
    RunResult displayed = runProgram("glimpse", "scene.png", "", dir.path());
    EXPECT_EQ(displayed,
              (RunResult{1,
                         "glimpse: 8x8, drawn: none; skipped: none; wrote nothing (scene.png is the input: not "
                         "overwritten)\n",
                         "glimpse: scene.png is the input: not overwritten\n"}));
    EXPECT_EQ(readFile(dir.file("scene.png")), stream);

    writeFile(dir.file("old.png"), std::string(100000, 'x'));
    RunResult replaced = runProgram("glimpse", "-o old.png scene.rib", "", dir.path());
    EXPECT_EQ(replaced.status, 0);
    EXPECT_EQ(replaced.err, "");
    Picture picture;
    EXPECT_TRUE(readPicture(dir.file("old.png"), picture));
    EXPECT_EQ(picture.width, 8);
    quillet_test::ChildResult files = quillet_test::runCommand("ls -A '" + dir.path() + "'");
    EXPECT_EQ(files.standardOutput, "old.png\nscene.png\nscene.rib\n");
}

// The pixels of a picture that are not black.
int drawnPixels(const std::string &path) {
    Picture picture;
    if (!readPicture(path, picture)) return -1;
    int drawn = 0;
    for (int y = 0; y < picture.height; ++y)
        for (int x = 0; x < picture.width; ++x) {
            const unsigned char *p = picture.at(x, y);
            drawn += p[0] != 0 || p[1] != 0 || p[2] != 0;
        }
    return drawn;
}

// 40 KB of empty world blocks wrote 1,813 pictures; 65,536 instances of one
// sphere took 35 s at 64x48; Format 4096 4096 with 16x16 samples would have
// taken 9 minutes. Past each cap glimpse says so once, writes what it
// finished, and ends with status 1.
TEST_F(Glimpse, FramesRaysAndTestsAreCapped) {
    const std::string sphere = "Projection \"perspective\" \"fov\" [90]\nTranslate 0 0 2\n"
                               "WorldBegin\nSurface \"constant\"\nSphere 1.9 -1.9 1.9 360\nWorldEnd\n";
    std::string instances = "Format 16 16 1\nProjection \"perspective\" \"fov\" [90]\nTranslate 0 0 2\n"
                            "WorldBegin\nSurface \"constant\"\nObjectBegin 1\nSphere 1.9 -1.9 1.9 360\nObjectEnd\n";
    for (int i = 0; i < 100; ++i) instances += "ObjectInstance 1\n";
    instances += "WorldEnd\n";

    RunResult run = runProgram("glimpse", "--max-frames 2",
                               "WorldBegin WorldEnd\n" + std::string("Format 4 4 1\n") +
                                   "WorldBegin WorldEnd\nWorldBegin WorldEnd\nWorldBegin WorldEnd\n",
                               dir.path());
    EXPECT_EQ(run,
              (RunResult{1,
                         "glimpse: 640x480, drawn: none; skipped: none; wrote glimpse.png\n"
                         "glimpse: 4x4, drawn: none; skipped: none; wrote glimpse-2.png\n",
                         "glimpse: <stdin>: the previewer's limit of 2 frames is reached: the frames after it are not "
                         "drawn\n"}));
    EXPECT_FALSE(std::ifstream(dir.file("glimpse-3.png")).good());

    // 16 pixels a row, 4 samples a pixel: 64 rays a row, 5 rows fit in 320.
    run =
        runProgram("glimpse", "-o rays.png --max-rays 320", "Format 16 16 1\nPixelSamples 2 2\n" + sphere, dir.path());
    EXPECT_EQ(run.status, 1);
    EXPECT_EQ(run.out, "glimpse: 16x16, drawn: 1 Sphere; skipped: none; wrote rays.png\n");
    EXPECT_EQ(run.err,
              "glimpse: <stdin>: frame 1: its rays pass the previewer's limit of 320 a frame: the rows past it are "
              "black\n");
    EXPECT_EQ(drawnPixels(dir.file("rays.png")), 5 * 16);

    // Every ray meets all 100 instances: 48 rays fit in 4,800 tests, 12
    // pixels of 4 samples. The threads that share the rows may each finish
    // the pixel in hand.
    run = runProgram("glimpse", "-o tests.png --max-tests 4800", instances, dir.path());
    EXPECT_EQ(run,
              (RunResult{1, "glimpse: 16x16, drawn: 100 ObjectInstance; skipped: none; wrote tests.png\n",
                         "glimpse: <stdin>: frame 1: the previewer's limit of 4800 ray tests a frame is reached: the "
                         "rest of the frame is black\n"}));
    const int drawn = drawnPixels(dir.file("tests.png"));
    EXPECT_GE(drawn, 12);
    EXPECT_LE(drawn, 12 + 8);

    // The stream's tests are shared by its frames: the first takes 1,024 of
    // 1,500 (one sphere, 1,024 rays), the second gets what is left.
    run = runProgram("glimpse", "--max-tests 1500", "Format 16 16 1\n" + sphere + sphere, dir.path());
    EXPECT_EQ(run, (RunResult{1,
                              "glimpse: 16x16, drawn: 1 Sphere; skipped: none; wrote glimpse.png\n"
                              "glimpse: 16x16, drawn: 1 Sphere; skipped: none; wrote glimpse-2.png\n",
                              "glimpse: <stdin>: frame 2: the previewer's limit of 1500 ray tests for the stream is "
                              "reached: the rest is black\n"}));
    EXPECT_EQ(drawnPixels(dir.file("glimpse.png")), 256);
}

// A motion block is drawn at its time nearest shutter open, the same picture
// as that sample drawn alone, and the summary says so; an object's
// definition is not counted as drawn, its instances are.
TEST_F(Glimpse, MotionSampleAndWhatIsDrawnInTheSummary) {
    const std::string head = "Format 16 16 1\nPixelSamples 1 1\nProjection \"orthographic\"\nScreenWindow -2 2 -2 2\n";
    const std::string world = "Translate 0 0 5\nWorldBegin\nSurface \"constant\"\n";
    const struct {
        const char *what;
        std::string stream, still, out;
    } cases[] = {
        {"transforms, shutter open at the middle sample",
         head + "Shutter 0.5 1\n" + world +
             "MotionBegin [0 0.5 1]\nTranslate -1 0 0\nTranslate 0.5 0 0\nTranslate 1 0 0\nMotionEnd\n"
             "Sphere 0.5 -0.5 0.5 360\nWorldEnd\n",
         head + world + "Translate 0.5 0 0\nSphere 0.5 -0.5 0.5 360\nWorldEnd\n",
         "glimpse: 16x16, drawn: 1 Sphere; skipped: none; motion blocks: 1, drawn at their time nearest shutter "
         "open (0.5); wrote out.png\n"},
        {"geometry, times in falling order, the shutter opening at 0 by default",
         head + world + "MotionBegin [1 0]\nSphere 1.5 -1.5 1.5 360\nSphere 0.5 -0.5 0.5 360\nMotionEnd\nWorldEnd\n",
         head + world + "Sphere 0.5 -0.5 0.5 360\nWorldEnd\n",
         "glimpse: 16x16, drawn: 1 Sphere; skipped: none; motion blocks: 1, drawn at their time nearest shutter "
         "open (0); wrote out.png\n"},
        {"no sample at shutter open: the nearest, two blocks",
         head + "Shutter 0.4 1\n" + world +
             "MotionBegin [0 1]\nTranslate -1 0 0\nTranslate 1 0 0\nMotionEnd\n"
             "MotionBegin [0 1]\nDisk 0 0.5 360\nDisk 0 1 360\nMotionEnd\nWorldEnd\n",
         head + world + "Translate -1 0 0\nDisk 0 0.5 360\nWorldEnd\n",
         "glimpse: 16x16, drawn: 1 Disk; skipped: none; motion blocks: 2, drawn at their time nearest shutter "
         "open (0.4); wrote out.png\n"},
        {"an object defined and placed twice",
         head + world +
             "ObjectBegin 1\nSphere 0.5 -0.5 0.5 360\nCylinder 0.5 -0.5 0.5 360\nObjectEnd\n"
             "Translate -1 0 0\nObjectInstance 1\nTranslate 2 0 0\nObjectInstance 1\nWorldEnd\n",
         head + world +
             "Translate -1 0 0\nSphere 0.5 -0.5 0.5 360\nCylinder 0.5 -0.5 0.5 360\n"
             "Translate 2 0 0\nSphere 0.5 -0.5 0.5 360\nCylinder 0.5 -0.5 0.5 360\nWorldEnd\n",
         "glimpse: 16x16, drawn: 2 ObjectInstance; skipped: none; wrote out.png\n"},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.what);
        RunResult run = runProgram("glimpse", "-o out.png", c.stream, dir.path());
        EXPECT_EQ(run, (RunResult{0, c.out, ""}));
        const std::string picture = readFile(dir.file("out.png"));
        RunResult still = runProgram("glimpse", "-o still.png", c.still, dir.path());
        EXPECT_EQ(still.status, 0);
        EXPECT_EQ(picture, readFile(dir.file("still.png")));
        EXPECT_NE(picture, "");
    }
}

}  // namespace
