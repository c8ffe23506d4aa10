// The round-trip law: a stream that the library writes, parsed into a
// RibWriter, is written again byte for byte, in both encodings, and ASCII
// parsed into a binary writer gives the binary stream of the same calls.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "quillet/ri.h"
#include "tests/parse/ParseSupport.h"
#include "tests/support/EveryRequestScene.h"

namespace {

// Writer edge cases: a patch type it does not know keeps its text without a
// newline; strings with quotes, backslashes and newlines; empty arrays.
void edges() {
    RtToken odd = "a \"b\" \\c\nd";
    RtInt none[1] = {0};
    RiPatchMesh("trilinear", 2, "periodic", 2, "periodic", RI_NULL);
    RiSurface(odd, "string texturename", &odd, RI_NULL);
    RiGeneralPolygon(0, none, RI_NULL);
    RiPolygon(0, RI_NULL);
}

const char kNoErrors[] = "";
// The writer keeps the text of a patch type it does not know; it is still
// reported when read back.
const char kUnknownPatchType[] = "in:3: byte 43: PatchMesh: unknown patch type \"trilinear\"\n";

struct Family {
    const char *name;
    void (*scene)();
    const char *errors;
};

// Each family of the shared scene alone, in its order, then the whole scene
// and the writer's edge cases.
std::vector<Family> families() {
    std::vector<Family> all;
    for (int i = 0; i < kSceneFamilyCount; ++i)
        all.push_back({kSceneFamilies[i].name, kSceneFamilies[i].calls, kNoErrors});
    all.push_back({"the whole scene", everyRequestScene, kNoErrors});
    all.push_back({"edges", edges, kUnknownPatchType});
    return all;
}

TEST(RoundTrip, EveryFamilyIsWrittenAgainByteForByteInBothEncodings) {
    for (const Family &family : families()) {
        for (bool binary : {false, true}) {
            std::string written = writtenStream(family.scene, binary);
            Reparsed again = reparse(written, binary);
            EXPECT_EQ(again.stream, written) << family.name << (binary ? " binary" : " ASCII");
            EXPECT_EQ(again.errors, family.errors) << family.name;
            EXPECT_TRUE(again.result.complete);
        }
    }
}

TEST(RoundTrip, AsciiParsedIntoABinaryWriterGivesTheBinaryStreamOfTheSameCalls) {
    for (const Family &family : families()) {
        std::string binary = writtenStream(family.scene, true);
        Reparsed converted = reparse(writtenStream(family.scene, false), true);
        EXPECT_EQ(converted.stream, binary) << family.name;
        EXPECT_EQ(converted.errors, family.errors) << family.name;
    }
}

}  // namespace
