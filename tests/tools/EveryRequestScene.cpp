// A scene that calls an entry point of every request family that writes
// something, with parameters of several classes and types, so that the
// tools read every request form that the library writes.
#include "ToolsSupport.h"

#include "ri/ri.h"

void everyRequestScene()
{
    RtFloat fov = 40, kd = 0.7f, intensity = 2, perFace[2] = {0.25f, 0.5f};
    RtInt grid = 16;
    RtToken name = "thing";
    RtColor gold = {0.9f, 0.8f, 0.3f};
    RtBound bound = {-1, 1, -1, 1, -1, 1};
    RtMatrix matrix = {{1, 0, 0, 0}, {0, 1, 0, 0}, {0, 0, 1, 0}, {0.5f, 0, 0, 1}};
    RtFloat cs[12] = {1, 0, 0, 0, 1, 0, 0, 0, 1, 1, 1, 1};
    RtFloat square[12] = {0, 0, 0, 1, 0, 0, 1, 1, 0, 0, 1, 0};
    RtFloat seven[21] = {0, 0, 0, 4, 0, 0, 4, 4, 0, 0, 4, 0, 1, 1, 0, 2, 1, 0, 1, 2, 0};
    RtFloat patch16[48], mesh28[84], pw16[64];
    for (int i = 0; i < 48; ++i)
        patch16[i] = static_cast<RtFloat>(i % 7) * 0.25f;
    for (int i = 0; i < 84; ++i)
        mesh28[i] = static_cast<RtFloat>(i % 5) * 0.5f;
    for (int i = 0; i < 64; ++i)
        pw16[i] = i % 4 == 3 ? 1.0f : static_cast<RtFloat>(i % 3);
    RtPoint p1 = {1, 0, 0}, p2 = {0.5f, 0, 1};
    RtInt loops2[] = {4, 3}, tri2[] = {3, 3}, triIndex[] = {0, 1, 2, 2, 1, 3}, oneLoop[] = {2};
    RtInt index7[] = {0, 1, 2, 3, 4, 5, 6};
    RtFloat knots[] = {0, 0, 0, 0, 1, 1, 1, 1};
    RtInt ncurves[] = {1}, order[] = {3}, ncontrol[] = {3};
    RtFloat tknot[] = {0, 0, 0, 1, 1, 1}, tmin[] = {0}, tmax[] = {1};
    RtFloat tu[] = {0, 0.5f, 1}, tv[] = {0, 1, 0}, tw[] = {1, 1, 1};
    RtInt curve7[] = {7}, face4[] = {4}, quad[] = {0, 1, 2, 3};
    RtToken tags[] = {"crease"};
    RtInt nargs[] = {2, 1}, intargs[] = {0, 1};
    RtFloat floatargs[] = {2.5f};
    RtInt code[] = {1001, 0};
    RtFloat blob[16] = {1, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1};
    RtToken archive[] = {"part.rib"};

    RiFrameBegin(1);
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
    RiPixelFilter(RiGaussianFilter, 2, 2);
    RiExposure(1, 2.2f);
    RiQuantize("rgba", 255, 0, 255, 0.5f);
    RiRelativeDetail(1);
    RiDisplay("out.tif", "file", "rgba", RI_NULL);
    RiHider("hidden", RI_NULL);
    RiOption("limits", "gridsize", &grid, RI_NULL);
    RiImager("background", RI_NULL);
    RiDeclare("Kx", "uniform float");
    RiErrorHandler(RiErrorPrint);
    RiTranslate(0, 0, 5);
    RiRotate(30, 0, 1, 0);
    RiScale(1, 2, 1);
    RiSkew(45, 0, 1, 0, 1, 0, 0);
    RiPerspective(45);
    RiConcatTransform(matrix);
    RiTransform(matrix);
    RiIdentity();
    RiCoordinateSystem("cam");
    RiWorldBegin();
    RtLightHandle light = RiLightSource("distantlight", "intensity", &intensity, RI_NULL);
    RiAreaLightSource("arealight", RI_NULL);
    RiIlluminate(light, 0);
    RiAttributeBegin();
    RiColor(gold);
    RiOpacity(gold);
    RiTextureCoordinates(0, 0, 1, 0, 0, 1, 1, 1);
    RiShadingRate(1);
    RiShadingInterpolation("smooth");
    RiMatte(0);
    RiBound(bound);
    RiDetail(bound);
    RiDetailRange(0, 0, 10, 20);
    RiGeometricApproximation("flatness", 0.5f);
    RiGeometricRepresentation("smooth");
    RiSides(2);
    RiOrientation("outside");
    RiReverseOrientation();
    RiAttribute("identifier", "name", &name, RI_NULL);
    RiSurface("plastic", "Kd", &kd, "Kx", &kd, RI_NULL);
    RiDisplacement("bumpy", RI_NULL);
    RiAtmosphere("fog", RI_NULL);
    RiInterior("water", RI_NULL);
    RiExterior("air", RI_NULL);
    RiTransformBegin();
    RiCoordSysTransform("cam");
    RiTransformEnd();
    RiSphere(1, -1, 1, 360, "Cs", cs, RI_NULL);
    RiCone(2, 1, 180, "uniform float inline", &kd, RI_NULL);
    RiCylinder(1, -1, 1, 270, RI_NULL);
    RiHyperboloid(p1, p2, 360, "P", cs, RI_NULL);
    RiParaboloid(1, 0, 2, 360, RI_NULL);
    RiDisk(0, 1, 360, RI_NULL);
    RiTorus(1, 0.25f, 0, 360, 360, RI_NULL);
    RiPolygon(4, "P", square, "Cs", square, RI_NULL);
    RiGeneralPolygon(2, loops2, "P", seven, RI_NULL);
    RiPointsPolygons(2, tri2, triIndex, "P", square, "Kx", perFace, RI_NULL);
    RiPointsGeneralPolygons(1, oneLoop, loops2, index7, "P", seven, RI_NULL);
    RiBasis(RiBezierBasis, 3, RiBezierBasis, 3);
    RiPatch("bilinear", "P", square, RI_NULL);
    RiPatch("bicubic", "P", patch16, RI_NULL);
    RiPatchMesh("bicubic", 7, "nonperiodic", 4, "nonperiodic", "P", mesh28, RI_NULL);
    RiNuPatch(4, 4, knots, 0, 1, 4, 4, knots, 0, 1, "Pw", pw16, RI_NULL);
    RiTrimCurve(1, ncurves, order, tknot, tmin, tmax, ncontrol, tu, tv, tw);
    RiCurves("cubic", 1, curve7, "nonperiodic", "P", seven, RI_NULL);
    RiPoints(4, "P", square, RI_NULL);
    RiSubdivisionMesh("catmull-clark", 1, face4, quad, 1, tags, nargs, intargs, floatargs, "P", square, RI_NULL);
    RiBlobby(1, 2, code, 16, blob, 0, nullptr, RI_NULL);
    RiProcedural(archive, bound, RiProcDelayedReadArchive, nullptr);
    RiGeometry("teapot", RI_NULL);
    RiSolidBegin("union");
    RiSphere(0.5f, -0.5f, 0.5f, 360, RI_NULL);
    RiSolidEnd();
    RtObjectHandle object = RiObjectBegin();
    RiDisk(0, 1, 360, RI_NULL);
    RiObjectEnd();
    RiObjectInstance(object);
    RiMotionBegin(2, 0.0, 1.0);
    RiTranslate(0, 0, 0);
    RiTranslate(0, 0, 1);
    RiMotionEnd();
    RiArchiveRecord("comment", "note %d", 7);
    RiArchiveRecord("structure", "Frame 1");
    RiReadArchive("other.rib", nullptr, RI_NULL);
    RiAttributeEnd();
    RiWorldEnd();
    RiFrameEnd();
}
