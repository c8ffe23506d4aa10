// Scenes made of archives: one tree with nesting, a delayed read, a gzipped
// archive, a search path with "@" and "&", a missing file, a FIFO and a
// cycle. ribcat -r writes it flattened; glimpse draws the scene, the
// flattened stream and the same scene written inline into the same bytes.
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <string>

#ifdef QUILLET_HAVE_ZLIB
#include <zlib.h>
#endif

#include "tests/tools/ToolsSupport.h"

namespace {

struct TreeFile {
    const char *path, *text;
};

const char kMain[] = "Format 48 36 1\n"
                     "PixelSamples 1 1\n"
                     "Translate 0 0 8\n"
                     "WorldBegin\n"
                     "Option \"searchpath\" \"archive\" [\"extra:&\"]\n"
                     "ReadArchive \"sub/nest.rib\"\n"
                     "Procedural \"DelayedReadArchive\" [\"delayed.rib\"] [-1 1 -1 1 -1 1]\n"
                     "ReadArchive \"zipped.rib.gz\"\n"
                     "ReadArchive \"missing.rib\"\n"
                     "ReadArchive \"pipe.rib\"\n"
                     "ReadArchive \"loop.rib\"\n"
                     "Option \"searchpath\" \"archive\" [\"@:more\"]\n"
                     "ReadArchive \"late.rib\"\n"
                     "WorldEnd\n";

const TreeFile kTree[] = {
    {"sub/nest.rib", "##RenderMan RIB-Structure 1.1 Entity\nversion 3.04\nTranslate -2 0 0\n"
                     "Sphere 0.5 -0.5 0.5 360\nReadArchive \"inner.rib\"\n"},
    {"sub/inner.rib", "# found beside the archive that reads it\nDisk 0 0.3 360\n"},
    {"extra/delayed.rib", "Translate 2 0 0\nSphere 0.5 -0.5 0.5 360\n"},
    {"loop.rib", "ReadArchive \"loop2.rib\"\n"},
    {"loop2.rib", "ReadArchive \"loop.rib\"\n"},
    {"more/late.rib", "Translate 0 -2 0\nSphere 0.4 -0.4 0.4 360\n"},
};
const char kZippedPath[] = "lib/zipped.rib.gz";  // found through "&"
const char kZippedText[] = "Cylinder 0.3 -0.5 0.5 360\n";

const char kFlattened[] = "##RenderMan RIB-Structure 1.0\nversion 3.03\n"
                          "Format 48 36 1\n"
                          "PixelSamples 1 1\n"
                          "Translate 0 0 8 \n"
                          "WorldBegin\n"
                          "Option \"searchpath\" \"archive\" [\"extra:&\"]\n"
                          "Translate -2 0 0 \n"
                          "Sphere 0.5 -0.5 0.5 360\n"
                          "# found beside the archive that reads it\n"
                          "Disk 0 0.3 360\n"
                          "AttributeBegin\n"
                          "Translate 2 0 0 \n"
                          "Sphere 0.5 -0.5 0.5 360\n"
                          "AttributeEnd\n"
                          "Cylinder 0.3 -0.5 0.5 360\n"
                          "ReadArchive \"missing.rib\"\n"
                          "ReadArchive \"pipe.rib\"\n"
                          "ReadArchive \"loop.rib\"\n"
                          "Option \"searchpath\" \"archive\" [\"@:more\"]\n"
                          "Translate 0 -2 0 \n"
                          "Sphere 0.4 -0.4 0.4 360\n"
                          "WorldEnd\n\n";

const char kProblems[] = "ribcat: main.rib:9: byte 221: archive \"missing.rib\" not found\n"
                         "ribcat: main.rib:10: byte 247: archive \"pipe.rib\" is not a regular file: pipe.rib\n"
                         "ribcat: loop2.rib:1: byte 0: archive \"loop.rib\" reads itself: "
                         "loop.rib -> loop2.rib -> loop.rib\n";

class Archives : public ::testing::Test {
protected:
    void SetUp() override {
        for (const char *folder : {"sub", "extra", "lib", "more"}) mkdir(dir.file(folder).c_str(), 0755);
        for (const TreeFile &f : kTree) writeFile(dir.file(f.path), f.text);
        writeFile(dir.file("main.rib"), kMain);
        ASSERT_EQ(mkfifo(dir.file("pipe.rib").c_str(), 0600), 0);
#ifdef QUILLET_HAVE_ZLIB
        gzFile zipped = gzopen(dir.file(kZippedPath).c_str(), "wb");
        ASSERT_TRUE(zipped);
        gzputs(zipped, kZippedText);
        gzclose(zipped);
#else
        GTEST_SKIP() << "built without zlib";
#endif
    }
    ScratchDir dir;
};

TEST_F(Archives, RibcatWritesTheSceneFlattened) {
    RunResult run = runProgram("ribcat", "-r --archive-path lib main.rib", "", dir.path());
    EXPECT_EQ(run, (RunResult{1, kFlattened, kProblems}));

    writeFile(dir.file("flat.rib"), run.out);
    RunResult check = runProgram("ribcat", "--check flat.rib", "", dir.path());
    EXPECT_EQ(check.status, 0);
    EXPECT_EQ(check.err, "");

    // The bound in world space: the spheres at x -2 and 0 and y -2, the disk
    // and the cylinder inside the first.
    RunResult bound = runProgram("ribcat", "--bound main.rib --archive-path lib", "", dir.path());
    EXPECT_EQ(bound, (RunResult{1, "-2.5 0.5 -2.4 0.5 -0.5 0.5\n", kProblems}));
}

// A search path set inside a frame ends with it: the next frame looks in
// the default places only.
TEST_F(Archives, SearchPathOfAFrameEndsWithIt) {
    writeFile(dir.file("frames.rib"),
              "FrameBegin 1\nOption \"searchpath\" \"archive\" [\"more\"]\nReadArchive \"late.rib\"\nFrameEnd\n"
              "FrameBegin 2\nReadArchive \"late.rib\"\nFrameEnd\n");
    RunResult run = runProgram("ribcat", "-r frames.rib", "", dir.path());
    EXPECT_EQ(run, (RunResult{1,
                              "##RenderMan RIB-Structure 1.0\nversion 3.03\n"
                              "FrameBegin 1\nOption \"searchpath\" \"archive\" [\"more\"]\n"
                              "Translate 0 -2 0 \nSphere 0.4 -0.4 0.4 360\nFrameEnd\n"
                              "FrameBegin 2\nReadArchive \"late.rib\"\nFrameEnd\n\n",
                              "ribcat: frames.rib:6: byte 97: archive \"late.rib\" not found\n"}));
}

#ifdef TOOLS_HAVE_PNG
TEST_F(Archives, GlimpseDrawsTheSceneAsItsFlattenedAndInlineForms) {
    writeFile(dir.file("flat.rib"), kFlattened);
    const std::string inlineScene = "Format 48 36 1\nPixelSamples 1 1\nTranslate 0 0 8\nWorldBegin\n"
                                    "Translate -2 0 0\nSphere 0.5 -0.5 0.5 360\nDisk 0 0.3 360\n"
                                    "AttributeBegin\nTranslate 2 0 0\nSphere 0.5 -0.5 0.5 360\nAttributeEnd\n"
                                    "Cylinder 0.3 -0.5 0.5 360\nTranslate 0 -2 0\nSphere 0.4 -0.4 0.4 360\nWorldEnd\n";
    writeFile(dir.file("inline.rib"), inlineScene);
    const std::string drawn = "glimpse: 48x36, drawn: 3 Sphere, 1 Disk, 1 Cylinder; skipped: ";
    const std::string unread = "; archives not read: missing.rib, pipe.rib, loop.rib";
    const struct {
        const char *arguments, *picture;
        std::string out;
        int status;
    } cases[] = {
        {"--archive-path lib main.rib", "main.png",
         drawn +
             "2 Option, 3 ReadArchive; archives read: sub/nest.rib, inner.rib, delayed.rib, zipped.rib.gz, "
             "loop.rib, loop2.rib, late.rib" +
             unread,
         1},
        // What the flattened stream still reads is read again.
        {"flat.rib", "flat.png", drawn + "2 Option, 3 ReadArchive; archives read: loop.rib, loop2.rib" + unread, 1},
        {"inline.rib", "inline.png", drawn + "none", 0},
        {"--no-archives main.rib", "none.png",
         "glimpse: 48x36, drawn: none; skipped: 2 Option, 6 ReadArchive, 1 Procedural", 0},
    };
    for (const auto &c : cases) {
        RunResult run = runProgram("glimpse", std::string(c.arguments) + " -o " + c.picture, "", dir.path());
        EXPECT_EQ(run.out, c.out + "; wrote " + c.picture + "\n") << c.arguments;
        EXPECT_EQ(run.status, c.status) << c.arguments;
    }
    const std::string picture = readFile(dir.file("main.png"));
    EXPECT_FALSE(picture.empty());
    EXPECT_EQ(readFile(dir.file("flat.png")), picture);
    EXPECT_EQ(readFile(dir.file("inline.png")), picture);
    EXPECT_NE(readFile(dir.file("none.png")), picture);
}
#endif

}  // namespace
