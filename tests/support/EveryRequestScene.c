#include "tests/support/EveryRequestScene.h"

#include <stddef.h>

#include "quillet/ri.h"

static RtFloat quad[12] = {0, 0, 0, 1, 0, 0, 1, 1, 0, 0, 1, 0};

static void declarations(void) {
    RiDeclare("mass", "uniform float");
}

static void cameraAndOptions(void) {
    RtFloat fov = 45, jitter = 1, nRGB[3] = {1, 0, 0}, RGBn[3] = {1, 0, 0};
    RtInt origin[2] = {10, 20}, bucket[2] = {16, 16};
    RtToken path = "shaders:&";
    RiFormat(640, 480, 1);
    RiFrameAspectRatio(1.3333f);
    RiScreenWindow(-1.3333f, 1.3333f, -1, 1);
    RiCropWindow(0, 1, 0, 0.5f);
    RiProjection(RI_PERSPECTIVE, RI_FOV, &fov, RI_NULL);
    RiClipping(0.1f, 1000);
    RiDepthOfField(8, 0.05f, 10);
    RiShutter(0, 1);
    RiPixelVariance(0.01f);
    RiPixelSamples(4, 4);
    RiPixelFilter(RiCatmullRomFilter, 3, 3);
    RiPixelFilter(RiSincFilter, 4, 4);
    RiExposure(1, 2.2f);
    RiQuantize(RI_RGBA, 255, 0, 255, 0.5f);
    RiDisplay("scene.tif", RI_FILE, RI_RGBA, "integer[2] origin", origin, RI_NULL);
    RiHider(RI_HIDDEN, "uniform float jitter", &jitter, RI_NULL);
    RiColorSamples(1, nRGB, RGBn);
    RiRelativeDetail(0.5f);
    RiOption("searchpath", "uniform string shader", &path, RI_NULL);
    RiOption("limits", "uniform integer[2] bucketsize", bucket, RI_NULL);
    RiMakeTexture("wood.tif", "wood.tex", RI_PERIODIC, RI_CLAMP, RiGaussianFilter, 2, 2, RI_NULL);
    RiMakeLatLongEnvironment("sky.tif", "sky.env", RiBoxFilter, 1, 1, RI_NULL);
    RiMakeCubeFaceEnvironment("px.tif", "nx.tif", "py.tif", "ny.tif", "pz.tif", "nz.tif", "cube.env", 95,
                              RiTriangleFilter, 2, 2, RI_NULL);
    RiMakeShadow("depth.z", "light.shd", RI_NULL);
}

/* Numbers far from 1 on both sides, so that both encodings carry them whole. */
static void attributesAndTransforms(void) {
    RtColor color = {1, 0.5f, 0.25f}, opacity = {1, 1, 1};
    RtBound bound = {-1, 1, -1, 1, -1, 1};
    RtMatrix matrix = {{1, 0, 0, 0}, {0, 1, 0, 0}, {0, 0, 1, 0}, {0.5f, 0, 0, 1}};
    RtMatrix extreme = {{1, 0, 0, 0}, {0, 1, 0, 0}, {0, 0, 1, 0}, {0.5f, -2e-7f, 3e12f, 1}};
    RtPoint points[2] = {{0, 0, 0}, {1, 1, 1}};
    RtFloat sphere = 0.25f;
    RtInt sides = 2;
    RiAttributeBegin();
    RiColor(color);
    RiOpacity(opacity);
    RiTextureCoordinates(0, 0, 1, 0, 0, 1, 1, 1);
    RiShadingRate(1);
    RiShadingInterpolation(RI_SMOOTH);
    RiMatte(RI_FALSE);
    RiBound(bound);
    RiDetail(bound);
    RiDetailRange(0, 0, 10, 20);
    RiGeometricApproximation(RI_FLATNESS, 0.5f);
    RiGeometricRepresentation("lines");
    RiSides(2);
    RiOrientation(RI_RH);
    RiReverseOrientation();
    RiAttribute("displacementbound", "uniform float sphere", &sphere, RI_NULL);
    RiAttribute("sides", "integer doubleshaded", &sides, RI_NULL);
    RiIdentity();
    RiConcatTransform(matrix);
    RiConcatTransform(extreme);
    RiTransform(matrix);
    RiPerspective(30);
    RiTranslate(1, 2, 3);
    RiTranslate(0, 0.5f, 1e-5f);
    RiRotate(45, 0, 0, 1);
    RiScale(1, 2, 3);
    RiScale(1, -2, 1e20f);
    RiSkew(30, 0, 1, 0, 1, 0, 0);
    RiCoordinateSystem("mycs");
    RiCoordSysTransform("mycs");
    RiTransformPoints(RI_CAMERA, RI_WORLD, 2, points);
    RiTransformBegin();
    RiMotionBegin(2, 0.0, 1.0);
    RiTranslate(0, 0, 0);
    RiTranslate(1, 0, 0);
    RiMotionEnd();
    RiTransformEnd();
    RiAttributeEnd();
}

