// The facevarying and facevertex storage classes carry one value for each
// vertex of each face (the varying count where a primitive has no faces);
// a declaration whose type cannot be read is reported once and its pairs
// are dropped.
#include <gtest/gtest.h>

#include <numeric>
#include <vector>

#include "quillet/DeclTable.h"
#include "quillet/GlobalNames.h"
#include "tests/rib/RequestCase.h"
#include "tests/rib/StreamChild.h"

using namespace quillet;
using namespace quillet_test;

namespace {

std::vector<RtFloat> ramp(size_t n) {
    std::vector<RtFloat> values(n);
    std::iota(values.begin(), values.end(), 0.0f);
    return values;
}

RtFloat *manyValues() {
    static std::vector<RtFloat> values = ramp(64);
    return values.data();
}

RtToken kToken[] = {"fc_value"};

struct FaceCase {
    const char *primitive;
    std::function<void(RibWriter &, RtToken *, RtPointer *)> call;
    int count;
};

RtInt loops2[] = {4, 3};
RtInt triangles[] = {3, 3};
RtInt triangleIndices[] = {0, 1, 2, 2, 1, 3};
RtInt polygonLoops[] = {2, 1};
RtInt loopSizes[] = {4, 3, 3};
RtInt loopIndices[] = {0, 1, 2, 3, 4, 5, 6, 0, 1, 2};
RtInt faceSizes[] = {4, 3};
RtInt faceIndices[] = {0, 1, 2, 3, 3, 2, 4};
RtInt curveSizes[] = {3, 4};
RtFloat knots[] = {0, 0, 0, 0, 1, 1, 1, 1};

const FaceCase kCases[] = {
    {"Polygon", [](RibWriter &w, RtToken *t, RtPointer *v) { w.PolygonV(3, 1, t, v); }, 3},
    {"GeneralPolygon", [](RibWriter &w, RtToken *t, RtPointer *v) { w.GeneralPolygonV(2, loops2, 1, t, v); }, 7},
    {"PointsPolygons",
     [](RibWriter &w, RtToken *t, RtPointer *v) { w.PointsPolygonsV(2, triangles, triangleIndices, 1, t, v); }, 6},
    {"PointsGeneralPolygons",
     [](RibWriter &w, RtToken *t, RtPointer *v) {
         w.PointsGeneralPolygonsV(2, polygonLoops, loopSizes, loopIndices, 1, t, v);
     },
     10},
    {"SubdivisionMesh",
     [](RibWriter &w, RtToken *t, RtPointer *v) {
         w.SubdivisionMeshV("catmull-clark", 2, faceSizes, faceIndices, 0, nullptr, nullptr, nullptr, nullptr, 1, t, v);
     },
     7},
    {"Patch bicubic", [](RibWriter &w, RtToken *t, RtPointer *v) { w.PatchV("bicubic", 1, t, v); }, 4},
    {"PatchMesh bilinear",
     [](RibWriter &w, RtToken *t, RtPointer *v) {
         w.PatchMeshV("bilinear", 3, "nonperiodic", 4, "nonperiodic", 1, t, v);
     },
     12},
    {"NuPatch",
     [](RibWriter &w, RtToken *t, RtPointer *v) { w.NuPatchV(4, 4, knots, 0, 1, 4, 4, knots, 0, 1, 1, t, v); }, 4},
    {"Curves linear",
     [](RibWriter &w, RtToken *t, RtPointer *v) { w.CurvesV("linear", 2, curveSizes, "nonperiodic", 1, t, v); }, 7},
    {"Points", [](RibWriter &w, RtToken *t, RtPointer *v) { w.PointsV(5, 1, t, v); }, 5},
    {"Sphere", [](RibWriter &w, RtToken *t, RtPointer *v) { w.SphereV(1, -1, 1, 360, 1, t, v); }, 4},
};

// Each class writes what a constant array of the table's count writes.
TEST(FaceClasses, CountPerPrimitive) {
    for (const char *faceClass : {"facevarying float", "facevertex float"}) {
        for (const FaceCase &c : kCases) {
            RtPointer values[] = {manyValues()};
            auto write = [&](RibWriter &w) { c.call(w, kToken, values); };
            DeclTable::declare(kToken[0], faceClass, nullptr, false);
            const std::string face = captureStream(write);
            const std::string constant = "constant float[" + std::to_string(c.count) + "]";
            DeclTable::declare(kToken[0], constant.c_str(), nullptr, false);
            EXPECT_EQ(face, captureStream(write)) << faceClass << ", " << c.primitive;
        }
    }
}

TEST(FaceClasses, InlineAndFormatted) {
    RtFloat values[] = {1, 2, 3};
    RtToken tokens[] = {"facevertex float fc_inline"};
    RtPointer pointers[] = {values};
    EXPECT_EQ(captureStream([&](RibWriter &w) { w.PolygonV(3, 1, tokens, pointers); }),
              wholeStream("Polygon \"facevertex float fc_inline\" [1 2 3]\n"));
    char text[64];
    formatDeclaration(text, sizeof text, int(ParamClass::FaceVarying), int(ParamType::Color), 2);
    EXPECT_STREQ(text, "facevarying color[2]");
}

// The declarations of the earlier sessions' report: reported once, not
// echoed, and their pairs dropped so that "Ks" keeps its value.
TEST(BadDeclaration, ReportedOnceAndPairsDropped) {
    const std::string path = makeTempPath();
    const ChildResult child = runChild([&] {
        RtFloat kd = 0.5f, ks = 0.25f;
        RiBegin(path.c_str());
        RiDeclare("fc_twice", "uniform uniform float");
        RiDeclare("fc_blank", "   ");
        RiDeclare("fc_class", "varying");
        RiDeclare("fc_good", "uniform float");
        RiSurface("plastic", "fc_twice", &kd, "fc_blank", &kd, "fc_class", &kd, "Ks", &ks, RI_NULL);
        RiSurface("plastic", "fc_twice", &kd, "uniform uniform float fc_inline", &kd, "fc_good", &ks, RI_NULL);
        RiSurface("plastic", "uniform uniform float fc_inline", &kd, RI_NULL);
        RiEnd();
    });
    EXPECT_EQ(child.status, 0);
    EXPECT_EQ(child.standardError, "quillet error: bad declaration \"uniform uniform float\" for \"fc_twice\"\n"
                                   "quillet error: bad declaration \"\" for \"fc_blank\"\n"
                                   "quillet error: bad declaration \"varying\" for \"fc_class\"\n"
                                   "quillet error: bad declaration \"uniform\" for \"uniform float fc_inline\"\n");
    EXPECT_EQ(readFile(path), wholeStream("Declare \"fc_good\" \"uniform float\"\n"
                                          "Surface \"plastic\" \"Ks\" [0.25]\n"
                                          "Surface \"plastic\" \"fc_good\" [0.25]\n"
                                          "Surface \"plastic\"\n"));
    std::remove(path.c_str());
}

}  // namespace
