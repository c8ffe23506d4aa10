// ribcat: streams converted through the library's parser and writer, and
// --check reporting each kind of problem once.
#include <gtest/gtest.h>

#include <sys/stat.h>
#include <unistd.h>

#include <cstdlib>
#include <cstring>
#include <vector>

#include "rib/GzipPieces.h"
#include "tests/rib/CompressedPieces.h"
#include "tests/support/ChildProcess.h"
#include "tests/tools/ToolsSupport.h"
#include "quillet/ri.h"

namespace {

class Ribcat : public ::testing::Test {
protected:
    ScratchDir dir;
};

TEST_F(Ribcat, WritesTheLibrarysOwnBytesInEitherEncoding) {
    std::string ascii = libraryStream(everyRequestScene, false), binary = libraryStream(everyRequestScene, true);
    const struct {
        const char *arguments;
        const std::string &input, &output;
    } cases[] = {
        {"", ascii, ascii},
        {"--binary", binary, binary},
        {"--binary", ascii, binary},
        {"", binary, ascii},
    };
    for (const auto &c : cases) {
        RunResult run = runProgram("ribcat", c.arguments, c.input, dir.path());
        EXPECT_EQ(run.status, 0) << c.arguments;
        EXPECT_EQ(run.err, "") << c.arguments;
        EXPECT_EQ(run.out, c.output) << c.arguments;
    }
}

// Spheres enough for several pieces of compressed output.
void manySpheres() {
    RiWorldBegin();
    for (int i = 0; i < 250000; ++i) RiSphere(1, -1, 1, 360 - float(i % 1000) / 8, RI_NULL);
    RiWorldEnd();
}

#ifdef QUILLET_HAVE_ZLIB
// Every level's output is read back whole by gzip -d, Python's gzip module
// and ribcat itself (zlib's gzread: tests/rib/CompressedStreamTest), and is
// the writing thread's alone, byte for byte, though helper threads made it.
TEST_F(Ribcat, WritesGzipThatEveryReaderReads) {
    if (!quillet::GzipPieces::available()) GTEST_SKIP() << "built without libdeflate";
    const std::string small = libraryStream(everyRequestScene, true);
    const std::string manyAscii = libraryStream(manySpheres, false), manyBinary = libraryStream(manySpheres, true);
    ASSERT_GT(manyBinary.size(), 3 * quillet::GzipPieces::kPieceSize);
    const struct {
        const std::string &stream;
        const char *arguments;
        int level;
    } cases[] = {
        {small, "--binary --gzip", 1},
        {small, "--binary --gzip-level 0", 0},
        {small, "--binary --gzip-level 12", 12},
        {small, "--binary --gzip --gzip-level 6", 6},
        {manyAscii, "--gzip", 1},
        {manyBinary, "--binary --gzip", 1},
    };
    for (const auto &c : cases) {
        const std::string label = c.arguments + std::string(c.stream.size() > small.size() ? " (large)" : "");
        RunResult run = runProgram("ribcat", std::string("-o out.rib.gz ") + c.arguments, c.stream, dir.path());
        EXPECT_EQ(run, (RunResult{0, "", ""})) << label;
        // Compared whole but not printed: the streams run to megabytes.
        EXPECT_TRUE(readFile(dir.file("out.rib.gz")) == quillet_test::compressPieces(c.stream, c.level).bytes) << label;
        const std::string readers =
            "gzip -dc out.rib.gz > gzip.rib && "
            "python3 -c 'import gzip, sys; sys.stdout.buffer.write(gzip.open(\"out.rib.gz\").read())'"
            " > python.rib";
        EXPECT_EQ(std::system(("cd " + dir.path() + " && " + readers).c_str()), 0) << label;
        EXPECT_TRUE(readFile(dir.file("gzip.rib")) == c.stream) << label;
        EXPECT_TRUE(readFile(dir.file("python.rib")) == c.stream) << label;
        const bool binary = std::strstr(c.arguments, "--binary") != nullptr;
        RunResult back = runProgram("ribcat", binary ? "--binary out.rib.gz" : "out.rib.gz", "", dir.path());
        EXPECT_TRUE(back == (RunResult{0, c.stream, ""})) << label;
    }
}

#endif

// A full device fails the first write, plain or while helper threads
// compress: one report from the writer, one from ribcat, status 1.
TEST_F(Ribcat, FullDeviceIsReportedOnceWithOrWithoutCompression) {
    const std::string many = libraryStream(manySpheres, false);
    const std::string expected = "ERROR: System error\n"
                                 "    --> RIB stream to \"standard output\" was not written whole: write error\n"
                                 "ribcat: standard output: No space left on device\n";
    std::vector<const char *> variants = {""};
    if (quillet::GzipPieces::available()) variants.insert(variants.end(), {"--gzip", "--binary --gzip"});
    for (const char *arguments : variants) {
        RunResult run = runProgram("ribcat", std::string(arguments) + " > /dev/full", many, dir.path());
        EXPECT_EQ(run, (RunResult{1, "", expected})) << arguments;
    }
}

TEST_F(Ribcat, IndentsBlocksAndTheIndentedStreamReadsBackToTheSameRequests) {
    const struct {
        const char *arguments, *input, *indented;
    } cases[] = {
        {"--indent=3",
         "FrameBegin 1\nWorldBegin\nAttributeBegin\nMotionBegin [0 1]\nTranslate 1 0 0\n"
         "Translate 2 0 0\nMotionEnd\nSphere 1 -1 1 360\nAttributeEnd\nWorldEnd\nFrameEnd\n",
         "FrameBegin 1\n   WorldBegin\n      AttributeBegin\n         MotionBegin [0 1]\n"
         "            Translate 1 0 0 \n            Translate 2 0 0 \n         MotionEnd\n"
         "         Sphere 1 -1 1 360\n      AttributeEnd\n   WorldEnd\nFrameEnd\n"},
        {"--indent",
         "ArchiveBegin \"a\"\nIfBegin \"1\"\nSphere 1 -1 1 360\nElseIf \"2\"\nResourceBegin\n"
         "ResourceEnd\nElse\nDisk 0 1 360\nIfEnd\nArchiveEnd\n",
         "ArchiveBegin \"a\"\n  IfBegin \"1\"\n    Sphere 1 -1 1 360\n  ElseIf \"2\"\n    ResourceBegin\n"
         "    ResourceEnd\n  Else\n    Disk 0 1 360\n  IfEnd\nArchiveEnd\n"},
    };
    for (const auto &c : cases) {
        EXPECT_EQ(runProgram("ribcat", c.arguments, c.input, dir.path()),
                  (RunResult{0, std::string("##RenderMan RIB-Structure 1.0\nversion 3.03\n") + c.indented + "\n", ""}))
            << c.arguments;
    }
    std::string every = libraryStream(everyRequestScene, false);
    RunResult indented = runProgram("ribcat", "--indent", every, dir.path());
    EXPECT_EQ(indented.status, 0);
    RunResult again = runProgram("ribcat", "", indented.out, dir.path());
    EXPECT_EQ(again.err, "");
    EXPECT_EQ(again.out, every);
}

TEST_F(Ribcat, TextureMakingKeepsItsParameters) {
    const std::string requests =
        "MakeTexture \"a.tif\" \"a.tx\" \"periodic\" \"clamp\" \"gaussian\" 2 2 \"compression\" [\"lzw\"]\n"
        "MakeLatLongEnvironment \"sky.tif\" \"sky.env\" \"box\" 1 1 \"uniform float bias\" [0.5]\n"
        "MakeCubeFaceEnvironment \"px\" \"nx\" \"py\" \"ny\" \"pz\" \"nz\" \"cube.env\" 90 \"box\" 1 1 "
        "\"compression\" [\"zip\"]\n"
        "MakeShadow \"depth.z\" \"light.shd\" \"uniform float bias\" [0.25]\n";
    RunResult run = runProgram("ribcat", "", requests, dir.path());
    EXPECT_EQ(run, (RunResult{0, "##RenderMan RIB-Structure 1.0\nversion 3.03\n" + requests + "\n", ""}));
    RunResult check = runProgram("ribcat", "--check", requests, dir.path());
    EXPECT_EQ(check.status, 0);
    EXPECT_EQ(check.err, "");
}

// -o naming a stream to be read is refused before anything is read or
// written, however the path is spelled.
TEST_F(Ribcat, OutputNamingAnInputIsRefused) {
    const std::string stream = "Sphere 1 -1 1 360\n";
    writeFile(dir.file("in.rib"), stream);
    writeFile(dir.file("other.rib"), stream);
    symlink("in.rib", dir.file("link.rib").c_str());
    const struct {
        const char *arguments, *error;
    } cases[] = {
        {"in.rib -o in.rib", "ribcat: -o in.rib names the input in.rib: write to another file\n"},
        {"other.rib in.rib -o ./in.rib", "ribcat: -o ./in.rib names the input in.rib: write to another file\n"},
        {"link.rib -o in.rib", "ribcat: -o in.rib names the input link.rib: write to another file\n"},
        {"--gzip in.rib -o link.rib", "ribcat: -o link.rib names the input in.rib: write to another file\n"},
    };
    for (const auto &c : cases) {
        RunResult run = runProgram("ribcat", c.arguments, "", dir.path());
        EXPECT_EQ(run.status, 2) << c.arguments;
        EXPECT_EQ(run.out, "") << c.arguments;
        EXPECT_EQ(run.err, c.error) << c.arguments;
        EXPECT_EQ(readFile(dir.file("in.rib")), stream) << c.arguments;
    }
}

// The output replaces a file only once it is written whole, keeping the
// file's permissions and leaving nothing else behind in its folder.
TEST_F(Ribcat, OutputReplacesTheFileWholeAndLeavesNothingBehind) {
    writeFile(dir.file("out.rib"), "an older stream that is longer than the new one\n");
    chmod(dir.file("out.rib").c_str(), 0640);
    RunResult run = runProgram("ribcat", "-o out.rib", "Sphere 1 -1 1 360\n", dir.path());
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(run.err, "");
    EXPECT_EQ(readFile(dir.file("out.rib")), "##RenderMan RIB-Structure 1.0\nversion 3.03\nSphere 1 -1 1 360\n\n");
    struct stat written {};
    ASSERT_EQ(stat(dir.file("out.rib").c_str(), &written), 0);
    EXPECT_EQ(written.st_mode & 0777, 0640u);
    quillet_test::ChildResult files = quillet_test::runCommand("ls -A '" + dir.path() + "'");
    EXPECT_EQ(files.standardOutput, "out.rib\n");
}

TEST_F(Ribcat, CheckPassesEveryOperationTheLibraryWrites) {
    for (bool binary : {false, true}) {
        RunResult run = runProgram("ribcat", "--check", libraryStream(everyRequestScene, binary), dir.path());
        EXPECT_EQ(run.status, 0) << binary;
        EXPECT_EQ(run.out, "");
        EXPECT_EQ(run.err, "");
    }
}

TEST_F(Ribcat, CheckReportsEachKindOfProblem) {
    std::string longArray = "Declare \"long\" \"uniform float[70000]\"\nSurface \"s\" \"long\" [";
    for (int i = 0; i < 4464; ++i) longArray += i ? " 0" : "0";
    longArray += "]\n";
    const struct {
        std::string stream;
        const char *errors;
    } cases[] = {
        {"Spheer 1 -1 1 360\n", "ribcat: <stdin>:1: byte 0: unknown request \"Spheer\"\n"},
        {"Sphere 1 -1 1\n", "ribcat: <stdin>:1: byte 0: Sphere: argument 4 should be a number\n"},
        {"Color [1 0]\n", "ribcat: <stdin>:1: byte 6: Color: argument 1 should be an array of 3 numbers, has 2\n"},
        {"Surface \"plastic\" \"Kq\" [1]\n", "ribcat: <stdin>:1: byte 18: Surface: undeclared parameter \"Kq\": "
                                             "declare it, or write its type inline: \"uniform float Kq\"\n"},
        {"Declare \"Kq\" \"varying color\"\nDisk 0 1 360 \"Kq\" [1 2 3]\n",
         "ribcat: <stdin>:2: byte 29: Disk: parameter \"Kq\" has 3 values, its declaration calls for 12\n"},
        {"Polygon \"P\" [0 0 0 1 0 0 1 1 0] \"Cs\" [1 0 0 0 1 0]\n",
         "ribcat: <stdin>:1: byte 0: Polygon: parameter \"Cs\" has 6 values, its declaration calls for 9\n"},
        {"PointsPolygons [3 3] [0 1 2 2 1] \"P\" [0 0 0]\n",
         "ribcat: <stdin>:1: byte 0: PointsPolygons: vertices has 5 entries, the request's counts call for 6\n"},
        {"PointsPolygons [3] [0 1 99] \"P\" [0 0 0 1 0 0 1 1 0]\n",
         "ribcat: <stdin>:1: byte 0: PointsPolygons: vertex index 99 out of range: P has 3 points\n"},
        {"PointsGeneralPolygons [1] [3] [0 -1 2] \"P\" [0 0 0 1 0 0 1 1 0]\n",
         "ribcat: <stdin>:1: byte 0: PointsGeneralPolygons: vertex index -1 out of range: P has 3 points\n"},
        {"SubdivisionMesh \"catmull-clark\" [3] [0 1 3] [] [] [] [] \"P\" [0 0 0]\n",
         "ribcat: <stdin>:1: byte 0: SubdivisionMesh: vertex index 1 out of range: P has 1 point\n"},
        // a request cut short is reported on its own line; a wrong token where it stands
        {"Sphere 1 -1\n  1 \"x\"\n", "ribcat: <stdin>:2: byte 16: Sphere: argument 4 should be a number\n"},
        {"Attribute \"identifier\" \"name\" [1]\n",
         "ribcat: <stdin>:1: byte 31: Attribute: parameter \"name\" needs string values\n"},
        {"Patch \"Bilinear\" \"P\" [0 0 0 1 0 0 0 1 0 1 1 0]\n",
         "ribcat: <stdin>:1: byte 0: Patch: unknown patch type \"Bilinear\"\n"},
        {longArray, "ribcat: <stdin>:2: byte 38: Surface: parameter \"long\" has 4464 values, its declaration calls "
                    "for 70000\n"},
        {"Blobby 1 [100010000000000000] [] []\n",
         "ribcat: <stdin>:1: byte 10: Blobby: argument 2 should be an array of integers\n"},
        {"Blobby 2000000000 [1001 0] [1 0 0 0 0 1 0 0 0 0 1 0 0 0 0 1] []\n",
         "ribcat: <stdin>:1: byte 0: Blobby: nleaf is 2000000000, the code calls for 1\n"},
        {"Illuminate 1 1\n", "ribcat: <stdin>:1: byte 0: Illuminate: light 1 is not defined\n"},
        {"ObjectInstance 2\n", "ribcat: <stdin>:1: byte 0: ObjectInstance: object 2 is not defined\n"},
        // nesting
        {"WorldBegin\nAttributeBegin\nWorldEnd\nAttributeEnd\n",
         "ribcat: <stdin>:3: byte 26: WorldEnd closes the AttributeBegin opened at line 2\n"
         "ribcat: <stdin>:4: byte 35: AttributeEnd closes the WorldBegin opened at line 1\n"},
        {"TransformEnd\n", "ribcat: <stdin>:1: byte 0: TransformEnd without TransformBegin\n"},
        {"FrameBegin 1\n", "ribcat: <stdin>: FrameBegin opened at line 1 is not closed\n"},
        // archive, resource and If blocks
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
        // motion blocks
        {"MotionBegin [0 1]\nTranslate 1 0 0\n# a comment\nMotionEnd\n",
         "ribcat: <stdin>:4: byte 46: MotionBegin at line 1 has 2 times but holds 1 requests\n"},
        // control points
        {"Curves \"cubic\" [3] \"nonperiodic\" \"P\" [0 0 0 1 1 1 2 2 2]\n",
         "ribcat: <stdin>:1: byte 0: Curves: a curve has 3 control points, its order needs at least 4\n"},
        {"PatchMesh \"bicubic\" 3 \"nonperiodic\" 4 \"nonperiodic\" \"P\" [0 0 0]\n",
         "ribcat: <stdin>:1: byte 0: PatchMesh: parameter \"P\" has 3 values, its declaration calls for 36\n"
         "ribcat: <stdin>:1: byte 0: PatchMesh: nu has 3 control points, its order needs at least 4\n"},
        {"NuPatch 2 3 [0 0 0 1 1] 0 1 2 2 [0 0 1 1] 0 1\n",
         "ribcat: <stdin>:1: byte 0: NuPatch: nu has 2 control points, its order needs at least 3\n"},
    };
    for (const auto &c : cases) {
        RunResult run = runProgram("ribcat", "--check", c.stream, dir.path());
        EXPECT_EQ(run.status, 1) << c.stream;
        EXPECT_EQ(run.out, "");
        EXPECT_EQ(run.err, c.errors) << c.stream;
    }
}

// PatchMesh's u and v counts each judged by their own wrap and type, at the
// boundary of every rule, with the wraps different in either direction: a
// checker judging v by the u wrap let "bicubic 4 periodic 2 nonperiodic"
// pass.
TEST_F(Ribcat, CheckJudgesEachPatchMeshDirectionByItsOwnWrap) {
    const std::string tooFew = "ribcat: <stdin>:1: byte 0: PatchMesh: ";
    const struct {
        const char *stream;
        std::string errors;
    } cases[] = {
        {"PatchMesh \"bicubic\" 4 \"periodic\" 2 \"nonperiodic\"\n",
         tooFew + "nv has 2 control points, its order needs at least 4\n"},
        {"PatchMesh \"bicubic\" 2 \"nonperiodic\" 4 \"periodic\"\n",
         tooFew + "nu has 2 control points, its order needs at least 4\n"},
        {"PatchMesh \"bicubic\" 3 \"nonperiodic\" 1 \"periodic\"\n",
         tooFew + "nu has 3 control points, its order needs at least 4\n"},
        {"PatchMesh \"bicubic\" 4 \"nonperiodic\" 4 \"nonperiodic\"\n", ""},
        {"PatchMesh \"bicubic\" 1 \"periodic\" 4 \"nonperiodic\"\n", ""},
        {"PatchMesh \"bicubic\" 4 \"nonperiodic\" 1 \"periodic\"\n", ""},
        {"PatchMesh \"bicubic\" 0 \"periodic\" 3 \"nonperiodic\"\n",
         tooFew + "nu has 0 control points, its order needs at least 1\n" + tooFew +
             "nv has 3 control points, its order needs at least 4\n"},
        {"PatchMesh \"bilinear\" 2 \"nonperiodic\" 1 \"nonperiodic\"\n",
         tooFew + "nv has 1 control points, its order needs at least 2\n"},
        {"PatchMesh \"bilinear\" 1 \"nonperiodic\" 2 \"periodic\"\n",
         tooFew + "nu has 1 control points, its order needs at least 2\n"},
        {"PatchMesh \"bilinear\" 2 \"nonperiodic\" 1 \"periodic\"\n", ""},
        {"PatchMesh \"bilinear\" 1 \"periodic\" 2 \"nonperiodic\"\n", ""},
        {"PatchMesh \"bilinear\" 1 \"periodic\" 0 \"periodic\"\n",
         tooFew + "nv has 0 control points, its order needs at least 1\n"},
    };
    for (const auto &c : cases) {
        RunResult run = runProgram("ribcat", "--check", c.stream, dir.path());
        EXPECT_EQ(run.status, c.errors.empty() ? 0 : 1) << c.stream;
        EXPECT_EQ(run.out, "") << c.stream;
        EXPECT_EQ(run.err, c.errors) << c.stream;
    }
}

// A stream that defines a string once and uses it many times: 50,000 uses of
// a 200-byte string a request, each use two bytes.
std::string amplifyingStream(int requests) {
    std::string stream = "Declare \"s\" \"uniform string[50000]\"\n";
    stream += std::string("\xCD\x01\xA0\xC8") + std::string(200, 'y');
    std::string uses;
    for (int i = 0; i < 50000; ++i) uses += "\xCF\x01";
    for (int i = 0; i < requests; ++i) stream += "Surface \"x\" \"s\" [" + uses + "]\n";
    return stream;
}

// One request of such a stream wrote 10 MB; 1.1 MB of them wrote 13 GB. The
// output stops at the bound, with one report, whichever the encoding.
TEST_F(Ribcat, OutputIsBoundedByAMultipleOfTheInput) {
    const std::string stream = amplifyingStream(20);
    // Counted before compression: --gzip stops at the same point (in a build
    // that can compress).
    std::vector<const char *> variants = {"--max-output 2", "--max-output 2 --binary", "--max-output 2 --indent"};
    if (quillet::GzipPieces::available()) variants.push_back("--max-output 2 --gzip");
    for (const char *arguments : variants) {
        RunResult run = runProgram("ribcat", arguments, stream, dir.path());
        EXPECT_EQ(run.status, 1) << arguments;
        EXPECT_EQ(run.err, "ribcat: <stdin>: output stopped at 2 times the input read (--max-output raises it)\n")
            << arguments;
        EXPECT_LE(run.out.size(), 2 * stream.size() + (1 << 20)) << arguments;
    }
    std::string uses = "\"" + std::string(200, 'y') + "\"";
    for (int i = 1; i < 50000; ++i) uses += " \"" + std::string(200, 'y') + "\"";
    const std::string request = "Surface \"x\" \"s\" [" + uses + "]\n";
    RunResult whole = runProgram("ribcat", "--max-output 1000", amplifyingStream(2), dir.path());
    EXPECT_EQ(whole,
              (RunResult{0,
                         "##RenderMan RIB-Structure 1.0\nversion 3.03\nDeclare \"s\" \"uniform string[50000]\"\n" +
                             request + request + "\n",
                         ""}));
}

// --indent=64 on 10,000 nested blocks wrote 3.2 GB: blocks deeper than 16
// keep the indent of the 16th.
TEST_F(Ribcat, IndentStopsGrowingAtSixteenLevels) {
    std::string input, expected = "##RenderMan RIB-Structure 1.0\nversion 3.03\n";
    for (int depth = 0; depth < 20; ++depth) {
        input += "AttributeBegin\n";
        expected += std::string(size_t(depth < 16 ? depth : 16), ' ') + "AttributeBegin\n";
    }
    expected += "\n";
    RunResult run = runProgram("ribcat", "--indent=1", input, dir.path());
    EXPECT_EQ(run, (RunResult{0, expected, ""}));
}

TEST_F(Ribcat, MemoryBudgetOption) {
    std::string values;
    for (int i = 0; i < 99999; ++i) values += "1 ";
    const std::string input = "WorldBegin\nPolygon \"P\" [" + values + "]\nWorldEnd\n";
    const struct {
        const char *arguments;
        int status;
        std::string out, err;
    } cases[] = {
        {"--max-memory 200K", 1, "##RenderMan RIB-Structure 1.0\nversion 3.03\nWorldBegin\nWorldEnd\n\n",
         "ribcat: <stdin>:2: byte 11: the parse's memory budget of 204800 bytes is spent: request dropped\n"},
        {"--check --max-memory 200K", 1, "",
         "ribcat: <stdin>:2: byte 11: the parse's memory budget of 204800 bytes is spent: request dropped\n"},
        {"--max-memory 1M", 0, "##RenderMan RIB-Structure 1.0\nversion 3.03\nWorldBegin\n", ""},
        {"--max-memory 1X", 2, "",
         "ribcat: --max-memory: \"1X\" is not a size in bytes, or with K, M or G (ribcat --help lists every "
         "option)\n"},
        {"--max-memory -1", 2, "",
         "ribcat: --max-memory: \"-1\" is not a size in bytes, or with K, M or G (ribcat --help lists every "
         "option)\n"},
        {"--max-output 0", 2, "",
         "ribcat: --max-output: \"0\" is not a whole number above 0 (ribcat --help lists every option)\n"},
    };
    for (const auto &c : cases) {
        RunResult run = runProgram("ribcat", c.arguments, input, dir.path());
        EXPECT_EQ(run.status, c.status) << c.arguments;
        EXPECT_EQ(run.err, c.err) << c.arguments;
        if (c.status != 0) {
            EXPECT_EQ(run.out, c.out) << c.arguments;
        }
    }
}

TEST_F(Ribcat, PrecisionSetsTheDigitsOfFloatText) {
    const std::string stream =
        "Translate 0.123456 1 2\nSphere 1 -1 1 359.9876 \"Cs\" [0.333333 0.5 0.25 1 1 1 1 1 1 1 1 1]\n";
    const struct {
        const char *arguments;
        const char *written;
    } cases[] = {
        {"--precision 3", "Translate 0.123 1 2 \nSphere 1 -1 1 360 \"Cs\" [0.333 0.5 0.25 1 1 1 1 1 1 1 1 1]\n"},
        {"--precision 0",
         "Translate 0.123456 1 2 \nSphere 1 -1 1 359.9876 \"Cs\" [0.333333 0.5 0.25 1 1 1 1 1 1 1 1 1]\n"},
    };
    for (const auto &c : cases) {
        RunResult run = runProgram("ribcat", c.arguments, stream, dir.path());
        EXPECT_EQ(run.status, 0) << c.arguments;
        EXPECT_EQ(run.err, "") << c.arguments;
        EXPECT_EQ(run.out, "##RenderMan RIB-Structure 1.0\nversion 3.03\n" + std::string(c.written) + "\n")
            << c.arguments;
    }
}

}  // namespace