static void shadersAndLights(void) {
    RtFloat kd = 0.8f, amplitude = 0.1f, distance = 50, intensity = 2;
    RtColor specular = {1, 1, 1}, background = {0, 0, 0.1f};
    RtPoint from = {0, 5, 0};
    RtToken texture = "wood.tex";
    RtLightHandle light;
    RiSurface(RI_PAINTEDPLASTIC, RI_KD, &kd, RI_SPECULARCOLOR, specular, RI_TEXTURENAME, &texture, RI_NULL);
    RiDisplacement(RI_BUMPY, RI_AMPLITUDE, &amplitude, RI_NULL);
    RiAtmosphere(RI_FOG, RI_DISTANCE, &distance, RI_NULL);
    RiInterior("water", RI_NULL);
    RiExterior("air", RI_NULL);
    RiImager(RI_BACKGROUND, RI_BACKGROUND, background, RI_NULL);
    light = RiLightSource(RI_POINTLIGHT, RI_INTENSITY, &intensity, RI_FROM, from, RI_NULL);
    RiAreaLightSource("arealight", RI_NULL);
    RiIlluminate(light, RI_FALSE);
}

static void quadrics(void) {
    RtFloat cs[12] = {1, 0, 0, 0, 1, 0, 0, 0, 1, 1, 1, 1};
    RtFloat st[8] = {0, 0, 1, 0, 0, 1, 1, 1};
    RtPoint point1 = {1, 0, 0}, point2 = {0.5f, 0.5f, 1};
    RtFloat mass = 3, kd = 0.7f;
    RiSphere(1, -1, 1, 360, RI_CS, cs, "mass", &mass, RI_NULL);
    RiCone(2, 1, 360, RI_ST, st, RI_NULL);
    RiCylinder(1, -1, 1, 270, RI_NULL);
    RiDisk(0, 1, 360, RI_NULL);
    RiHyperboloid(point1, point2, 360, RI_NULL);
    RiParaboloid(1, 0, 2, 360, "varying float[2] uv", st, RI_NULL);
    RiTorus(2, 0.5f, 0, 360, 360, "constant float Kd", &kd, RI_NULL);
}

