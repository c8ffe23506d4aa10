// The round-trip law: a stream that the library writes, parsed into a
// RibWriter, is written again byte for byte, in both encodings, and ASCII
// parsed into a binary writer gives the binary stream of the same calls.
#include <gtest/gtest.h>

#include "quillet/GlobalNames.h"
#include "tests/parse/ParseSupport.h"
#include "quillet/ri.h"

namespace {

RtFloat kd = 0.7f, fov = 40, intensity = 2;
RtColor gold = {0.9f, 0.8f, 0.3f};
RtBound bound = {-1, 1, -1, 1, -1, 1.5f};
RtMatrix matrix = {{1, 0, 0, 0}, {0, 1, 0, 0}, {0, 0, 1, 0}, {0.5f, -2e-7f, 3e12f, 1}};
RtFloat cs[12] = {1, 0, 0, 0, 1, 0, 0, 0, 1, 1, 1, 1};
RtFloat square[12] = {0, 0, 0, 1, 0, 0, 1, 1, 0, 0, 1, 0};
RtFloat seven[21] = {0, 0, 0, 4, 0, 0, 4, 4, 0, 0, 4, 0, 1, 1, 0, 2, 1, 0, 1, 2, 0};

void structure() {
    RtFloat times[2] = {0, 0.5f};
    RiFrameBegin(1);
    RiWorldBegin();
    RiAttributeBegin();
    RiTransformBegin();
    RiSolidBegin("union");
    RiSolidEnd();
    RtObjectHandle first = RiObjectBegin();
    RiObjectEnd();
    RtObjectHandle second = RiObjectBegin();
    RiObjectEnd();
    RiObjectInstance(second);
    RiObjectInstance(first);
    RiMotionBeginV(2, times);
    RiTranslate(0, 0, 0);
    RiTranslate(0, 0, 1);
    RiMotionEnd();
    RiDeclare("Kx", "uniform float");
    RiDeclare("names", "constant string[2]");
    RiErrorHandler(RiErrorIgnore);
    RiErrorHandler(RiErrorAbort);
    RiArchiveRecord("comment", "note %d", 7);
    RiArchiveRecord("structure", "Frame 1");
    RiReadArchive("other \"quoted\".rib", nullptr, "Kd", &kd, RI_NULL);
    RiTransformEnd();
    RiAttributeEnd();
    RiWorldEnd();
    RiFrameEnd();
}

void transforms() {
    RiIdentity();
    RiTranslate(0, 0.5f, 1e-5f);
    RiRotate(30, 0, 1, 0);
    RiScale(1, -2, 1e20f);
    RiSkew(45, 0, 1, 0, 1, 0, 0);
    RiPerspective(45);
    RiConcatTransform(matrix);
    RiTransform(matrix);
    RiCoordinateSystem("cam");
    RiCoordSysTransform("cam");
}

void quadrics() {
    RtPoint p1 = {1, 0, 0}, p2 = {0.5f, 0, 1};
    RiSphere(1, -1, 1, 360, "Cs", cs, RI_NULL);
    RiCone(2, 1, 180, "uniform float inline", &kd, RI_NULL);
    RiCylinder(1, -1, 1, 270, RI_NULL);
    RiHyperboloid(p1, p2, 360, "P", cs, RI_NULL);
    RiParaboloid(1, 0, 2, 360, RI_NULL);
    RiDisk(0, 1, 360, RI_NULL);
    RiTorus(1, 0.25f, 0, 360, 360, "constant float Kd", &kd, RI_NULL);
}

void shading() {
    RtToken name = "thing";
    RtInt sides = 2;
    RiColor(gold);
    RiOpacity(gold);
    RiTextureCoordinates(0, 0, 1, 0, 0, 1, 1, 1);
    RiShadingRate(1);
    RiShadingInterpolation("smooth");
    RiMatte(1);
    RiBound(bound);
    RiDetail(bound);
    RiDetailRange(0, 0, 10, 20);
    RiGeometricApproximation("flatness", 0.5f);
    RiGeometricRepresentation("smooth");
    RiSides(2);
    RiOrientation("outside");
    RiReverseOrientation();
    RiAttribute("identifier", "name", &name, RI_NULL);
    RiAttribute("sides", "integer doubleshaded", &sides, RI_NULL);
    RiSurface("plastic", "Kd", &kd, RI_NULL);
    RiDisplacement("bumpy", RI_NULL);
    RiAtmosphere("fog", RI_NULL);
    RiInterior("water", RI_NULL);
    RiExterior("air", RI_NULL);
    RiImager("background", RI_NULL);
    RtLightHandle light = RiLightSource("distantlight", "intensity", &intensity, RI_NULL);
    RtLightHandle area = RiAreaLightSource("arealight", RI_NULL);
    RiIlluminate(area, 1);
    RiIlluminate(light, 0);
}

void options() {
    RtInt grid = 16;
    RiFormat(64, 48, 1);
    RiFrameAspectRatio(1.333f);
    RiScreenWindow(-1.333f, 1.333f, -1, 1);
    RiCropWindow(0, 1, 0, 1);
    RiProjection("perspective", "fov", &fov, RI_NULL);
    RiClipping(0.1f, 100);
    RiDepthOfField(8, 0.1f, 5);
    RiShutter(0, 1);
    RiPixelVariance(0.1f);
    RiPixelSamples(2, 2);
    RiPixelFilter(RiCatmullRomFilter, 2, 2);
    RiPixelFilter(RiSincFilter, 4, 4);
    RiExposure(1, 2.2f);
    RiQuantize("rgba", 255, 0, 255, 0.5f);
    RiRelativeDetail(1);
    RiDisplay("out.tif", "file", "rgba", RI_NULL);
    RiHider("hidden", RI_NULL);
    RiOption("limits", "gridsize", &grid, RI_NULL);
}

void polygonsAndPatches() {
    RtInt loops2[] = {4, 3}, tri2[] = {3, 3}, triIndex[] = {0, 1, 2, 2, 1, 3}, oneLoop[] = {2};
    RtInt index7[] = {0, 1, 2, 3, 4, 5, 6};
    RtFloat perFace[2] = {0.25f, 0.5f};
    RtFloat patch16[48], mesh28[84], pw16[64];
    for (int i = 0; i < 48; ++i) patch16[i] = static_cast<RtFloat>(i % 7) * 0.25f;
    for (int i = 0; i < 84; ++i) mesh28[i] = static_cast<RtFloat>(i % 5) * 0.5f;
    for (int i = 0; i < 64; ++i) pw16[i] = i % 4 == 3 ? 1.0f : static_cast<RtFloat>(i % 3);
    RtFloat knots[] = {0, 0, 0, 0, 1, 1, 1, 1};
    RtInt ncurves[] = {1}, order[] = {3}, ncontrol[] = {3};
    RtFloat tknot[] = {0, 0, 0, 1, 1, 1}, tmin[] = {0}, tmax[] = {1};
    RtFloat tu[] = {0, 0.5f, 1}, tv[] = {0, 1, 0}, tw[] = {1, 1, 1};
    RtBasis own = {{1, 2, 3, 4}, {5, 6, 7, 8}, {9, 10, 11, 12}, {13, 14, 15, 16.5f}};
    RiPolygon(4, "P", square, "Cs", square, RI_NULL);
    RiGeneralPolygon(2, loops2, "P", seven, RI_NULL);
    RiPointsPolygons(2, tri2, triIndex, "P", square, "Kx", perFace, RI_NULL);
    RiPointsGeneralPolygons(1, oneLoop, loops2, index7, "P", seven, RI_NULL);
    RiBasis(RiBezierBasis, 3, RiCatmullRomBasis, 1);
    RiBasis(own, 2, RiPowerBasis, 4);
    RiBasis(RiBezierBasis, 3, RiBezierBasis, 3);
    RiPatch("bilinear", "P", square, RI_NULL);
    RiPatch("bicubic", "P", patch16, RI_NULL);
    RiPatchMesh("bicubic", 7, "nonperiodic", 4, "nonperiodic", "P", mesh28, RI_NULL);
    RiPatchMesh("bilinear", 2, "periodic", 2, "nonperiodic", "P", square, RI_NULL);
    RiNuPatch(4, 4, knots, 0, 1, 4, 4, knots, 0.25f, 1, "Pw", pw16, RI_NULL);
    RiTrimCurve(1, ncurves, order, tknot, tmin, tmax, ncontrol, tu, tv, tw);
}

void curvesAndMore() {
    RtInt curve7[] = {7}, face4[] = {4}, quad[] = {0, 1, 2, 3}, lines[] = {2, 2};
    RtToken tags[] = {"crease", "interpolateboundary"};
    RtInt nargs[] = {2, 1, 0, 0}, intargs[] = {0, 1};
    RtFloat floatargs[] = {2.5f};
    RtInt code[] = {1001, 0};
    RtFloat blob[16] = {1, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1};
    RtToken archive[] = {"part.rib"}, program[] = {"gen", "--size 2"};
    RtFloat widths[2] = {0.1f, 0.2f};
    RiCurves("cubic", 1, curve7, "nonperiodic", "P", seven, RI_NULL);
    RiCurves("linear", 2, lines, "nonperiodic", "P", square, "constantwidth", widths, RI_NULL);
    RiPoints(4, "P", square, RI_NULL);
    RiSubdivisionMesh("catmull-clark", 1, face4, quad, 2, tags, nargs, intargs, floatargs, "P", square, RI_NULL);
    RiSubdivisionMesh("catmull-clark", 1, face4, quad, 0, nullptr, nullptr, nullptr, nullptr, "P", square, RI_NULL);
    RiBlobby(1, 2, code, 16, blob, 0, nullptr, RI_NULL);
    RiBlobby(1, 2, code, 16, blob, 0, nullptr, "Cs", gold, RI_NULL);
    RiProcedural(archive, bound, RiProcDelayedReadArchive, nullptr);
    RiProcedural(program, bound, RiProcRunProgram, nullptr);
    RiProcedural(program, bound, RiProcDynamicLoad, nullptr);
    RiGeometry("teapot", RI_NULL);
}

void textures() {
    RtContextHandle context = RiGetContext();
    RenderContext &target = *static_cast<RenderContext *>(context);
    target.MakeTexture("in.tif", "out.tx", "periodic", "clamp", RiGaussianFilter, 2, 2, RI_NULL);
    target.MakeLatLongEnvironment("sky.tif", "sky.env", RiBoxFilter, 1, 1, RI_NULL);
    target.MakeCubeFaceEnvironment("px", "nx", "py", "ny", "pz", "nz", "cube.env", 95, RiTriangleFilter, 1, 1, RI_NULL);
    target.MakeShadow("depth.z", "shadow.sm", RI_NULL);
}

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

const struct {
    const char *name;
    void (*scene)();
    const char *errors;
} kFamilies[] = {
    {"structure", structure, kNoErrors},
    {"transforms", transforms, kNoErrors},
    {"quadrics", quadrics, kNoErrors},
    {"shading", shading, kNoErrors},
    {"options", options, kNoErrors},
    {"polygons and patches", polygonsAndPatches, kNoErrors},
    {"curves and more", curvesAndMore, kNoErrors},
    {"textures", textures, kNoErrors},
    {"edges", edges, kUnknownPatchType},
};

TEST(RoundTrip, EveryFamilyIsWrittenAgainByteForByteInBothEncodings) {
    for (const auto &family : kFamilies) {
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
    for (const auto &family : kFamilies) {
        std::string binary = writtenStream(family.scene, true);
        Reparsed converted = reparse(writtenStream(family.scene, false), true);
        EXPECT_EQ(converted.stream, binary) << family.name;
        EXPECT_EQ(converted.errors, family.errors) << family.name;
    }
}

}  // namespace
