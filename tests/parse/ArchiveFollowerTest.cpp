// The archive follower's refusals and bounds: files that are not regular,
// archives nested too deep, too many reads, too many bytes, and requests
// that a program sends itself.
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <string>

#include "tests/parse/ParseSupport.h"
#include "tests/support/Files.h"

using namespace quillet;
using quillet_test::ScratchDir;
using quillet_test::writeFile;

namespace {

const char kHeader[] = "##RenderMan RIB-Structure 1.0\nversion 3.03\n";

class ArchiveFollowing : public ::testing::Test {
protected:
    void SetUp() override {
        writeFile(dir.file("a.rib"), "Sphere 1 -1 1 360\nReadArchive \"b.rib\"\n");
        writeFile(dir.file("b.rib"), "Disk 0 1 360\nReadArchive \"c.rib\"\n");
        writeFile(dir.file("c.rib"), "Cone 1 1 360\n");
        mkdir(dir.file("folder").c_str(), 0755);
    }
    // "main.rib: <message>" at the line and byte of main.rib's request.
    std::string at(const char *file, int line, int byte, const std::string &message) {
        return dir.file(file) + ":" + std::to_string(line) + ": byte " + std::to_string(byte) + ": " + message + "\n";
    }
    ScratchDir dir;
};

TEST_F(ArchiveFollowing, RefusesWhatIsNotARegularFile) {
    writeFile(dir.file("main.rib"), "ReadArchive \"/dev/zero\"\nReadArchive \"folder\"\n"
                                    "ReadArchive \"/proc/self/status\"\nReadArchive \"c.rib\"\n");
    Reparsed r = reparseFollowing(dir.file("main.rib"), ArchiveOptions());
    EXPECT_EQ(r.stream, std::string(kHeader) +
                            "ReadArchive \"/dev/zero\"\nReadArchive \"folder\"\nReadArchive \"/proc/self/status\"\n"
                            "Cone 1 1 360\n\n");
    EXPECT_EQ(r.errors,
              at("main.rib", 1, 0, "archive \"/dev/zero\" is not a regular file: /dev/zero") +
                  at("main.rib", 2, 24, "archive \"folder\" is not a regular file: " + dir.file("folder")) +
                  at("main.rib", 3, 45, "archive \"/proc/self/status\" is not a regular file: /proc/self/status"));
}

TEST_F(ArchiveFollowing, BoundsDepthReadsAndBytes) {
    writeFile(dir.file("main.rib"), "ReadArchive \"a.rib\"\nReadArchive \"c.rib\"\n");
    const std::string bRib = dir.file("b.rib");
    struct Case {
        size_t depth, reads;
        uint64_t bytes;
        std::string stream, errors;
    } cases[] = {
        {32, 100000, uint64_t(1) << 30, "Sphere 1 -1 1 360\nDisk 0 1 360\nCone 1 1 360\nCone 1 1 360\n", ""},
        {2, 100000, uint64_t(1) << 30, "Sphere 1 -1 1 360\nDisk 0 1 360\nReadArchive \"c.rib\"\nCone 1 1 360\n",
         bRib + ":2: byte 13: archive \"c.rib\" not read: archives nested more than 2 deep\n"},
        {32, 2, uint64_t(1) << 30, "Sphere 1 -1 1 360\nDisk 0 1 360\nReadArchive \"c.rib\"\nReadArchive \"c.rib\"\n",
         bRib + ":2: byte 13: archive \"c.rib\" not read: more than 2 archives read\n" +
             at("main.rib", 2, 20, "archive \"c.rib\" not read: more than 2 archives read")},
        // a.rib's second request starts past the 10 bytes allowed: nothing
        // after it is read, and no archive is read from then on.
        {32, 100000, 10, "Sphere 1 -1 1 360\nReadArchive \"c.rib\"\n",
         dir.file("a.rib") + ":2: byte 18: archives read stopped: more than 10 bytes in all\n" +
             at("main.rib", 2, 20, "archives read stopped: more than 10 bytes in all")},
    };
    for (const Case &c : cases) {
        ArchiveOptions options;
        options.depth = c.depth;
        options.reads = c.reads;
        options.bytes = c.bytes;
        Reparsed r = reparseFollowing(dir.file("main.rib"), options);
        EXPECT_EQ(r.stream, kHeader + c.stream + "\n") << c.depth << " " << c.reads << " " << c.bytes;
        EXPECT_EQ(r.errors, c.errors) << c.depth << " " << c.reads << " " << c.bytes;
    }
}

TEST_F(ArchiveFollowing, FollowsRequestsThatAProgramSends) {
    writeFile(dir.file("main.rib"), "");
    const std::string cRib = dir.file("c.rib");
    static std::string absolute;
    absolute = cRib;
    Reparsed r = reparseFollowing(dir.file("main.rib"), ArchiveOptions(), [](RenderContext &follower) {
        RtString names[] = {const_cast<char *>(absolute.c_str())};
        RtBound bound = {-1, 1, -1, 1, -1, 1};
        follower.Procedural(names, bound, RiProcDelayedReadArchive, nullptr);
        follower.ReadArchive("no-such.rib", nullptr, RI_NULL);
    });
    EXPECT_EQ(r.stream, std::string(kHeader) + "AttributeBegin\nCone 1 1 360\nAttributeEnd\n"
                                               "ReadArchive \"no-such.rib\"\n\n");
    EXPECT_EQ(r.errors, "<program>: archive \"no-such.rib\" not found\n");
}

}  // namespace