static void polygonsAndPatches(void) {
    RtInt loops[2] = {4, 3}, faces[2] = {4, 3}, indices[7] = {0, 1, 2, 3, 0, 2, 1};
    RtInt nloops[1] = {2};
    RtFloat holed[21] = {0, 0, 0, 4, 0, 0, 4, 4, 0, 0, 4, 0, 1, 1, 0, 2, 1, 0, 1, 2, 0};
    RtFloat grid[84], pw[64], uknot[8] = {0, 0, 0, 0, 1, 1, 1, 1}, trimKnot[6] = {0, 0, 0, 1, 1, 1};
    RtFloat tu[3] = {0, 0.5f, 1}, tv[3] = {0, 1, 0}, tw[3] = {1, 1, 1}, tmin = 0, tmax = 1;
    RtInt ncurves = 1, order = 3, n = 3;
    RtBasis own = {{1, 2, 3, 4}, {5, 6, 7, 8}, {9, 10, 11, 12}, {13, 14, 15, 16.5f}};
    RtBasis custom = {{1, 0, 0, 0}, {0, 1, 0, 0}, {0, 0, 1, 0}, {0, 0, 0, 1}};
    int i;
    for (i = 0; i < 84; ++i) grid[i] = (RtFloat)i / 4;
    for (i = 0; i < 64; ++i) pw[i] = (i % 4 == 3) ? 1 : (RtFloat)i / 8;
    RiPolygon(4, RI_P, quad, RI_NULL);
    RiGeneralPolygon(2, loops, RI_P, holed, RI_NULL);
    RiPointsPolygons(2, faces, indices, RI_P, quad, RI_NULL);
    RiPointsGeneralPolygons(1, nloops, faces, indices, RI_P, quad, RI_NULL);
    RiBasis(own, 2, RiPowerBasis, 4);
    RiBasis(RiBezierBasis, RI_BEZIERSTEP, custom, 2);
    RiPatch(RI_BILINEAR, RI_P, quad, RI_NULL);
    RiPatch(RI_BICUBIC, RI_P, grid, RI_NULL);
    RiPatchMesh(RI_BICUBIC, 7, RI_NONPERIODIC, 4, RI_NONPERIODIC, RI_P, grid, RI_NULL);
    RiPatchMesh(RI_BILINEAR, 2, RI_PERIODIC, 2, RI_NONPERIODIC, RI_P, quad, RI_NULL);
    RiTrimCurve(1, &ncurves, &order, trimKnot, &tmin, &tmax, &n, tu, tv, tw);
    RiNuPatch(4, 4, uknot, 0, 1, 4, 4, uknot, 0.25f, 1, RI_PW, pw, RI_NULL);
}

static void curvesMeshesAndMore(void) {
    RtInt nvertices[1] = {4}, faces[1] = {4}, indices[4] = {0, 1, 2, 3}, nargs[4] = {2, 1, 0, 0}, intargs[2] = {0, 1};
    RtToken tags[2] = {"crease", "interpolateboundary"};
    RtFloat width = 0.1f, widths[4] = {0.1f, 0.2f, 0.3f, 0.4f}, floatargs[1] = {2.5f}, blobs[32],
            cs[6] = {1, 0, 0, 0, 1, 0};
    RtInt code[8] = {1001, 0, 1001, 16, 0, 2, 0, 1};
    RtToken strings[1] = {"unused"};
    RtBound bound = {-1, 1, -1, 1, -1, 1};
    RtToken archive[1] = {"sub.rib"}, program[2] = {"mkgeom", "-n 3"}, library[2] = {"geom.so", "seed 7"};
    RtFloat kd = 0.7f;
    RtObjectHandle first, second;
    int i;
    for (i = 0; i < 32; ++i) blobs[i] = (i % 5 == 0) ? 1 : 0;
    RiBasis(RiBSplineBasis, RI_BSPLINESTEP, RiCatmullRomBasis, RI_CATMULLROMSTEP);
    RiCurves(RI_CUBIC, 1, nvertices, RI_NONPERIODIC, RI_P, quad, RI_CONSTANTWIDTH, &width, RI_NULL);
    RiCurves(RI_LINEAR, 1, nvertices, RI_PERIODIC, RI_P, quad, RI_WIDTH, widths, RI_NULL);
    RiPoints(4, RI_P, quad, RI_WIDTH, widths, RI_NULL);
    RiSubdivisionMesh("catmull-clark", 1, faces, indices, 2, tags, nargs, intargs, floatargs, RI_P, quad, RI_NULL);
    RiSubdivisionMesh("loop", 1, faces, indices, 0, NULL, NULL, NULL, NULL, RI_P, quad, RI_NULL);
    RiBlobby(2, 8, code, 32, blobs, 0, strings, RI_CS, cs, RI_NULL);
    RiBlobby(2, 8, code, 32, blobs, 0, strings, RI_NULL);
    RiProcedural(archive, bound, RiProcDelayedReadArchive, NULL);
    RiProcedural(program, bound, RiProcRunProgram, NULL);
    RiProcedural(library, bound, RiProcDynamicLoad, NULL);
    RiGeometry("teapot", RI_NULL);
    RiSolidBegin(RI_UNION);
    RiSolidEnd();
    first = RiObjectBegin();
    RiSphere(1, -1, 1, 360, RI_NULL);
    RiObjectEnd();
    second = RiObjectBegin();
    RiObjectEnd();
    RiObjectInstance(second);
    RiObjectInstance(first);
    RiArchiveRecord(RI_COMMENT, "frame %d of %s, 100%%", 1, "golden");
    RiArchiveRecord(RI_STRUCTURE, "Scene golden");
    RiReadArchive("other.rib", NULL, RI_NULL);
    RiReadArchive("other \"quoted\".rib", NULL, RI_KD, &kd, RI_NULL);
    RiErrorHandler(RiErrorIgnore);
    RiErrorHandler(RiErrorAbort);
}

