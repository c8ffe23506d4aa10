// Polygon and patch requests: whole streams in both encodings, with
// parameters whose number of values shows each storage-class count.
#include <gtest/gtest.h>

#include "quillet/GlobalNames.h"
#include "tests/rib/GeometryRequestTable.h"

using namespace quillet;

using namespace quillet_test;

namespace {

RtInt triangles[] = {3, 3};
RtInt middleLargest[] = {0, 4, 2, 2, 1, 3};
RtInt oneFace[] = {2};
RtInt loopSizes[] = {4, 3};
RtInt loopIndices[] = {0, 1, 2, 6, 3, 4, 5};
RtFloat nuKnots[] = {0, 0, 0, 0.5f, 1, 1, 1, 1};
RtFloat bezierKnots[] = {0, 0, 0, 0, 1, 1, 1, 1};
RtBasis powerCopy = {{1, 0, 0, 0}, {0, 1, 0, 0}, {0, 0, 1, 0}, {0, 0, 0, 1}};

TEST(PolygonPatchRequests, Polygons) {
    expectGeometry({
        {"Polygon", [](RibWriter &w) { w.PolygonV(4, 3, threeClasses(), rampValues()); },
         [](const Enc &e) { return "Polygon" + params(e, 4, 4, 1) + "\n"; }},
        {"GeneralPolygon", [](RibWriter &w) { w.GeneralPolygonV(2, loopSizes, 3, threeClasses(), rampValues()); },
         [](const Enc &e) { return "GeneralPolygon[4 3 ] " + params(e, 7, 7, 1) + "\n"; }},
        {"PointsPolygons, largest index not last",
         [](RibWriter &w) { w.PointsPolygonsV(2, triangles, middleLargest, 3, threeClasses(), rampValues()); },
         [](const Enc &e) { return "PointsPolygons[3 3 ] [0 4 2 2 1 3 ] " + params(e, 5, 5, 2) + "\n"; }},
        {"PointsGeneralPolygons",
         [](RibWriter &w) {
             w.PointsGeneralPolygonsV(1, oneFace, loopSizes, loopIndices, 3, threeClasses(), rampValues());
         },
         [](const Enc &e) { return "PointsGeneralPolygons[2 ] [4 3 ] [0 1 2 6 3 4 5 ] " + params(e, 7, 7, 1) + "\n"; }},
        {"Polygon point and colour", [](RibWriter &w) { w.Polygon(4, "P", kRamp, "Cs", kRamp, RI_NULL); },
         [](const Enc &e) { return "Polygon \"P\" " + e.ramp(12) + " \"Cs\" " + e.ramp(12) + "\n"; }},
    });
}

TEST(PolygonPatchRequests, BasisAndPatches) {
    expectGeometry({
        {"Basis bezier", [](RibWriter &w) { w.Basis(RiBezierBasis, 3, RiBezierBasis, 3); },
         [](const Enc &) { return std::string("Basis \"bezier\" 3 \"bezier\" 3\n"); }},
        {"Basis catmull-rom, b-spline", [](RibWriter &w) { w.Basis(RiCatmullRomBasis, 1, RiBSplineBasis, 1); },
         [](const Enc &) { return std::string("Basis \"catmull-rom\" 1 \"b-spline\" 1\n"); }},
        {"Basis hermite, power", [](RibWriter &w) { w.Basis(RiHermiteBasis, 2, RiPowerBasis, 4); },
         [](const Enc &) { return std::string("Basis \"hermite\" 2 \"power\" 4\n"); }},
        {"Basis own matrix, copy of a standard one", [](RibWriter &w) { w.Basis(rampMatrix(), 4, powerCopy, 3); },
         [](const Enc &e) { return "Basis " + e.ramp(16) + " 4 " + e.floats(powerCopy[0], 16) + " 3\n"; }},
        {"Patch bilinear",
         [](RibWriter &w) { w.PatchV(const_cast<RtToken>("bilinear"), 3, threeClasses(), rampValues()); },
         [](const Enc &e) { return "Patch \"bilinear\"" + params(e, 4, 4, 1) + "\n"; }},
        {"Patch bicubic", [](RibWriter &w) { w.Patch("bicubic", "P", kRamp, "Cs", kRamp, RI_NULL); },
         [](const Enc &e) { return "Patch \"bicubic\" \"P\" " + e.ramp(48) + " \"Cs\" " + e.ramp(12) + "\n"; }},
        {"PatchMesh bicubic, default steps",
         [](RibWriter &w) {
             w.PatchMeshV("bicubic", 7, "nonperiodic", 4, "nonperiodic", 3, threeClasses(), rampValues());
         },
         [](const Enc &e) {
             return "PatchMesh \"bicubic\" 7 \"nonperiodic\" 4 \"nonperiodic\"" + params(e, 28, 6, 2) + "\n";
         }},
        {"PatchMesh bicubic, periodic in u",
         [](RibWriter &w) {
             w.PatchMeshV("bicubic", 12, "periodic", 4, "nonperiodic", 3, threeClasses(), rampValues());
         },
         [](const Enc &e) {
             return "PatchMesh \"bicubic\" 12 \"periodic\" 4 \"nonperiodic\"" + params(e, 48, 8, 4) + "\n";
         }},
        {"PatchMesh bicubic after Basis with steps 1 and 2",
         [](RibWriter &w) {
             w.Basis(RiBSplineBasis, 1, RiBSplineBasis, 2);
             w.PatchMeshV("bicubic", 7, "nonperiodic", 6, "nonperiodic", 3, threeClasses(), rampValues());
         },
         [](const Enc &e) {
             return "Basis \"b-spline\" 1 \"b-spline\" 2\n"
                    "PatchMesh \"bicubic\" 7 \"nonperiodic\" 6 \"nonperiodic\"" +
                    params(e, 42, 15, 8) + "\n";
         }},
        {"PatchMesh bilinear, periodic in u",
         [](RibWriter &w) {
             w.PatchMeshV("bilinear", 3, "periodic", 2, "nonperiodic", 3, threeClasses(), rampValues());
         },
         [](const Enc &e) {
             return "PatchMesh \"bilinear\" 3 \"periodic\" 2 \"nonperiodic\"" + params(e, 6, 6, 3) + "\n";
         }},
    });
}

TEST(PolygonPatchRequests, NuPatchAndTrimCurve) {
    expectGeometry({
        {"NuPatch",
         [](RibWriter &w) {
             w.NuPatchV(5, 3, nuKnots, 0.25f, 1, 4, 4, bezierKnots, 0, 1, 3, threeClasses(), rampValues());
         },
         [](const Enc &e) {
             return "NuPatch 5 3 " + e.floats(nuKnots, 8) + " 0.250000 1.000000 4 4 " + e.floats(bezierKnots, 8) +
                    " 0.000000 1.000000 " + params(e, 20, 8, 3) + "\n";
         }},
        {"TrimCurve",
         [](RibWriter &w) {
             RtInt ncurves[] = {1}, order[] = {3}, n[] = {3};
             w.TrimCurve(1, ncurves, order, kRamp, kRamp + 6, kRamp + 7, n, kRamp + 8, kRamp + 11, kRamp + 14);
         },
         [](const Enc &e) {
             return "TrimCurve [1 ][3 ]" + e.floats(kRamp, 6) + " " + e.floats(kRamp + 6, 1) + " " +
                    e.floats(kRamp + 7, 1) + " [3 ]" + e.floats(kRamp + 8, 3) + " " + e.floats(kRamp + 11, 3) + " " +
                    e.floats(kRamp + 14, 3) + "\n";
         }},
    });
}

// A mesh whose counts cannot be worked out keeps its text so far and gets
// no parameter list; the next request then follows on the same line.
TEST(PolygonPatchRequests, PatchMeshFailures) {
    expectGeometryErrors({
        {"unknown type",
         [](RibWriter &w) { w.PatchMeshV("trilinear", 4, "periodic", 4, "periodic", 3, threeClasses(), rampValues()); },
         "PatchMesh \"trilinear\" 4 \"periodic\" 4 \"periodic\"", "quillet: unknown patch type trilinear\n"},
        {"null type", [](RibWriter &w) { w.PatchMeshV(nullptr, 4, nullptr, 4, nullptr, 0, nullptr, nullptr); },
         "PatchMesh \"\" 4 \"\" 4 \"\"", "quillet: unknown patch type \n"},
        {"u step 0",
         [](RibWriter &w) {
             w.Basis(RiBezierBasis, 0, RiBezierBasis, 3);
             w.PatchMeshV("bicubic", 4, "nonperiodic", 4, "nonperiodic", 3, threeClasses(), rampValues());
             w.PatchMeshV("bilinear", 2, "nonperiodic", 2, "nonperiodic", 0, nullptr, nullptr);
         },
         "Basis \"bezier\" 0 \"bezier\" 3\nPatchMesh \"bicubic\" 4 \"nonperiodic\" 4 \"nonperiodic\""
         "PatchMesh \"bilinear\" 2 \"nonperiodic\" 2 \"nonperiodic\"\n",
         "quillet: bad basis step 0\n"},
        {"v step negative",
         [](RibWriter &w) {
             w.Basis(RiBezierBasis, 3, RiBezierBasis, -1);
             w.PatchMeshV("bicubic", 4, "nonperiodic", 4, "nonperiodic", 3, threeClasses(), rampValues());
         },
         "Basis \"bezier\" 3 \"bezier\" -1\nPatchMesh \"bicubic\" 4 \"nonperiodic\" 4 \"nonperiodic\"",
         "quillet: bad basis step -1\n"},
    });
}

// Null arrays and negative counts write empty arrays and never crash.
TEST(PolygonPatchRequests, NullArraysAndNegativeCounts) {
    expectGeometry({
        {"PointsPolygons null arrays",
         [](RibWriter &w) { w.PointsPolygonsV(2, nullptr, nullptr, 3, threeClasses(), rampValues()); },
         [](const Enc &e) { return "PointsPolygons[] [] " + params(e, 1, 1, 2) + "\n"; }},
        {"GeneralPolygon negative loops", [](RibWriter &w) { w.GeneralPolygonV(-3, loopSizes, 0, nullptr, nullptr); },
         [](const Enc &) { return std::string("GeneralPolygon[] \n"); }},
        {"NuPatch negative knot count",
         [](RibWriter &w) { w.NuPatchV(-5, 1, nuKnots, 0, 1, 1, 1, nullptr, 0, 1, 0, nullptr, nullptr); },
         [](const Enc &e) {
             return "NuPatch -5 1 " + e.floats(nuKnots, 0) + " 0.000000 1.000000 1 1 " + e.floats(nuKnots, 0) +
                    " 0.000000 1.000000 \n";
         }},
        {"TrimCurve null arrays",
         [](RibWriter &w) {
             w.TrimCurve(1, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr);
         },
         [](const Enc &e) {
             std::string none = e.floats(nullptr, 0);
             return "TrimCurve [][]" + none + " " + none + " " + none + " []" + none + " " + none + " " + none + "\n";
         }},
        {"Basis null matrix", [](RibWriter &w) { w.Basis(nullptr, 3, RiPowerBasis, 3); },
         [](const Enc &e) { return "Basis " + e.floats(nullptr, 0) + " 3 \"power\" 3\n"; }},
    });
}

}  // namespace
