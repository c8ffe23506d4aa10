// Requests whose value arrays outgrow the pools' small blocks: a large mesh, a
// small one after it and a larger one again, so the pools move to blocks of
// their own, are reused and grow; each stream is written back byte for byte.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tests/parse/ParseSupport.h"
#include "quillet/ri.h"

namespace {

// m triangles over m points: 4m integers and 3m floats.
void triangleFan(RtInt m) {
    std::vector<RtInt> nvertices(size_t(m), 3), vertices;
    std::vector<RtFloat> positions;
    for (RtInt i = 0; i < m; ++i) {
        vertices.insert(vertices.end(), {i, (i + 1) % m, (i + 2) % m});
        positions.insert(positions.end(), {RtFloat(i) * 0.25f, RtFloat(i % 977) - 3.5f, -RtFloat(i) / 64});
    }
    RiPointsPolygons(m, nvertices.data(), vertices.data(), RI_P, positions.data(), RI_NULL);
}

void largeMeshes() {
    RiWorldBegin();
    triangleFan(600000);
    triangleFan(10);
    triangleFan(1100000);
    RiWorldEnd();
}

TEST(LargeRequest, PoolsGrowAndAreReusedInBothEncodings) {
    for (bool binary : {false, true}) {
        SCOPED_TRACE(binary ? "binary" : "ASCII");
        const std::string written = writtenStream(largeMeshes, binary);
        const Reparsed again = reparse(written, binary);
        EXPECT_EQ(again.errors, "");
        EXPECT_TRUE(again.stream == written) << "the stream differs after " << written.size() << " bytes written";
    }
}

// The same stream with other blanks between values here and there: runs of
// spaces, tabs and newlines, some of them across the reader's buffer edges.
TEST(LargeRequest, AnyBlanksBetweenValuesReadTheSame) {
    const std::string written = writtenStream(largeMeshes, false);
    const size_t firstLine = written.find('\n') + 1;  // the header comment stays as it is
    const char *const blanks[] = {"  ", "\n", "\t", " \n\t ", "   "};
    std::string spaced = written.substr(0, firstLine);
    size_t spaces = 0;
    for (size_t i = firstLine; i < written.size(); ++i) {
        if (written[i] == ' ' && ++spaces % 7 == 0)
            spaced += blanks[spaces / 7 % 5];
        else
            spaced += written[i];
    }
    const Reparsed again = reparse(spaced, false);
    EXPECT_EQ(again.errors, "");
    EXPECT_TRUE(again.stream == written) << "the stream differs after " << written.size() << " bytes written";
}

}  // namespace
