// Curves, points, subdivision, blobby, procedural and geometry requests:
// whole streams in both encodings, and the diagnostics compared exactly.
#include <gtest/gtest.h>

#include "quillet/GlobalNames.h"
#include "tests/rib/GeometryRequestTable.h"

using namespace quillet;

using namespace quillet_test;

namespace {

RtInt seven[] = {7};
RtInt threeAndFour[] = {3, 4};
RtInt six[] = {6};
RtInt quads[] = {4, 4};
RtInt quadIndices[] = {0, 1, 5, 4, 1, 2, 3, 5};
RtToken crease[] = {"crease"};
RtToken creaseAndCorner[] = {"corner", "crease"};
RtInt creaseArgs[] = {2, 1};
RtInt cornerArgs[] = {0, 1, 0, 0};
RtInt edge[] = {1, 5};
RtFloat sharpness[] = {2.5f};
RtInt ellipsoid[] = {1001, 0};
RtToken noStrings[] = {nullptr};
RtToken sceneFile[] = {"scene.rib"};
RtToken programArgs[] = {"gen \"a\"", "-n 3"};
RtToken libraryArgs[] = {"blobs.so", nullptr};
RtBound bound = {-1, 1, -2, 2, 0, 0.5f};

void noSubdivision(RtPointer, RtFloat) {}

TEST(GeometryRequests, Curves) {
    expectGeometry({
        {"cubic, default steps",
         [](RibWriter &w) { w.CurvesV("cubic", 1, seven, "nonperiodic", 3, threeClasses(), rampValues()); },
         [](const Enc &e) { return "Curves \"cubic\"[7 ] \"nonperiodic\" " + params(e, 7, 3, 2) + "\n"; }},
        {"linear, nonperiodic",
         [](RibWriter &w) { w.CurvesV("linear", 2, threeAndFour, "nonperiodic", 3, threeClasses(), rampValues()); },
         [](const Enc &e) { return "Curves \"linear\"[3 4 ] \"nonperiodic\" " + params(e, 7, 7, 5) + "\n"; }},
        {"linear, periodic",
         [](RibWriter &w) { w.CurvesV("linear", 2, threeAndFour, "periodic", 3, threeClasses(), rampValues()); },
         [](const Enc &e) { return "Curves \"linear\"[3 4 ] \"periodic\" " + params(e, 7, 7, 7) + "\n"; }},
        {"cubic, periodic, after Basis with v step 1",
         [](RibWriter &w) {
             w.Basis(RiBSplineBasis, 3, RiBSplineBasis, 1);
             w.CurvesV("cubic", 1, six, "periodic", 3, threeClasses(), rampValues());
         },
         [](const Enc &e) {
             return "Basis \"b-spline\" 3 \"b-spline\" 1\nCurves \"cubic\"[6 ] \"periodic\" " + params(e, 6, 6, 6) +
                    "\n";
         }},
        {"Points", [](RibWriter &w) { w.Points(100, "P", kRamp, RI_NULL); },
         [](const Enc &e) { return "Points  \"P\" " + e.ramp(300) + "\n"; }},
        {"Points, three classes", [](RibWriter &w) { w.PointsV(5, 3, threeClasses(), rampValues()); },
         [](const Enc &e) { return "Points " + params(e, 5, 5, 1) + "\n"; }},
    });
}

TEST(GeometryRequests, SubdivisionMesh) {
    expectGeometry({
        {"one quadrilateral, no tags",
         [](RibWriter &w) {
             w.SubdivisionMeshV("catmull-clark", 1, quads, quadIndices, 0, nullptr, nullptr, nullptr, nullptr, 3,
                                threeClasses(), rampValues());
         },
         [](const Enc &e) { return "SubdivisionMesh \"catmull-clark\" [4 ] [0 1 5 4 ] " + params(e, 6, 6, 1) + "\n"; }},
        {"crease tag, two faces",
         [](RibWriter &w) {
             w.SubdivisionMeshV("catmull-clark", 2, quads, quadIndices, 1, crease, creaseArgs, edge, sharpness, 3,
                                threeClasses(), rampValues());
         },
         [](const Enc &e) {
             return "SubdivisionMesh \"catmull-clark\" [4 4 ] [0 1 5 4 1 2 3 5 ] [\"crease\" ][2 1 ][1 5 ]" +
                    e.floats(sharpness, 1) + params(e, 6, 6, 2) + "\n";
         }},
        {"tags without integer or float arguments",
         [](RibWriter &w) {
             w.SubdivisionMeshV("loop", 1, quads, quadIndices, 2, creaseAndCorner, cornerArgs, edge, sharpness, 0,
                                nullptr, nullptr);
         },
         [](const Enc &e) {
             return "SubdivisionMesh \"loop\" [4 ] [0 1 5 4 ] [\"corner\" \"crease\" ][0 1 0 0 ]" +
                    e.floats(sharpness, 1) + "\n";
         }},
        {"variable form",
         [](RibWriter &w) {
             w.SubdivisionMesh("catmull-clark", 1, quads, quadIndices, 0, nullptr, nullptr, nullptr, nullptr, "Pz",
                               kRamp, RI_NULL);
         },
         [](const Enc &e) { return "SubdivisionMesh \"catmull-clark\" [4 ] [0 1 5 4 ]  \"Pz\" " + e.ramp(6) + "\n"; }},
    });
}

TEST(GeometryRequests, BlobbyProceduralGeometry) {
    expectGeometry({
        {"Blobby without parameters",
         [](RibWriter &w) { w.BlobbyV(1, 2, ellipsoid, 16, kRamp, 0, noStrings, 0, nullptr, nullptr); },
         [](const Enc &e) { return "Blobby 1 [1001 0 ] " + e.ramp(16) + " []\n"; }},
        {"Blobby with parameters: own line, then an empty one",
         [](RibWriter &w) { w.Blobby(1, 2, ellipsoid, 16, kRamp, 0, noStrings, "s", kRamp, "Kd", kRamp, RI_NULL); },
         [](const Enc &e) {
             return "Blobby 1 [1001 0 ] " + e.ramp(16) + " []\n \"s\" " + e.ramp(1) + " \"Kd\" " + e.ramp(1) + "\n\n";
         }},
        {"DelayedReadArchive", [](RibWriter &w) { w.Procedural(sceneFile, bound, RiProcDelayedReadArchive, nullptr); },
         [](const Enc &e) { return "Procedural \"DelayedReadArchive\" [\"scene.rib\"] " + e.floats(bound, 6) + "\n"; }},
        {"RunProgram, argument escaped",
         [](RibWriter &w) { w.Procedural(programArgs, bound, RiProcRunProgram, nullptr); },
         [](const Enc &e) {
             return "Procedural \"RunProgram\" [\"gen \\\"a\\\"\" \"-n 3\"] " + e.floats(bound, 6) + "\n";
         }},
        {"DynamicLoad, null argument string",
         [](RibWriter &w) { w.Procedural(libraryArgs, bound, RiProcDynamicLoad, nullptr); },
         [](const Enc &e) { return "Procedural \"DynamicLoad\" [\"blobs.so\" \"\"] " + e.floats(bound, 6) + "\n"; }},
        {"Geometry", [](RibWriter &w) { w.Geometry("teapot", RI_NULL); },
         [](const Enc &) { return std::string("Geometry \"teapot\"\n"); }},
        {"Geometry with a parameter", [](RibWriter &w) { w.GeometryV("teapot", 3, threeClasses(), rampValues()); },
         [](const Enc &e) { return "Geometry \"teapot\"" + params(e, 1, 1, 1) + "\n"; }},
    });
}

// Each variable-argument form collects its pairs and writes what its list
// form writes.
TEST(GeometryRequests, VariableForms) {
    static RtInt loops[] = {2};
    static RtInt loopIndices[] = {0, 1, 2, 6, 3, 4, 5};
    struct Pair {
        const char *label;
        std::function<void(RibWriter &)> variable;
        std::function<void(RibWriter &)> list;
    };
    const Pair pairs[] = {
        {"GeneralPolygon",
         [](RibWriter &w) { w.GeneralPolygon(1, seven, "Pz", kRamp, "s", kRamp, "Kd", kRamp, RI_NULL); },
         [](RibWriter &w) { w.GeneralPolygonV(1, seven, 3, threeClasses(), rampValues()); }},
        {"PointsPolygons",
         [](RibWriter &w) { w.PointsPolygons(2, quads, quadIndices, "Pz", kRamp, "s", kRamp, "Kd", kRamp, RI_NULL); },
         [](RibWriter &w) { w.PointsPolygonsV(2, quads, quadIndices, 3, threeClasses(), rampValues()); }},
        {"PointsGeneralPolygons",
         [](RibWriter &w) {
             w.PointsGeneralPolygons(1, loops, threeAndFour, loopIndices, "Pz", kRamp, "s", kRamp, "Kd", kRamp,
                                     RI_NULL);
         },
         [](RibWriter &w) {
             w.PointsGeneralPolygonsV(1, loops, threeAndFour, loopIndices, 3, threeClasses(), rampValues());
         }},
        {"PatchMesh",
         [](RibWriter &w) {
             w.PatchMesh("bicubic", 7, "nonperiodic", 4, "periodic", "Pz", kRamp, "s", kRamp, "Kd", kRamp, RI_NULL);
         },
         [](RibWriter &w) {
             w.PatchMeshV("bicubic", 7, "nonperiodic", 4, "periodic", 3, threeClasses(), rampValues());
         }},
        {"NuPatch",
         [](RibWriter &w) {
             w.NuPatch(4, 4, kRamp, 0, 1, 4, 4, kRamp, 0, 1, "Pz", kRamp, "s", kRamp, "Kd", kRamp, RI_NULL);
         },
         [](RibWriter &w) { w.NuPatchV(4, 4, kRamp, 0, 1, 4, 4, kRamp, 0, 1, 3, threeClasses(), rampValues()); }},
        {"Curves",
         [](RibWriter &w) {
             w.Curves("cubic", 2, threeAndFour, "periodic", "Pz", kRamp, "s", kRamp, "Kd", kRamp, RI_NULL);
         },
         [](RibWriter &w) { w.CurvesV("cubic", 2, threeAndFour, "periodic", 3, threeClasses(), rampValues()); }},
    };
    for (const Pair &pair : pairs) {
        std::string listStream = captureStream(pair.list);
        EXPECT_NE(listStream.find("\"Kd\""), std::string::npos) << pair.label;
        EXPECT_EQ(captureStream(pair.variable), listStream) << pair.label;
    }
}

TEST(GeometryRequests, Diagnostics) {
    static RtInt truncated[] = {1000, 0, 0};
    static RtToken oneString[] = {"field"};
    expectGeometryErrors({
        {"Blobby leaf count",
         [](RibWriter &w) { w.BlobbyV(2, 2, ellipsoid, 16, kRamp, 0, noStrings, 0, nullptr, nullptr); },
         "Blobby 2 [1001 0 ] [0 1 2 3 4 5 6 7 8 9 10 11 12 13 14 15] []\n",
         "\nquillet error: RiBlobby nleaf [2] !=  leaf count [1]"},
        {"Blobby all three counts",
         [](RibWriter &w) { w.BlobbyV(3, 2, ellipsoid, 2, kRamp, 1, oneString, 0, nullptr, nullptr); },
         "Blobby 3 [1001 0 ] [0 1] [\"field\" ]\n",
         "\nquillet error: RiBlobby nleaf [3] !=  leaf count [1]"
         "\nquillet error: RiBlobby nflt [2] != float count [16]"
         "\nquillet error: RiBlobby nstr [1] != string count [0]"},
        {"Blobby count word beyond the array ends the scan",
         [](RibWriter &w) { w.BlobbyV(1, 3, truncated, 1, kRamp, 0, noStrings, 0, nullptr, nullptr); },
         "Blobby 1 [1000 0 0 ] [0] []\n", ""},
        {"Blobby null code",
         [](RibWriter &w) { w.BlobbyV(1, 4, nullptr, 0, nullptr, 0, nullptr, 0, nullptr, nullptr); },
         "Blobby 1 [] [] []\n", "\nquillet error: RiBlobby nleaf [1] !=  leaf count [0]"},
        {"Procedural of the application", [](RibWriter &w) { w.Procedural(sceneFile, bound, noSubdivision, nullptr); },
         "", "quillet error: procedural type\n"},
        {"Procedural null data", [](RibWriter &w) { w.Procedural(nullptr, bound, RiProcDelayedReadArchive, nullptr); },
         "Procedural \"DelayedReadArchive\" [\"\"] [-1 1 -2 2 0 0.5]\n", ""},
        {"cubic Curves with v step 0",
         [](RibWriter &w) {
             w.Basis(RiBezierBasis, 3, RiBezierBasis, 0);
             w.CurvesV("cubic", 1, seven, "nonperiodic", 3, threeClasses(), rampValues());
         },
         "Basis \"bezier\" 3 \"bezier\" 0\nCurves \"cubic\"[7 ] \"nonperiodic\" ", "quillet: bad basis step 0\n"},
        {"linear Curves with v step 0",
         [](RibWriter &w) {
             w.Basis(RiBezierBasis, 3, RiBezierBasis, 0);
             w.CurvesV("linear", 1, seven, "nonperiodic", 0, nullptr, nullptr);
         },
         "Basis \"bezier\" 3 \"bezier\" 0\nCurves \"linear\"[7 ] \"nonperiodic\" \n", ""},
    });
}

}  // namespace
