// Every list-form entry point of the C interface (RiSphereV, RiParaboloidV
// and the rest), each called through the current context with a parameter
// list, against the whole stream it writes.
#include <gtest/gtest.h>

#include <cstdio>
#include <string>

#include "quillet/ri.h"
#include "tests/support/Files.h"

namespace {

const std::string kHeader = "##RenderMan RIB-Structure 1.0\nversion 3.03\n";

RtFloat half[] = {0.5f};
RtFloat points[] = {0, 0, 0, 1, 0, 0, 1, 1, 0, 0, 1, 0};
RtToken kd[] = {const_cast<char *>("Kd")};
RtPointer kdValue[] = {half};
RtToken p[] = {const_cast<char *>("P")};
RtPointer pValue[] = {points};
RtInt four[] = {4};
RtInt quad[] = {0, 1, 2, 3};
RtInt one[] = {1};
RtFloat knots[] = {0, 0, 1, 1};
RtBound bound = {-1, 1, -1, 1, -1, 1};

struct ListFormCase {
    const char *name;
    void (*call)();
    const char *requests;  // after the header, before the final newline
};

const ListFormCase kCases[] = {
    {"Display", [] { RiDisplayV("out.tif", "file", "rgba", 1, kd, kdValue); },
     "Display \"out.tif\" \"file\" \"rgba\" \"Kd\" [0.5]\n"},
    {"Hider", [] { RiHiderV("hidden", 1, kd, kdValue); }, "Hider \"hidden\" \"Kd\" [0.5]\n"},
    {"Projection", [] { RiProjectionV("perspective", 1, kd, kdValue); }, "Projection \"perspective\" \"Kd\" [0.5]\n"},
    {"Option", [] { RiOptionV("limits", 1, kd, kdValue); }, "Option \"limits\" \"Kd\" [0.5]\n"},
    {"Camera", [] { RiCameraV("cam", 1, kd, kdValue); }, "Camera \"cam\" \"Kd\" [0.5]\n"},
    {"Attribute", [] { RiAttributeV("identifier", 1, kd, kdValue); }, "Attribute \"identifier\" \"Kd\" [0.5]\n"},
    {"LightSource", [] { RiLightSourceV("pointlight", 1, kd, kdValue); },
     "LightSource \"pointlight\" 1 \"Kd\" [0.5]\n"},
    {"AreaLightSource", [] { RiAreaLightSourceV("arealight", 1, kd, kdValue); },
     "AreaLightSource \"arealight\" 1 \"Kd\" [0.5]\n"},
    {"Surface", [] { RiSurfaceV("plastic", 1, kd, kdValue); }, "Surface \"plastic\" \"Kd\" [0.5]\n"},
    {"Displacement", [] { RiDisplacementV("bumpy", 1, kd, kdValue); }, "Displacement \"bumpy\" \"Kd\" [0.5]\n"},
    {"Atmosphere", [] { RiAtmosphereV("fog", 1, kd, kdValue); }, "Atmosphere \"fog\" \"Kd\" [0.5]\n"},
    {"Interior", [] { RiInteriorV("water", 1, kd, kdValue); }, "Interior \"water\" \"Kd\" [0.5]\n"},
    {"Exterior", [] { RiExteriorV("air", 1, kd, kdValue); }, "Exterior \"air\" \"Kd\" [0.5]\n"},
    {"Imager", [] { RiImagerV("background", 1, kd, kdValue); }, "Imager \"background\" \"Kd\" [0.5]\n"},
    {"Geometry", [] { RiGeometryV("teapot", 1, kd, kdValue); }, "Geometry \"teapot\" \"Kd\" [0.5]\n"},
    {"MotionBegin",
     [] {
         RtFloat times[] = {0, 1};
         RiMotionBeginV(2, times);
         RiTranslate(1, 0, 0);
         RiTranslate(2, 0, 0);
         RiMotionEnd();
     },
     "MotionBegin [0 1]\nTranslate 1 0 0 \nTranslate 2 0 0 \nMotionEnd\n"},
    {"Sphere", [] { RiSphereV(1, -1, 1, 360, 1, kd, kdValue); }, "Sphere 1 -1 1 360 \"Kd\" [0.5]\n"},
    {"Cone", [] { RiConeV(2, 1, 360, 1, kd, kdValue); }, "Cone 2 1 360 \"Kd\" [0.5]\n"},
    {"Cylinder", [] { RiCylinderV(1, -1, 1, 360, 1, kd, kdValue); }, "Cylinder 1 -1 1 360 \"Kd\" [0.5]\n"},
    {"Hyperboloid",
     [] {
         RtPoint a = {1, 0, 0}, b = {0, 1, 1};
         RiHyperboloidV(a, b, 360, 1, kd, kdValue);
     },
     "Hyperboloid 1 0 0 0 1 1 360 \"Kd\" [0.5]\n"},
    {"Paraboloid", [] { RiParaboloidV(1, 0.25f, 2, 270, 1, kd, kdValue); }, "Paraboloid 1 0.25 2 270 \"Kd\" [0.5]\n"},
    {"Disk", [] { RiDiskV(0.5f, 1, 360, 1, kd, kdValue); }, "Disk 0.5 1 360 \"Kd\" [0.5]\n"},
    {"Torus", [] { RiTorusV(1, 0.25f, 0, 360, 270, 1, kd, kdValue); }, "Torus 1 0.25 0 360 270 \"Kd\" [0.5]\n"},
    {"Polygon", [] { RiPolygonV(4, 1, p, pValue); }, "Polygon \"P\" [0 0 0 1 0 0 1 1 0 0 1 0]\n"},
    {"GeneralPolygon", [] { RiGeneralPolygonV(1, four, 1, p, pValue); },
     "GeneralPolygon[4 ]  \"P\" [0 0 0 1 0 0 1 1 0 0 1 0]\n"},
    {"PointsPolygons", [] { RiPointsPolygonsV(1, four, quad, 1, p, pValue); },
     "PointsPolygons[4 ] [0 1 2 3 ]  \"P\" [0 0 0 1 0 0 1 1 0 0 1 0]\n"},
    {"PointsGeneralPolygons", [] { RiPointsGeneralPolygonsV(1, one, four, quad, 1, p, pValue); },
     "PointsGeneralPolygons[1 ] [4 ] [0 1 2 3 ]  \"P\" [0 0 0 1 0 0 1 1 0 0 1 0]\n"},
    {"Patch", [] { RiPatchV("bilinear", 1, p, pValue); }, "Patch \"bilinear\" \"P\" [0 0 0 1 0 0 1 1 0 0 1 0]\n"},
    {"PatchMesh", [] { RiPatchMeshV("bilinear", 2, "nonperiodic", 2, "periodic", 1, p, pValue); },
     "PatchMesh \"bilinear\" 2 \"nonperiodic\" 2 \"periodic\" \"P\" [0 0 0 1 0 0 1 1 0 0 1 0]\n"},
    {"NuPatch", [] { RiNuPatchV(2, 2, knots, 0, 1, 2, 2, knots, 0, 1, 1, p, pValue); },
     "NuPatch 2 2 [0 0 1 1] 0.000000 1.000000 2 2 [0 0 1 1] 0.000000 1.000000  \"P\" [0 0 0 1 0 0 1 1 0 0 1 0]\n"},
    {"Curves", [] { RiCurvesV("linear", 1, four, "nonperiodic", 1, p, pValue); },
     "Curves \"linear\"[4 ] \"nonperiodic\"  \"P\" [0 0 0 1 0 0 1 1 0 0 1 0]\n"},
    {"Points", [] { RiPointsV(4, 1, p, pValue); }, "Points  \"P\" [0 0 0 1 0 0 1 1 0 0 1 0]\n"},
    {"SubdivisionMesh",
     [] {
         RtToken tags[] = {const_cast<char *>("interpolateboundary")};
         RtInt nargs[] = {0, 0};
         RiSubdivisionMeshV("catmull-clark", 1, four, quad, 1, tags, nargs, nullptr, nullptr, 1, p, pValue);
     },
     "SubdivisionMesh \"catmull-clark\" [4 ] [0 1 2 3 ] [\"interpolateboundary\" ][0 0 ] \"P\" [0 0 0 1 0 0 1 1 0 0 1 "
     "0]\n"},
    {"Blobby",
     [] {
         RtInt code[] = {1001, 0};
         RtFloat matrix[] = {1, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1};
         RiBlobbyV(1, 2, code, 16, matrix, 0, nullptr, 1, kd, kdValue);
     },
     "Blobby 1 [1001 0 ] [1 0 0 0 0 1 0 0 0 0 1 0 0 0 0 1] []\n \"Kd\" [0.5]\n\n"},
    {"Volume",
     [] {
         RtInt dimensions[] = {1, 1, 1};
         RiVolumeV("box", bound, dimensions, 1, kd, kdValue);
     },
     "Volume \"box\" [-1 1 -1 1 -1 1] [1 1 1 ] \"Kd\" [0.5]\n"},
    // The texture requests write no parameter list, as they always have.
    {"MakeTexture", [] { RiMakeTextureV("in.tif", "out.tx", "periodic", "clamp", RiBoxFilter, 1, 1, 1, kd, kdValue); },
     "MakeTexture \"in.tif\" \"out.tx\" \"periodic\" \"clamp\" \"box\" 1 1 \"Kd\" [0.5]\n"},
    {"MakeLatLongEnvironment",
     [] { RiMakeLatLongEnvironmentV("in.tif", "out.env", RiBoxFilter, 1, 1, 1, kd, kdValue); },
     "MakeLatLongEnvironment \"in.tif\" \"out.env\" \"box\" 1 1 \"Kd\" [0.5]\n"},
    {"MakeCubeFaceEnvironment",
     [] {
         RiMakeCubeFaceEnvironmentV("px", "nx", "py", "ny", "pz", "nz", "out.env", 95, RiBoxFilter, 1, 1, 1, kd,
                                    kdValue);
     },
     "MakeCubeFaceEnvironment \"px\" \"nx\" \"py\" \"ny\" \"pz\" \"nz\" \"out.env\" 95 \"box\" 1 1 \"Kd\" [0.5]\n"},
    {"MakeShadow", [] { RiMakeShadowV("in.z", "out.shd", 1, kd, kdValue); },
     "MakeShadow \"in.z\" \"out.shd\" \"Kd\" [0.5]\n"},
    {"ReadArchive", [] { RiReadArchiveV("chair.rib", nullptr, 1, kd, kdValue); },
     "ReadArchive \"chair.rib\" \"Kd\" [0.5]\n"},
    {"ObjectBegin",
     [] {
         RiObjectBeginV(0, nullptr, nullptr);
         RiObjectEnd();
     },
     "ObjectBegin 1\nObjectEnd\n"},
    {"ArchiveBegin",
     [] {
         RiArchiveBeginV("asset", 1, kd, kdValue);
         RiArchiveEnd();
     },
     "ArchiveBegin \"asset\" \"Kd\" [0.5]\nArchiveEnd\n"},
    {"Resource", [] { RiResourceV("handle", "attributes", 1, kd, kdValue); },
     "Resource \"handle\" \"attributes\" \"Kd\" [0.5]\n"},
    {"Procedural2", [] { RiProcedural2V(RiProc2DelayedReadArchive, RiSimpleBound, 1, kd, kdValue); },
     "Procedural2 \"DelayedReadArchive2\" \"SimpleBound\" \"Kd\" [0.5]\n"},
};

TEST(ListForms, EachWritesItsRequest) {
    for (const ListFormCase &c : kCases) {
        const std::string path = ::testing::TempDir() + "list_form.rib";
        RiBegin(const_cast<char *>(path.c_str()));
        c.call();
        RiEnd();
        EXPECT_EQ(quillet_test::readFile(path), kHeader + c.requests + "\n") << c.name;
        std::remove(path.c_str());
    }
}

}  // namespace
