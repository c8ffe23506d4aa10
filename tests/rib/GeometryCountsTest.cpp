// Count rules of the geometric requests, independent of any stream.
#include <climits>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "format/GeometryCounts.h"

using namespace quillet;

namespace {

std::string str(const ClassCounts &c) {
    return std::to_string(c.vertex) + "/" + std::to_string(c.varying) + "/" + std::to_string(c.uniform);
}

// The whole result of a stepped count: "ok" and the vertex, varying,
// uniform and face counts, "unknown type", or "bad step" and the step.
std::string describe(const SteppedCounts &r) {
    switch (r.status) {
    case CountStatus::ok:
        return "ok " + str(r.counts) + "/" + std::to_string(r.counts.face) +
               (r.badStep != 0 ? " step " + std::to_string(r.badStep) : "");
    case CountStatus::unknownPatchType: return "unknown type";
    case CountStatus::badBasisStep: return r.badStep != 0 ? "bad step " + std::to_string(r.badStep) : "bad step";
    }
    return "?";
}

struct PatchMeshCase {
    const char *type;
    RtInt nu;
    const char *uwrap;
    RtInt nv;
    const char *vwrap;
    RtInt uStep, vStep;
    const char *counts;
};

TEST(GeometryCounts, PatchMesh) {
    const PatchMeshCase cases[] = {
        {"bicubic", 7, "nonperiodic", 4, "nonperiodic", 3, 3, "ok 28/6/2/6"},
        {"bicubic", 12, "periodic", 4, "nonperiodic", 3, 3, "ok 48/8/4/8"},
        {"bicubic", 4, "nonperiodic", 12, "periodic", 3, 3, "ok 48/8/4/8"},
        {"bicubic", 7, "nonperiodic", 4, "nonperiodic", 1, 1, "ok 28/10/4/10"},
        {"bilinear", 3, "periodic", 2, "nonperiodic", 3, 3, "ok 6/6/3/6"},
        {"bilinear", 3, "nonperiodic", 2, "Periodic", 0, 0, "ok 6/6/2/6"},
        {"trilinear", 4, "periodic", 4, "periodic", 3, 3, "unknown type"},
        {nullptr, 4, "periodic", 4, "periodic", 3, 3, "unknown type"},
        {"bicubic", 4, nullptr, 4, nullptr, 3, 3, "ok 16/4/1/4"},
        {"bicubic", 7, "nonperiodic", 4, "nonperiodic", 0, 3, "bad step"},
        {"bicubic", 7, "nonperiodic", 4, "nonperiodic", 3, -2, "bad step -2"},
        // A factor of 0 or less gives no values, however the signs pair up.
        {"bilinear", -10, "nonperiodic", -10, "nonperiodic", 3, 3, "ok 0/0/0/0"},
        {"bilinear", -10, "periodic", 4, "nonperiodic", 3, 3, "ok 0/0/0/0"},
        {"bilinear", 1, "nonperiodic", 3, "nonperiodic", 3, 3, "ok 3/3/0/3"},
        {"bicubic", -10, "nonperiodic", -10, "nonperiodic", 3, 3, "ok 0/0/0/0"},
        {"bicubic", -12, "periodic", -12, "periodic", 3, 3, "ok 0/0/0/0"},
    };
    for (const PatchMeshCase &c : cases) {
        SteppedCounts r = patchMeshCounts(c.type, c.nu, c.uwrap, c.nv, c.vwrap, c.uStep, c.vStep);
        SCOPED_TRACE(std::string(c.type ? c.type : "(null)") + " " + std::to_string(c.nu) + "x" + std::to_string(c.nv));
        EXPECT_EQ(describe(r), c.counts);
    }
}

struct CurvesCase {
    const char *type;
    std::vector<RtInt> nvertices;
    const char *wrap;
    RtInt vStep;
    const char *counts;
};

TEST(GeometryCounts, Curves) {
    const CurvesCase cases[] = {
        {"cubic", {7}, "nonperiodic", 3, "ok 7/3/2/3"},
        {"cubic", {7, 10}, "nonperiodic", 3, "ok 17/7/5/7"},
        {"cubic", {6}, "periodic", 1, "ok 6/6/6/6"},
        {"cubic", {6}, "periodic", 3, "ok 6/2/2/2"},
        {"linear", {3, 4}, "nonperiodic", 3, "ok 7/7/5/7"},
        {"linear", {3, 4}, "periodic", 3, "ok 7/7/7/7"},
        {"linear", {3, 4}, "periodic", 0, "ok 7/7/7/7"},
        {"Cubic", {4}, "nonperiodic", 3, "ok 4/4/3/4"},
        // A cubic step of 0 or less cannot count segments.
        {"cubic", {7}, "nonperiodic", 0, "bad step"},
    };
    for (const CurvesCase &c : cases) {
        SCOPED_TRACE(std::string(c.type) + " " + c.wrap + " step " + std::to_string(c.vStep));
        SteppedCounts r = curvesCounts(c.type, RtInt(c.nvertices.size()), c.nvertices.data(), c.wrap, c.vStep);
        EXPECT_EQ(describe(r), c.counts);
    }
    SteppedCounts bad = curvesCounts("cubic", 1, nullptr, "periodic", -1);
    EXPECT_EQ(bad.badStep, -1);
    SteppedCounts empty = curvesCounts("cubic", 5, nullptr, "periodic", 3);
    EXPECT_EQ(str(empty.counts), "0/0/0");
}

TEST(GeometryCounts, IndexedMeshes) {
    const RtInt triangles[] = {3, 3};
    const RtInt largestInMiddle[] = {0, 1, 5, 2, 1, 3};
    IndexedMeshShape pp = pointsPolygonsShape(2, triangles, largestInMiddle);
    EXPECT_EQ(pp.loops, 2);
    EXPECT_EQ(pp.indices, 6);
    EXPECT_EQ(str(pp.counts), "6/6/2");

    const RtInt nloops[] = {2};
    const RtInt loopSizes[] = {4, 3};
    const RtInt indices[] = {0, 1, 2, 6, 3, 4, 5};
    IndexedMeshShape pgp = pointsGeneralPolygonsShape(1, nloops, loopSizes, indices);
    EXPECT_EQ(pgp.loops, 2);
    EXPECT_EQ(pgp.indices, 7);
    EXPECT_EQ(str(pgp.counts), "7/7/1");

    const RtInt quad[] = {4};
    const RtInt quadIndices[] = {0, 1, 2, 3};
    EXPECT_EQ(str(subdivisionMeshShape(1, quad, quadIndices).counts), "4/4/1");

    // Negative indices never raise M above 0; null arrays read as empty.
    const RtInt negative[] = {-5, -1, -7};
    EXPECT_EQ(str(pointsPolygonsShape(1, &negative[0] + 0, negative).counts), "1/1/1");
    IndexedMeshShape none = pointsPolygonsShape(3, nullptr, nullptr);
    EXPECT_EQ(none.indices, 0);
    EXPECT_EQ(str(none.counts), "1/1/3");
    EXPECT_EQ(pointsGeneralPolygonsShape(-2, nloops, loopSizes, indices).loops, 0);

    EXPECT_EQ(str(generalPolygonCounts(2, loopSizes)), "7/7/1");
    EXPECT_EQ(str(polygonCounts(4)), "4/4/1");
}

TEST(GeometryCounts, FixedRules) {
    EXPECT_EQ(str(patchCounts("bilinear").counts), "4/4/1");
    EXPECT_EQ(str(patchCounts("bicubic").counts), "16/4/1");
    EXPECT_EQ(patchCounts("Bilinear").status, CountStatus::unknownPatchType);
    EXPECT_EQ(patchCounts(nullptr).status, CountStatus::unknownPatchType);
    EXPECT_EQ(str(nuPatchCounts(4, 4, 4, 4)), "16/4/1");
    EXPECT_EQ(str(nuPatchCounts(6, 3, 5, 2)), "30/25/16");
    EXPECT_EQ(str(nuPatchCounts(1, 10, 1, 10)), "1/0/0");
    EXPECT_EQ(str(nuPatchCounts(-3, 1, -3, 1)), "0/0/0");
    EXPECT_EQ(str(nuPatchCounts(4, 5, 4, 4)), "16/2/0");
    EXPECT_EQ(knotCount(6, 3), 9);
    EXPECT_EQ(str(pointsCounts(100)), "100/100/1");
    EXPECT_EQ(str(blobbyCounts(3)), "3/3/3");
}

TEST(GeometryCounts, ArraySizes) {
    const RtInt nargs[] = {2, 1, 0, 3};
    TagArgSizes tags = subdivisionTagSizes(2, nargs);
    EXPECT_EQ(tags.nargs, 4);
    EXPECT_EQ(tags.ints, 2);
    EXPECT_EQ(tags.floats, 4);
    TagArgSizes noTags = subdivisionTagSizes(-1, nargs);
    EXPECT_EQ(noTags.nargs + noTags.ints + noTags.floats, 0);

    const RtInt ncurves[] = {1, 2};
    const RtInt order[] = {3, 2, 4};
    const RtInt n[] = {3, 2, 5};
    TrimCurveSizes trim = trimCurveSizes(2, ncurves, order, n);
    EXPECT_EQ(trim.curves, 3);
    EXPECT_EQ(trim.knots, 3 + 3 + 2 + 2 + 4 + 5);
    EXPECT_EQ(trim.points, 10);

    // Sums and products saturate rather than overflow.
    const RtInt huge[] = {INT_MAX, INT_MAX, -1};
    EXPECT_EQ(sumInts(huge, 3), INT_MAX);
    EXPECT_EQ(nuPatchCounts(65536, 1, 65536, 1).vertex, INT_MAX);
    EXPECT_EQ(str(nuPatchCounts(INT_MAX, INT_MIN, INT_MAX, INT_MIN)), str({INT_MAX, INT_MAX, INT_MAX, INT_MAX}));
    const RtInt one[] = {1};
    EXPECT_EQ(pointsPolygonsShape(1, one, huge).counts.vertex, INT_MAX);
    EXPECT_EQ(arrayLength(-4), 0);
}

struct BlobbyCase {
    const char *name;
    std::vector<RtInt> code;
    RtInt leaves, floats, strings;
    bool complete;
};

TEST(GeometryCounts, BlobbyScan) {
    const BlobbyCase cases[] = {
        {"one ellipsoid", {1001, 0}, 1, 16, 0, true},
        {"every leaf", {1000, 0, 1001, 1, 1002, 17, 1003, 40, 0}, 4, 1 + 16 + 23 + 4, 1, true},
        {"sum of two", {1000, 0, 1000, 1, 0, 2, 0, 1}, 2, 2, 0, true},
        {"fixed operators", {1000, 0, 4, 0, 1, 6, 0, 7, 0, 5, 0, 0}, 1, 1, 0, true},
        {"operands are not leaves", {0, 2, 1001, 1002}, 0, 0, 0, true},
        {"unknown words", {9, 999, 1004, -1, 1000, 0}, 1, 1, 0, true},
        {"count word beyond the array", {1000, 0, 0}, 1, 1, 0, false},
        {"operands beyond the array", {1000, 0, 3, 5, 0, 1}, 1, 1, 0, false},
        {"operand count -1 takes its count word alone", {1000, 0, 1, -1, 1001, 0}, 2, 17, 0, true},
        {"operand count -2 would not advance", {1000, 0, 1, -2, 1000, 0}, 1, 1, 0, false},
        {"negative operand count", {1000, 0, 1, -3, 1000, 0}, 1, 1, 0, false},
        {"leaf at the end", {1000, 0, 1003}, 2, 5, 1, true},
        {"empty", {}, 0, 0, 0, true},
    };
    for (const BlobbyCase &c : cases) {
        SCOPED_TRACE(c.name);
        BlobbyScan s = blobbyScan(RtInt(c.code.size()), c.code.data());
        EXPECT_EQ(s.leaves, c.leaves);
        EXPECT_EQ(s.floats, c.floats);
        EXPECT_EQ(s.strings, c.strings);
        EXPECT_EQ(s.complete, c.complete);
    }
    // Only ncode words are read, even when the array holds more.
    const RtInt longer[] = {1000, 0, 0, 2, 0, 0};
    EXPECT_FALSE(blobbyScan(3, longer).complete);
    EXPECT_EQ(blobbyScan(4, nullptr).leaves, 0);
    EXPECT_EQ(blobbyScan(-2, longer).leaves, 0);
}

}  // namespace