/* The requests of the later interface versions, named and numbered handles
 * side by side. */
static void laterRequests(void) {
    RtBound bound = {-1, 1, -1, 1, -1, 1};
    RtInt grid[3] = {2, 1, 2};
    RtFloat density[4] = {0, 0.25f, 0.5f, 1};
    RtFloat intensity = 2;
    RtToken pass = "beauty", operation = "save", file = "a.rib", key = "key", tree = "tree";
    RtToken handleToken[1] = {"__handleid"};
    RtPointer treeValue[1] = {&tree};
    RtObjectHandle named, numbered;
    RtLightHandle keyLight, fill;
    RtArchiveHandle box;

    RiAttribute("user", "string pass", &pass, RI_NULL);
    RiCamera("main", RI_NULL);
    RiClippingPlane(0, 0, 1, 0, 0, -1);
    box = RiArchiveBegin("box", RI_NULL);
    RiSphere(1, -1, 1, 360, RI_NULL);
    RiArchiveEnd();
    named = RiObjectBeginV(1, handleToken, treeValue);
    RiSphere(0.5f, -0.5f, 0.5f, 360, RI_NULL);
    RiObjectEnd();
    numbered = RiObjectBegin();
    RiObjectEnd();
    keyLight = RiLightSource("pointlight", "float intensity", &intensity, "__handleid", &key, RI_NULL);
    fill = RiAreaLightSource("arealight", RI_NULL);
    RiIlluminate(keyLight, 1);
    RiIlluminate(fill, 0);
    RiIfBegin("$user:pass == 'beauty'");
    RiReadArchive((RtToken)box, 0, RI_NULL);
    RiElseIf("$user:pass == 'shadow'");
    RiObjectInstance(numbered);
    RiElse();
    RiObjectInstance(named);
    RiIfEnd();
    RiResourceBegin();
    RiResource("r", "attributes", "string operation", &operation, RI_NULL);
    RiResourceEnd();
    RiScopedCoordinateSystem("lamp");
    RiSystem("echo \"done\"");
    RiVolume("box", bound, grid, "varying float density", density, RI_NULL);
    RiProcedural2(RiProc2DelayedReadArchive, RiSimpleBound, "string filename", &file, "float[6] bound", bound, RI_NULL);
    RiProcedural2(RiProc2DynamicLoad, RiDelayedBound, RI_NULL);
}

const SceneFamily kSceneFamilies[] = {
    {"declarations", declarations},
    {"camera and options", cameraAndOptions},
    {"attributes and transforms", attributesAndTransforms},
    {"shaders and lights", shadersAndLights},
    {"quadrics", quadrics},
    {"polygons and patches", polygonsAndPatches},
    {"curves, meshes and more", curvesMeshesAndMore},
    {"later requests", laterRequests},
};
const int kSceneFamilyCount = (int)(sizeof kSceneFamilies / sizeof kSceneFamilies[0]);

void everyRequestScene(void) {
    declarations();
    RiFrameBegin(1);
    cameraAndOptions();
    RiWorldBegin();
    attributesAndTransforms();
    shadersAndLights();
    quadrics();
    polygonsAndPatches();
    curvesMeshesAndMore();
    laterRequests();
    RiWorldEnd();
    RiFrameEnd();
}
